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
#include <cstdio>

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

std::string PlainCause(const QSqlError &error) {
    return PlainCause(error.nativeErrorCode().toInt());
}

std::string PlainCause(int sqliteCode) {
    // SQLite's primary result codes, in the words the player reads elsewhere in the game.
    switch (sqliteCode & 0xFF) {
        case 3:   // SQLITE_PERM
        case 23:  // SQLITE_AUTH
            return "書き込み権限がありません";
        case 5:  // SQLITE_BUSY
        case 6:  // SQLITE_LOCKED
            return "ほかのテニス監督が使っています";
        case 7: return "メモリが足りません";                                 // SQLITE_NOMEM
        case 8: return "読み取り専用です";                                   // SQLITE_READONLY
        case 10: return "ディスクの読み書きに失敗しました";                  // SQLITE_IOERR
        case 11:                                                             // SQLITE_CORRUPT
        case 26: return "壊れています";                                      // SQLITE_NOTADB
        case 13: return "容量不足です";                                      // SQLITE_FULL
        case 14: return "開けません（フォルダがないか、権限がありません）";  // SQLITE_CANTOPEN
        default: return "中身が正しくありません";
    }
}

HistoryProblem ProblemOf(int sqliteCode) {
    switch (sqliteCode & 0xFF) {
        case 5:  // SQLITE_BUSY
        case 6:  // SQLITE_LOCKED
            return HistoryProblem::Locked;
        // A statement of ours that the file's tables cannot answer: not our history.
        case 1:   // SQLITE_ERROR
        case 11:  // SQLITE_CORRUPT
        case 19:  // SQLITE_CONSTRAINT: an insert of ours refused by what the file holds
        case 20:  // SQLITE_MISMATCH
        case 25:  // SQLITE_RANGE
        case 26:  // SQLITE_NOTADB
            return HistoryProblem::Damaged;
        default: return HistoryProblem::CannotOpen;
    }
}

namespace {

Failure Reported(const QSqlError &error) {
    std::fprintf(stderr, "tennis-kantoku: history: %s\n", error.text().toLocal8Bit().constData());
    return Failure{PlainCause(error)};
}

}  // namespace

Failure SqlFailure(const QSqlQuery &query) {
    return Reported(query.lastError());
}

Failure SqlFailure(const QSqlDatabase &db) {
    return Reported(db.lastError());
}

std::vector<std::pair<QString, QStringList>> RequiredTables(int version) {
    // The columns the statements above create, in their order.
    const std::pair<int, const char *> tables[] = {
        {1, "meta key value"},
        {1, "texts id title body"},
        {1, "messages id week kind text answer"},
        {2, "players id key name style birth_year first_week joined"},
        {2, "months week levels"},
        {2,
         "seasons season week level funds budget sponsor_income penalties salaries prize "
         "summary"},
        {2, "season_results season category wins losses prize"},
        {2, "season_competitions season competition best titles"},
        {2,
         "season_squad season place player age style condition stamina power technique "
         "agility shot volley salary"},
    };
    std::vector<std::pair<QString, QStringList>> out;
    for (const auto &[since, names] : tables) {
        if (version < since) continue;
        QStringList columns = QString::fromLatin1(names).split(QLatin1Char(' '));
        const QString table = columns.takeFirst();
        out.emplace_back(table, columns);
    }
    return out;
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
