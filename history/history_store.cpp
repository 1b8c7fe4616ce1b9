// Opening a slot's history safely, bringing its schema up to date, and writing a week.
#include "history/history_store.h"

#include <sqlite3.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <utility>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <QVariant>

#include "history/history_sql.h"
#include "storage/file_checks.h"
#include "storage/plain_reasons.h"
#include "storage/save_store.h"

namespace tk {

using history_sql::Exec;
using history_sql::SqlFailure;

namespace {

constexpr int kLevelBytes = 9;  // player id (2), condition, six skills

// SQLite's primary result codes that tell why a file could not be used.
constexpr int kError = 1, kBusy = 5, kLocked = 6, kCorrupt = 11, kMismatch = 20, kRange = 25,
              kNotADatabase = 26;

HistoryProblem ProblemOf(const QSqlError &error) {
    switch (error.nativeErrorCode().toInt() & 0xFF) {
        case kBusy:
        case kLocked: return HistoryProblem::Locked;
        // A statement of ours that the file's tables cannot answer: not our history.
        case kError:
        case kMismatch:
        case kRange:
        case kCorrupt:
        case kNotADatabase: return HistoryProblem::Damaged;
        default: return HistoryProblem::CannotOpen;
    }
}

std::string Shown(const QString &path) {
    return QDir::toNativeSeparators(path).toStdString();
}

// A cause ("容量不足です") with the file it concerns; reasons that say more pass as they are.
std::string Named(const char *what, const QString &path, const std::string &reason) {
    if (reason.rfind("記録ファイル", 0) == 0) return reason;
    return std::string(what) + "（" + Shown(path) + "：" + reason + "）";
}

// Where an unusable history is kept aside before a fresh one replaces it (one generation).
QString KeptAsidePath(const QString &path) {
    // Save<N>.Kumo.history -> Save<N>.Kumo.history.old (kHistoryKeptSuffix)
    return path + QStringLiteral(".old");
}

// The history and its journal are used only when they are plain files (or do not exist):
// never through a symbolic link, never a folder or a device.
bool PlainOrMissing(const QString &path) {
    return !QFileInfo(path).isSymLink() && CheckFile(path).State != FileState::Unusable;
}

QString JournalPath(const QString &path) {
    return path + QStringLiteral("-journal");
}

QVariant Int(std::int64_t v) {
    return QVariant(static_cast<qlonglong>(v));
}

// One value of the meta table, set or replaced.
Status WriteMeta(const QSqlDatabase &db, const char *key, const QVariant &value) {
    QSqlQuery meta(db);
    meta.prepare(QStringLiteral("INSERT OR REPLACE INTO meta(key, value) VALUES('%1', ?)")
                     .arg(QLatin1String(key)));
    meta.addBindValue(value);
    return Exec(meta);
}

// How far the history was written: the week, and the last message kept in it.
Status WriteMark(const QSqlDatabase &db, int week, int lastMessage) {
    if (Status s = WriteMeta(db, "mark_week", week); !s) return s;
    return WriteMeta(db, "mark_message", lastMessage);
}

}  // namespace

HistoryStore::HistoryStore(const QString &path)
    : path_(path),
      // One connection per open store: its address is unique while it lives.
      connection_(QStringLiteral("tk-history-%1").arg(reinterpret_cast<quintptr>(this), 0, 16)) {}

HistoryStore::~HistoryStore() {
    statements_.reset();  // before the connection closes
    {
        QSqlDatabase db = QSqlDatabase::database(connection_, false);
        if (db.isOpen()) db.close();
    }
    QSqlDatabase::removeDatabase(connection_);
}

QSqlDatabase HistoryStore::Db() const {
    return QSqlDatabase::database(connection_, false);
}

HistoryStore::Opened HistoryStore::Open(const QString &path, const HistoryOwner &owner) {
    return Connect(path, &owner);
}

HistoryStore::Opened HistoryStore::OpenToRead(const QString &path) {
    if (QFileInfo(path).isFile() && !QFileInfo(path).isSymLink()) return Connect(path, nullptr);
    Opened out = Connect(path, nullptr);  // says why a link or a folder is not read
    if (out.problem == HistoryProblem::None) out.problem = HistoryProblem::CannotOpen;
    if (out.reason.empty())
        out.reason =
            "記録ファイルがありません（" + QDir::toNativeSeparators(path).toStdString() + "）";
    return out;
}

HistoryStore::Opened HistoryStore::Connect(const QString &path, const HistoryOwner *owner) {
    Opened out;
    if (!PlainOrMissing(path) || !PlainOrMissing(JournalPath(path))) {
        out.problem = HistoryProblem::NotAFile;
        out.reason = "記録ファイルが普通のファイルではありません（" +
                     QDir::toNativeSeparators(path).toStdString() + "）";
        return out;
    }
    const QFileInfo info(path);
    const bool existed = info.exists() && info.size() > 0;
    if (owner == nullptr && !info.exists()) return out;
    std::unique_ptr<HistoryStore> store(new HistoryStore(path));
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), store->connection_);
        db.setDatabaseName(path);
        // Another copy of the game holding the file answers at once instead of after a wait.
        db.setConnectOptions(owner != nullptr
                                 ? QStringLiteral("QSQLITE_BUSY_TIMEOUT=0")
                                 : QStringLiteral("QSQLITE_BUSY_TIMEOUT=0;QSQLITE_OPEN_READONLY"));
        if (!db.open()) {
            out.problem = HistoryProblem::CannotOpen;
            out.reason = Named("記録ファイルを開けません", path, SqlFailure(db).Reason);
            return out;
        }
    }
    HistoryProblem problem = HistoryProblem::CannotOpen;
    bool created = !existed;
    if (Status s = store->Prepare(owner, created, problem); !s) {
        out.problem = problem;
        out.reason = Named("記録ファイルを読めません", path, s.Reason());
        return out;
    }
    out.created = created;
    out.store = std::move(store);
    return out;
}

HistoryStore::Opened HistoryStore::StartAfresh(const QString &path, const HistoryOwner &owner) {
    Opened out;
    if (!PlainOrMissing(path) || !PlainOrMissing(JournalPath(path))) {
        out.problem = HistoryProblem::NotAFile;
        out.reason = "記録ファイルが普通のファイルではありません（" + Shown(path) + "）";
        return out;
    }
    // A history in use by another copy is never moved: looking at it only reads.
    if (Opened probe = Connect(path, nullptr); probe.problem == HistoryProblem::Locked)
        return probe;
    // Nothing is thrown away: the old history (and its journal, which belongs to it) is kept
    // aside as Save<N>.Kumo.history.old in place of the one kept before.
    const QString aside = KeptAsidePath(path);
    if (!PlainOrMissing(aside) || !PlainOrMissing(JournalPath(aside))) {
        out.problem = HistoryProblem::NotAFile;
        out.reason = "記録ファイルが普通のファイルではありません（" + Shown(aside) + "）";
        return out;
    }
    for (const auto &[from, to] :
         {std::pair{path, aside}, {JournalPath(path), JournalPath(aside)}}) {
        if (QFileInfo::exists(from)) {
            if (std::rename(QFile::encodeName(from).constData(),
                            QFile::encodeName(to).constData()) != 0) {
                out.problem = HistoryProblem::CannotOpen;
                out.reason =
                    "記録ファイルを残せません（" + Shown(from) + "：" + PlainError(errno) + "）";
                return out;
            }
        } else {
            (void)QFile::remove(to);  // a journal of the old history kept before
        }
    }
    return Open(path, owner);
}

Status HistoryStore::Prepare(const HistoryOwner *owner, bool &created, HistoryProblem &problem) {
    QSqlDatabase db = Db();
    QSqlQuery q(db);
    auto fail = [&](const QSqlQuery &failed) {
        problem = ProblemOf(failed.lastError());
        Status s = SqlFailure(failed);
        if (problem == HistoryProblem::Locked)
            s = Failure{"記録ファイルはほかのテニス監督が使っています"};
        else if (problem == HistoryProblem::Damaged)
            s = Failure{"記録ファイルが壊れています（" + Shown(path_) + "）"};
        return s;
    };
    auto run = [&](const QString &sql) { return q.exec(sql); };

    // The lock is kept from the first write until the store is closed.
    if (owner != nullptr && !run(QStringLiteral("PRAGMA locking_mode = EXCLUSIVE"))) return fail(q);
    if (!run(QStringLiteral("PRAGMA user_version")) || !q.next()) return fail(q);
    const int version = q.value(0).toInt();
    if (version > kSchemaVersion) {
        problem = HistoryProblem::Newer;
        return Failure{"記録ファイルは新しい版のテニス監督で書かれています"};
    }
    if (version == 0) {
        // An empty database is a new history; anything else without our version is not ours.
        if (!run(QStringLiteral("SELECT count(*) FROM sqlite_master")) || !q.next()) return fail(q);
        if (q.value(0).toInt() != 0) {
            problem = HistoryProblem::Damaged;
            return Failure{"記録ファイルではないデータベースです"};
        }
        created = true;
    } else {
        if (!run(QStringLiteral("PRAGMA quick_check")) || !q.next()) return fail(q);
        if (q.value(0).toString() != QLatin1String("ok")) {
            std::fprintf(stderr, "tennis-kantoku: history: %s\n",
                         q.value(0).toString().toLocal8Bit().constData());
            problem = HistoryProblem::Damaged;
            return Failure{"記録ファイルが壊れています（" + Shown(path_) + "）"};
        }
        // The schema number alone does not make a history: every table of it must be there.
        if (!run(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table'")))
            return fail(q);
        QStringList tables;
        while (q.next()) tables << q.value(0).toString();
        for (const auto &[table, columns] :
             history_sql::RequiredTables(std::min(version, kSchemaVersion))) {
            QStringList found;
            if (tables.contains(table)) {
                if (!run(QStringLiteral("PRAGMA table_info(%1)").arg(table))) return fail(q);
                while (q.next()) found << q.value(1).toString();
            }
            // A table of another shape would refuse the first week's write, not the opening.
            if (found != columns) {
                problem = HistoryProblem::Damaged;
                return Failure{"記録ファイルの表が正しくありません（" + Shown(path_) + "：" +
                               table.toStdString() + "）"};
            }
        }
    }
    if (owner == nullptr) {
        // Reading only: an older schema is read as it is (its later tables are empty).
        if (version < kSchemaVersion) {
            problem = HistoryProblem::CannotOpen;
            return Failure{"記録ファイルは古い版のものです。一度ゲームで開いてください"};
        }
        if (Status s = ReadMeta(); !s) return s;
        return LoadIds();
    }
    if (!run(QStringLiteral("PRAGMA journal_mode = DELETE")) ||
        !run(QStringLiteral("PRAGMA synchronous = FULL")) ||
        !run(QStringLiteral("BEGIN IMMEDIATE")))
        return fail(q);

    auto rollback = [&](Status s) {
        q.exec(QStringLiteral("ROLLBACK"));
        return s;
    };
    if (Status s = history_sql::MigrateSchema(db, version, kSchemaVersion); !s) {
        problem = HistoryProblem::CannotOpen;
        return rollback(s);
    }
    // From here a statement that fails finds tables that are not what this game wrote.
    problem = HistoryProblem::Damaged;
    QSqlQuery meta(db);
    if (!created) {
        if (Status s = ReadMeta(); !s) return rollback(s);
        if (owner->newGame) {
            // The history of an earlier game in this slot: the new game starts its own.
            for (const char *table : {"messages", "texts", "players", "months", "seasons",
                                      "season_results", "season_competitions", "season_squad"})
                if (Status s = Exec(q, QStringLiteral("DELETE FROM %1").arg(QLatin1String(table)));
                    !s)
                    return rollback(s);
            created = true;
        } else if (team_ != owner->team) {
            problem = HistoryProblem::OtherTeam;
            return rollback(Failure{"記録ファイルはほかのチーム（" + team_ + "）のものです"});
        }
    }
    if (created) {
        team_ = owner->team;
        originWeek_ = owner->week;
        newGame_ = owner->newGame;
        const std::pair<const char *, QVariant> values[] = {
            {"team", QString::fromStdString(owner->team)},
            {"origin_week", owner->week},
            {"new_game", owner->newGame ? 1 : 0},
        };
        for (const auto &[key, value] : values)
            if (Status s = WriteMeta(db, key, value); !s) return rollback(s);
    }

    // What was recorded after the loaded game's week is replayed: drop it. Messages of the
    // week itself stay when the history was closed in that week (they came before the save).
    const int week = owner->week;
    int markWeek = week, markMessage = 0;
    if (meta.exec(QStringLiteral("SELECT key, value FROM meta WHERE key LIKE 'mark_%'"))) {
        while (meta.next()) {
            if (meta.value(0).toString() == QLatin1String("mark_week"))
                markWeek = meta.value(1).toInt();
            else
                markMessage = meta.value(1).toInt();
        }
    }
    const int keep = markWeek <= week ? markMessage : 0;
    const QString w = QString::number(week);
    const QString drops[] = {
        QStringLiteral("DELETE FROM messages WHERE week > %1 OR (week = %1 AND id > %2)")
            .arg(w)
            .arg(keep),
        QStringLiteral("DELETE FROM months WHERE week >= %1").arg(w),
        QStringLiteral("DELETE FROM season_results WHERE season IN"
                       " (SELECT season FROM seasons WHERE week >= %1)")
            .arg(w),
        QStringLiteral("DELETE FROM season_competitions WHERE season IN"
                       " (SELECT season FROM seasons WHERE week >= %1)")
            .arg(w),
        QStringLiteral("DELETE FROM season_squad WHERE season IN"
                       " (SELECT season FROM seasons WHERE week >= %1)")
            .arg(w),
        QStringLiteral("DELETE FROM seasons WHERE week >= %1").arg(w),
        QStringLiteral("DELETE FROM players WHERE first_week >= %1").arg(w),
    };
    for (const QString &sql : drops)
        if (Status s = Exec(q, sql); !s) return rollback(s);
    if (Status s = LoadIds(); !s) return rollback(s);
    if (Status s = WriteMark(db, week, lastMessageId_); !s) return rollback(s);
    if (!run(QStringLiteral("COMMIT"))) return rollback(fail(q));
    return {};
}

Status HistoryStore::ReadMeta() {
    QSqlQuery meta(Db());
    if (!meta.exec(QStringLiteral("SELECT key, value FROM meta"))) return SqlFailure(meta);
    while (meta.next()) {
        const QString key = meta.value(0).toString();
        if (key == QLatin1String("team")) team_ = meta.value(1).toString().toStdString();
        if (key == QLatin1String("origin_week")) originWeek_ = meta.value(1).toInt();
        if (key == QLatin1String("new_game")) newGame_ = meta.value(1).toInt() != 0;
    }
    return {};
}

Status HistoryStore::LoadIds() {
    QSqlQuery q(Db());
    playerIds_.clear();
    textIds_.clear();
    if (!q.exec(QStringLiteral("SELECT id, key FROM players"))) return SqlFailure(q);
    while (q.next())
        playerIds_[static_cast<PlayerKey>(q.value(1).toLongLong())] = q.value(0).toInt();
    if (!q.exec(QStringLiteral("SELECT id, title, body FROM texts"))) return SqlFailure(q);
    while (q.next()) {
        const std::string key =
            q.value(1).toString().toStdString() + '\0' + q.value(2).toString().toStdString();
        textIds_[key] = q.value(0).toInt();
    }
    if (!q.exec(QStringLiteral("SELECT coalesce(max(id), 0) FROM messages")) || !q.next())
        return SqlFailure(q);
    lastMessageId_ = q.value(0).toInt();
    if (!q.exec(QStringLiteral("SELECT coalesce(min(week), -1) FROM months")) || !q.next())
        return SqlFailure(q);
    firstMonthWeek_ = q.value(0).toInt();
    return {};
}

Status HistoryStore::Write(const HistoryBatch &batch, int markWeek) {
    if (broken_) return Failure{"記録ファイルへの書き込みは止めてあります"};
    Status s = WriteRows(batch, markWeek);
    if (!s) {
        QSqlQuery(Db()).exec(QStringLiteral("ROLLBACK"));
        // The ids handed out inside the failed transaction are gone with it.
        broken_ = true;
        return Failure{Named("記録ファイルに書き込めません", path_, s.Reason())};
    }
    return s;
}

// The week's inserts straight on SQLite's handle, each prepared once for the life of the
// store: a long headless run writes thousands of rows at its end, and the game a few each
// week, so binding through Qt's generic parameters would cost more than SQLite itself.
struct HistoryStore::Statements {
    sqlite3 *db = nullptr;
    sqlite3_stmt *player = nullptr, *text = nullptr, *message = nullptr, *month = nullptr,
                 *meta = nullptr;

    ~Statements() {
        for (sqlite3_stmt *s : {player, text, message, month, meta}) sqlite3_finalize(s);
    }
    Failure Fail() const {
        return Failure{"記録ファイルを読み書きできません（" + std::string(sqlite3_errmsg(db)) +
                       "）"};
    }
    // Runs a statement whose values are bound, and makes it ready for the next ones.
    Status Step(sqlite3_stmt *s) const {
        const int done = sqlite3_step(s);
        sqlite3_reset(s);
        sqlite3_clear_bindings(s);
        if (done != SQLITE_DONE) return Fail();
        return {};
    }
    Status Run(const char *sql) const {
        if (sqlite3_exec(db, sql, nullptr, nullptr, nullptr) != SQLITE_OK) return Fail();
        return {};
    }
};

HistoryStore::Statements *HistoryStore::Prepared() {
    if (statements_) return statements_.get();
    const QVariant handle = Db().driver()->handle();
    if (!handle.isValid() || qstrcmp(handle.typeName(), "sqlite3*") != 0) return nullptr;
    auto made = std::make_unique<Statements>();
    made->db = *static_cast<sqlite3 *const *>(handle.constData());
    const std::pair<sqlite3_stmt **, const char *> all[] = {
        {&made->player,
         "INSERT INTO players(key, name, style, birth_year, first_week, joined)"
         " VALUES(?, ?, ?, ?, ?, ?)"},
        {&made->text, "INSERT INTO texts(title, body) VALUES(?, ?)"},
        {&made->message, "INSERT INTO messages(week, kind, text, answer) VALUES(?, ?, ?, ?)"},
        {&made->month, "INSERT OR REPLACE INTO months(week, levels) VALUES(?, ?)"},
        {&made->meta, "INSERT OR REPLACE INTO meta(key, value) VALUES(?, ?)"},
    };
    for (const auto &[statement, sql] : all)
        if (sqlite3_prepare_v3(made->db, sql, -1, SQLITE_PREPARE_PERSISTENT, statement, nullptr) !=
            SQLITE_OK)
            return nullptr;
    statements_ = std::move(made);
    return statements_.get();
}

Status HistoryStore::WriteRows(const HistoryBatch &batch, int markWeek) {
    Statements *st = Prepared();
    if (st == nullptr) return Failure{"記録ファイルを読み書きできません（SQLite がありません）"};
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
        if (Status s = WriteSeason(r); !s) return s;

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

Status HistoryStore::WriteSeason(const SeasonRecord &r) {
    QSqlDatabase db = Db();
    QSqlQuery q(db);
    const QString season = QString::number(r.season);
    // A season settled again (a replayed year end) replaces the old one whole.
    for (const char *table : {"season_results", "season_competitions", "season_squad"})
        if (Status s = Exec(q, QStringLiteral("DELETE FROM %1 WHERE season = %2")
                                   .arg(QLatin1String(table), season));
            !s)
            return s;
    q.prepare(QStringLiteral(
        "INSERT OR REPLACE INTO seasons(season, week, level, funds, budget, sponsor_income,"
        " penalties, salaries, prize, summary) VALUES(?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
    for (const QVariant &v :
         {QVariant(r.season), QVariant(r.week), QVariant(r.teamLevel), Int(r.funds),
          Int(r.money.budget), Int(r.money.sponsorIncome), Int(r.money.penalties),
          Int(r.money.salaries), Int(r.prize), QVariant(QString::fromStdString(r.summary))})
        q.addBindValue(v);
    if (Status s = Exec(q); !s) return s;

    q.prepare(QStringLiteral("INSERT INTO season_results VALUES(?, ?, ?, ?, ?)"));
    for (int c = 0; c < kCategories; ++c) {
        const CategoryResult &res = r.results[static_cast<std::size_t>(c)];
        for (const QVariant &v : {QVariant(r.season), QVariant(c), QVariant(res.wins),
                                  QVariant(res.losses), Int(res.prize)})
            q.addBindValue(v);
        if (Status s = Exec(q); !s) return s;
    }
    q.prepare(QStringLiteral("INSERT INTO season_competitions VALUES(?, ?, ?, ?)"));
    for (const CompetitionResult &c : r.competitions) {
        if (c.competition == 0) continue;
        for (const int v : {r.season, c.competition, c.best, c.titles}) q.addBindValue(v);
        if (Status s = Exec(q); !s) return s;
    }
    q.prepare(
        QStringLiteral("INSERT INTO season_squad VALUES(?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
    for (std::size_t place = 0; place < r.squad.size(); ++place) {
        const SquadEntry &e = r.squad[place];
        const auto id = playerIds_.find(e.key);
        if (id == playerIds_.end()) continue;
        for (const int v : {r.season, static_cast<int>(place), id->second, e.age, e.style,
                            int{e.levels.condition}})
            q.addBindValue(v);
        for (const std::uint8_t skill : e.levels.skills) q.addBindValue(int{skill});
        q.addBindValue(Int(e.salary));
        if (Status s = Exec(q); !s) return s;
    }
    return {};
}

}  // namespace tk
