// Writing a week's rows into an open history, one transaction per batch.
#include "history/history_store.h"

#include <sqlite3.h>

#include <initializer_list>
#include <utility>

#include <QSqlDatabase>
#include <QSqlDriver>
#include <QSqlQuery>
#include <QVariant>

#include "history/history_sql.h"
#include "history/history_statements.h"

namespace tk {

using history_sql::Named;

namespace {

constexpr int kLevelBytes = 9;  // player id (2), condition, six skills

// SQLite's own handle under Qt's connection, or null when the driver is not SQLite's.
sqlite3 *HandleOf(const QSqlDatabase &db) {
    const QVariant handle = db.driver()->handle();
    if (!handle.isValid() || qstrcmp(handle.typeName(), "sqlite3*") != 0) return nullptr;
    return *static_cast<sqlite3 *const *>(handle.constData());
}

}  // namespace

Status HistoryStore::Write(const HistoryBatch &batch, int markWeek) {
    if (broken_) return Failure{"記録ファイルへの書き込みは止めてあります"};
    Status s = WriteRows(batch, markWeek);
    if (!s) {
        // A file that passed the checks at opening may still turn out damaged here (an index
        // that disagrees with its table): the caller may then start the history afresh.
        sqlite3 *handle = HandleOf(Db());
        writeProblem_ = handle != nullptr ? history_sql::ProblemOf(sqlite3_extended_errcode(handle))
                                          : HistoryProblem::CannotOpen;
        QSqlQuery(Db()).exec(QStringLiteral("ROLLBACK"));
        // The ids handed out inside the failed transaction are gone with it.
        broken_ = true;
        return Failure{Named("記録ファイルに書き込めません", path_, s.Reason())};
    }
    return s;
}

HistoryStore::Statements *HistoryStore::Prepared() {
    if (statements_) return statements_.get();
    sqlite3 *handle = HandleOf(Db());
    if (handle == nullptr) return nullptr;
    auto made = std::make_unique<Statements>();
    made->db = handle;
    const std::pair<sqlite3_stmt **, const char *> all[] = {
        {&made->player,
         "INSERT INTO players(key, name, style, birth_year, first_week, joined)"
         " VALUES(?, ?, ?, ?, ?, ?)"},
        {&made->text, "INSERT INTO texts(title, body) VALUES(?, ?)"},
        {&made->message, "INSERT INTO messages(week, kind, text, answer) VALUES(?, ?, ?, ?)"},
        {&made->month, "INSERT OR REPLACE INTO months(week, levels) VALUES(?, ?)"},
        {&made->meta, "INSERT OR REPLACE INTO meta(key, value) VALUES(?, ?)"},
        {&made->dropResults, "DELETE FROM season_results WHERE season = ?"},
        {&made->dropCompetitions, "DELETE FROM season_competitions WHERE season = ?"},
        {&made->dropSquad, "DELETE FROM season_squad WHERE season = ?"},
        {&made->season,
         "INSERT OR REPLACE INTO seasons(season, week, level, funds, budget, sponsor_income,"
         " penalties, salaries, prize, summary) VALUES(?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"},
        {&made->result, "INSERT INTO season_results VALUES(?, ?, ?, ?, ?)"},
        {&made->competition, "INSERT INTO season_competitions VALUES(?, ?, ?, ?)"},
        {&made->squad, "INSERT INTO season_squad VALUES(?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"},
    };
    for (const auto &[statement, sql] : all)
        if (sqlite3_prepare_v3(made->db, sql, -1, SQLITE_PREPARE_PERSISTENT, statement, nullptr) !=
            SQLITE_OK) {
            (void)made->Fail();  // SQLite's text to standard error; the caller reads the code
            return nullptr;
        }
    statements_ = std::move(made);
    return statements_.get();
}

Status HistoryStore::WriteRows(const HistoryBatch &batch, int markWeek) {
    Statements *st = Prepared();
    if (st == nullptr) {
        sqlite3 *handle = HandleOf(Db());
        if (handle == nullptr)
            return Failure{"記録ファイルを読み書きできません（SQLite がありません）"};
        return Failure{history_sql::PlainCause(sqlite3_extended_errcode(handle))};
    }
    if (Status s = st->Run("BEGIN IMMEDIATE"); !s) return s;
    const auto text = [](sqlite3_stmt *s, int at, const std::string &v) {
        sqlite3_bind_text(s, at, v.data(), static_cast<int>(v.size()), SQLITE_STATIC);
    };

    // A player who turns up after the first recorded month end joined while it was kept.
    int earliest = firstMonthWeek_;
    for (const MonthRow &m : batch.months)
        if (earliest < 0 || m.week < earliest) earliest = m.week;
    for (const PlayerRow &p : batch.players) {
        if (KnowsPlayer(p.key)) continue;
        const bool joined = newGame_ || (earliest >= 0 && earliest < p.firstWeek);
        sqlite3_bind_int64(st->player, 1, static_cast<sqlite3_int64>(p.key));
        text(st->player, 2, p.name);
        sqlite3_bind_int(st->player, 3, p.style);
        sqlite3_bind_int(st->player, 4, p.birthYear);
        sqlite3_bind_int(st->player, 5, p.firstWeek);
        sqlite3_bind_int(st->player, 6, joined ? 1 : 0);
        if (Status s = st->Step(st->player); !s) return s;
        playerIds_[p.key] = static_cast<int>(sqlite3_last_insert_rowid(st->db));
    }

    std::string key;
    for (const MessageRow &m : batch.messages) {
        key.assign(m.title).append(1, '\0').append(m.text);
        auto found = textIds_.find(key);
        if (found == textIds_.end()) {
            text(st->text, 1, m.title);
            text(st->text, 2, m.text);
            if (Status s = st->Step(st->text); !s) return s;
            found =
                textIds_.emplace(key, static_cast<int>(sqlite3_last_insert_rowid(st->db))).first;
        }
        sqlite3_bind_int(st->message, 1, m.week);
        sqlite3_bind_int(st->message, 2, static_cast<int>(m.kind));
        sqlite3_bind_int(st->message, 3, found->second);
        sqlite3_bind_int(st->message, 4, m.answer ? 1 : 0);
        if (Status s = st->Step(st->message); !s) return s;
        lastMessageId_ = static_cast<int>(sqlite3_last_insert_rowid(st->db));
    }

    std::string levels;
    for (const MonthRow &m : batch.months) {
        levels.clear();
        levels.reserve(m.players.size() * kLevelBytes);
        for (const MonthPlayer &p : m.players) {
            const auto id = playerIds_.find(p.key);
            if (id == playerIds_.end() || id->second > 0xFFFF) continue;
            levels += static_cast<char>(id->second & 0xFF);
            levels += static_cast<char>(id->second >> 8);
            levels += static_cast<char>(p.levels.condition);
            for (const std::uint8_t skill : p.levels.skills) levels += static_cast<char>(skill);
        }
        sqlite3_bind_int(st->month, 1, m.week);
        sqlite3_bind_blob(st->month, 2, levels.data(), static_cast<int>(levels.size()),
                          SQLITE_STATIC);
        if (Status s = st->Step(st->month); !s) return s;
    }
    firstMonthWeek_ = earliest;

    for (const SeasonRecord &r : batch.seasons)
        if (Status s = WriteSeason(*st, r); !s) return s;

    // How far the history was written: the week, and the last message kept in it.
    const std::pair<const char *, int> marks[] = {{"mark_week", markWeek},
                                                  {"mark_message", lastMessageId_}};
    for (const auto &[name, value] : marks) {
        sqlite3_bind_text(st->meta, 1, name, -1, SQLITE_STATIC);
        sqlite3_bind_int(st->meta, 2, value);
        if (Status s = st->Step(st->meta); !s) return s;
    }
    return st->Run("COMMIT");
}

Status HistoryStore::WriteSeason(const Statements &st, const SeasonRecord &r) {
    // Each row's values, bound in the order of its columns, then the row written.
    const auto row = [](sqlite3_stmt *s, std::initializer_list<std::int64_t> values) {
        int at = 0;
        for (const std::int64_t v : values) sqlite3_bind_int64(s, ++at, v);
        return at;
    };
    // A season settled again (a replayed year end) replaces the old one whole.
    for (sqlite3_stmt *drop : {st.dropResults, st.dropCompetitions, st.dropSquad}) {
        row(drop, {r.season});
        if (Status s = st.Step(drop); !s) return s;
    }
    const int summaryAt =
        row(st.season, {r.season, r.week, r.teamLevel, r.funds, r.money.budget,
                        r.money.sponsorIncome, r.money.penalties, r.money.salaries, r.prize}) +
        1;
    sqlite3_bind_text(st.season, summaryAt, r.summary.data(), static_cast<int>(r.summary.size()),
                      SQLITE_STATIC);
    if (Status s = st.Step(st.season); !s) return s;

    for (int c = 0; c < kCategories; ++c) {
        const CategoryResult &res = r.results[static_cast<std::size_t>(c)];
        row(st.result, {r.season, c, res.wins, res.losses, res.prize});
        if (Status s = st.Step(st.result); !s) return s;
    }
    for (const CompetitionResult &c : r.competitions) {
        if (c.competition == 0) continue;
        row(st.competition, {r.season, c.competition, c.best, c.titles});
        if (Status s = st.Step(st.competition); !s) return s;
    }
    for (std::size_t place = 0; place < r.squad.size(); ++place) {
        const SquadEntry &e = r.squad[place];
        const auto id = playerIds_.find(e.key);
        if (id == playerIds_.end()) continue;
        const auto &k = e.levels.skills;
        row(st.squad, {r.season, static_cast<std::int64_t>(place), id->second, e.age, e.style,
                       e.levels.condition, k[0], k[1], k[2], k[3], k[4], k[5], e.salary});
        if (Status s = st.Step(st.squad); !s) return s;
    }
    return {};
}

}  // namespace tk
