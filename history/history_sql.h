// What the history's files share inside: running a statement with its failure as a value,
// and the schema with its migrations.
#pragma once

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QString>
#include <QStringList>

#include <string>
#include <utility>
#include <vector>

#include "core/state/result.h"
#include "history/history_store.h"

namespace tk::history_sql {

// The cause of a failed statement in the player's words ("容量不足です"); SQLite's own text
// goes to standard error for a bug report, never to the player.
Failure SqlFailure(const QSqlQuery &query);
Failure SqlFailure(const QSqlDatabase &db);
std::string PlainCause(const QSqlError &error);
std::string PlainCause(int sqliteCode);
// What a failed statement says about the file: Damaged when the file is not what the game
// wrote (a fresh start may help), Locked when another copy holds it, else CannotOpen.
HistoryProblem ProblemOf(int sqliteCode);

// A path as the player's system writes it.
std::string Shown(const QString &path);
// A cause ("容量不足です") with the file it concerns; reasons that say more pass as they are.
std::string Named(const char *what, const QString &path, const std::string &reason);

// The tables a history of this schema version holds, each with its columns in order.
std::vector<std::pair<QString, QStringList>> RequiredTables(int version);

// Runs one statement; a failure names what went wrong.
Status Exec(QSqlQuery &query, const QString &sql);
Status Exec(QSqlQuery &prepared);

// Brings the schema from version `from` to version `to` (0 = an empty database) inside the
// caller's transaction, and sets PRAGMA user_version.
Status MigrateSchema(QSqlDatabase &db, int from, int to);

}  // namespace tk::history_sql
