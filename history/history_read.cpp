// Reading a slot's history back for the records screens and the save tool.
#include <map>

#include <QByteArray>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QVariant>

#include "history/history_store.h"

namespace tk {

namespace {

constexpr int kLevelBytes = 9;

// Calls fn(id, levels) for every player entry of a month's levels.
template <class F>
void ForEachLevels(const QByteArray &levels, F &&fn) {
    const auto *b = reinterpret_cast<const std::uint8_t *>(levels.constData());
    for (qsizetype at = 0; at + kLevelBytes <= levels.size(); at += kLevelBytes) {
        SkillLevels l;
        l.condition = b[at + 2];
        for (std::size_t k = 0; k < l.skills.size(); ++k) l.skills[k] = b[at + 3 + k];
        fn(b[at] | (b[at + 1] << 8), l);
    }
}

std::string Text(const QSqlQuery &q, int column) {
    return q.value(column).toString().toStdString();
}

}  // namespace

std::vector<MessageRow> HistoryStore::Messages() const {
    std::vector<MessageRow> out;
    QSqlQuery q(Db());
    q.setForwardOnly(true);
    if (!q.exec(QStringLiteral("SELECT m.week, m.kind, t.title, t.body, m.answer FROM messages m"
                               " JOIN texts t ON t.id = m.text ORDER BY m.id DESC")))
        return out;
    while (q.next()) {
        out.push_back({q.value(0).toInt(), MessageKindOf(q.value(1).toInt()), Text(q, 2),
                       Text(q, 3), q.value(4).toInt() != 0});
    }
    return out;
}

std::vector<SeasonRecord> HistoryStore::Seasons() const {
    std::vector<SeasonRecord> out;
    std::map<int, std::size_t> index;  // season -> place in out
    QSqlQuery q(Db());
    q.setForwardOnly(true);
    if (!q.exec(QStringLiteral("SELECT season, week, level, funds, budget, sponsor_income,"
                               " penalties, salaries, prize, summary FROM seasons"
                               " ORDER BY season DESC")))
        return out;
    while (q.next()) {
        SeasonRecord r;
        r.season = q.value(0).toInt();
        r.week = q.value(1).toInt();
        r.teamLevel = q.value(2).toInt();
        r.funds = q.value(3).toLongLong();
        r.money = {q.value(4).toLongLong(), q.value(5).toLongLong(), q.value(6).toLongLong(),
                   q.value(7).toLongLong()};
        r.prize = q.value(8).toLongLong();
        r.summary = Text(q, 9);
        index[r.season] = out.size();
        out.push_back(std::move(r));
    }
    auto season = [&](int s) -> SeasonRecord * {
        const auto found = index.find(s);
        return found == index.end() ? nullptr : &out[found->second];
    };
    if (q.exec(
            QStringLiteral("SELECT season, category, wins, losses, prize FROM season_results"))) {
        while (q.next()) {
            SeasonRecord *r = season(q.value(0).toInt());
            const int c = q.value(1).toInt();
            if (r == nullptr || c < 0 || c >= kCategories) continue;
            r->results[static_cast<std::size_t>(c)] = {q.value(2).toInt(), q.value(3).toInt(),
                                                       q.value(4).toLongLong()};
        }
    }
    if (q.exec(
            QStringLiteral("SELECT season, competition, best, titles FROM season_competitions"))) {
        while (q.next()) {
            SeasonRecord *r = season(q.value(0).toInt());
            const int competition = q.value(1).toInt();
            for (std::size_t i = 0; r != nullptr && i < kCompetitions.size(); ++i)
                if (kCompetitions[i] == competition)
                    r->competitions[i] = {competition, q.value(2).toInt(), q.value(3).toInt()};
        }
    }
    if (q.exec(QStringLiteral(
            "SELECT q.season, p.key, p.name, q.age, q.style, q.condition, q.stamina, q.power,"
            " q.technique, q.agility, q.shot, q.volley, q.salary FROM season_squad q"
            " JOIN players p ON p.id = q.player ORDER BY q.season, q.place"))) {
        while (q.next()) {
            SeasonRecord *r = season(q.value(0).toInt());
            if (r == nullptr) continue;
            SquadEntry e;
            e.key = static_cast<PlayerKey>(q.value(1).toLongLong());
            e.name = Text(q, 2);
            e.age = q.value(3).toInt();
            e.style = q.value(4).toInt();
            e.levels.condition = static_cast<std::uint8_t>(q.value(5).toInt());
            for (int k = 0; k < 6; ++k)
                e.levels.skills[static_cast<std::size_t>(k)] =
                    static_cast<std::uint8_t>(q.value(6 + k).toInt());
            e.salary = static_cast<std::int32_t>(q.value(12).toLongLong());
            r->squad.push_back(std::move(e));
        }
    }
    return out;
}

std::string HistoryStore::LatestSummary() const {
    QSqlQuery q(Db());
    if (!q.exec(QStringLiteral("SELECT summary FROM seasons ORDER BY season DESC LIMIT 1")) ||
        !q.next())
        return {};
    return Text(q, 0);
}

std::vector<PlayerRow> HistoryStore::Players() const {
    std::vector<PlayerRow> out;
    std::map<int, std::size_t> index;  // id -> place in out
    QSqlQuery q(Db());
    q.setForwardOnly(true);
    if (!q.exec(QStringLiteral("SELECT id, key, name, style, birth_year, first_week, joined"
                               " FROM players ORDER BY first_week, id")))
        return out;
    while (q.next()) {
        PlayerRow p;
        p.key = static_cast<PlayerKey>(q.value(1).toLongLong());
        p.name = Text(q, 2);
        p.style = q.value(3).toInt();
        p.birthYear = q.value(4).toInt();
        p.firstWeek = q.value(5).toInt();
        p.joined = q.value(6).toInt() != 0;
        p.lastWeek = p.firstWeek;
        index[q.value(0).toInt()] = out.size();
        out.push_back(std::move(p));
    }
    if (q.exec(QStringLiteral("SELECT week, levels FROM months ORDER BY week"))) {
        while (q.next()) {
            const int week = q.value(0).toInt();
            ForEachLevels(q.value(1).toByteArray(), [&](int id, const SkillLevels &) {
                const auto found = index.find(id);
                if (found != index.end()) out[found->second].lastWeek = week;
            });
        }
    }
    return out;
}

std::optional<PlayerRow> HistoryStore::Player(PlayerKey key) const {
    QSqlQuery q(Db());
    q.prepare(
        QStringLiteral("SELECT name, style, birth_year, first_week, joined FROM players"
                       " WHERE key = ?"));
    q.addBindValue(static_cast<qlonglong>(key));
    if (!q.exec() || !q.next()) return std::nullopt;
    PlayerRow p;
    p.key = key;
    p.name = Text(q, 0);
    p.style = q.value(1).toInt();
    p.birthYear = q.value(2).toInt();
    p.firstWeek = q.value(3).toInt();
    p.joined = q.value(4).toInt() != 0;
    return p;
}

std::vector<CurvePoint> HistoryStore::Curve(PlayerKey key) const {
    std::vector<CurvePoint> out;
    const auto id = playerIds_.find(key);
    if (id == playerIds_.end()) return out;
    QSqlQuery q(Db());
    q.setForwardOnly(true);
    if (!q.exec(QStringLiteral("SELECT week, levels FROM months ORDER BY week"))) return out;
    while (q.next()) {
        const int week = q.value(0).toInt();
        ForEachLevels(q.value(1).toByteArray(), [&](int entry, const SkillLevels &levels) {
            if (entry == id->second) out.push_back({week, levels});
        });
    }
    return out;
}

}  // namespace tk
