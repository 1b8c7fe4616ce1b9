// The history's tables, version by version. A store is brought up to the newest version on
// opening; each step only adds, so a migrated store keeps every row it had.
//
// Version 1: the messages.
//   meta(key, value)            team, origin_week, new_game, mark_week, mark_message
//   texts(id, title, body)      each distinct title and text once
//   messages(id, week, kind, text, answer)   kind 0 notice (older histories), 1 question,
//                                            2 report, 3 warning; answer 1 = "はい"
// Version 2: the club's seasons and the squad's months.
//   players(id, key, name, style, birth_year, first_week, joined)
//   months(week, levels)        levels: 9 bytes per player, his id (16 bits, little-endian),
//                               condition, スタミナ, パワー, 技術, 敏捷, ショット, ボレー
//   seasons(season, week, level, funds, budget, sponsor_income, penalties, salaries, prize,
//           summary)
//   season_results(season, category, wins, losses, prize)     this season's, categories 0..5
//   season_competitions(season, competition, best, titles)    best: furthest match code
//   season_squad(season, place, player, age, style, condition, six skills, salary)
#include <array>

#include <QSqlError>

#include "history/history_sql.h"

namespace tk::history_sql {

namespace {

const std::array<const char *, 3> kVersion1 = {
    "CREATE TABLE meta(key TEXT PRIMARY KEY, value)",
    "CREATE TABLE texts(id INTEGER PRIMARY KEY, title TEXT NOT NULL, body TEXT NOT NULL,"
    " UNIQUE(title, body))",
    "CREATE TABLE messages(id INTEGER PRIMARY KEY, week INTEGER NOT NULL,"
    " kind INTEGER NOT NULL, text INTEGER NOT NULL REFERENCES texts(id),"
    " answer INTEGER NOT NULL)",
};

const std::array<const char *, 6> kVersion2 = {
    "CREATE TABLE players(id INTEGER PRIMARY KEY, key INTEGER NOT NULL UNIQUE,"
    " name TEXT NOT NULL, style INTEGER NOT NULL, birth_year INTEGER NOT NULL,"
    " first_week INTEGER NOT NULL, joined INTEGER NOT NULL)",
    "CREATE TABLE months(week INTEGER PRIMARY KEY, levels BLOB NOT NULL)",
    "CREATE TABLE seasons(season INTEGER PRIMARY KEY, week INTEGER NOT NULL,"
    " level INTEGER NOT NULL, funds INTEGER NOT NULL, budget INTEGER NOT NULL,"
    " sponsor_income INTEGER NOT NULL, penalties INTEGER NOT NULL,"
    " salaries INTEGER NOT NULL, prize INTEGER NOT NULL, summary TEXT NOT NULL)",
    "CREATE TABLE season_results(season INTEGER NOT NULL, category INTEGER NOT NULL,"
    " wins INTEGER NOT NULL, losses INTEGER NOT NULL, prize INTEGER NOT NULL,"
    " PRIMARY KEY(season, category)) WITHOUT ROWID",
    "CREATE TABLE season_competitions(season INTEGER NOT NULL,"
    " competition INTEGER NOT NULL, best INTEGER NOT NULL, titles INTEGER NOT NULL,"
    " PRIMARY KEY(season, competition)) WITHOUT ROWID",
    "CREATE TABLE season_squad(season INTEGER NOT NULL, place INTEGER NOT NULL,"
    " player INTEGER NOT NULL REFERENCES players(id), age INTEGER NOT NULL,"
    " style INTEGER NOT NULL, condition INTEGER NOT NULL, stamina INTEGER NOT NULL,"
    " power INTEGER NOT NULL, technique INTEGER NOT NULL, agility INTEGER NOT NULL,"
    " shot INTEGER NOT NULL, volley INTEGER NOT NULL, salary INTEGER NOT NULL,"
    " PRIMARY KEY(season, place)) WITHOUT ROWID",
};

template <std::size_t N>
Status RunAll(QSqlQuery &q, const std::array<const char *, N> &statements) {
    for (const char *sql : statements)
        if (Status s = Exec(q, QString::fromLatin1(sql)); !s) return s;
    return {};
}

}  // namespace

Failure SqlFailure(const QSqlQuery &query) {
    return Failure{"記録ファイルを読み書きできません（" + query.lastError().text().toStdString() +
                   "）"};
}

Failure SqlFailure(const QSqlDatabase &db) {
    return Failure{"記録ファイルを開けません（" + db.lastError().text().toStdString() + "）"};
}

Status Exec(QSqlQuery &query, const QString &sql) {
    if (!query.exec(sql)) return SqlFailure(query);
    return {};
}

Status Exec(QSqlQuery &prepared) {
    if (!prepared.exec()) return SqlFailure(prepared);
    return {};
}

Status MigrateSchema(QSqlDatabase &db, int from, int to) {
    QSqlQuery q(db);
    if (from < 1 && to >= 1)
        if (Status s = RunAll(q, kVersion1); !s) return s;
    if (from < 2 && to >= 2)
        if (Status s = RunAll(q, kVersion2); !s) return s;
    return Exec(q, QStringLiteral("PRAGMA user_version = %1").arg(to));
}

}  // namespace tk::history_sql
