// What the history's files share inside: running a statement with its failure as a value,
// and the schema with its migrations.
#pragma once

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>

#include "core/state/result.h"

namespace tk::history_sql {

// The reason of a failed statement, in the player's words with SQLite's behind it.
Failure SqlFailure(const QSqlQuery &query);
Failure SqlFailure(const QSqlDatabase &db);

// Runs one statement; a failure names what went wrong.
Status Exec(QSqlQuery &query, const QString &sql);
Status Exec(QSqlQuery &prepared);

// Brings the schema from version `from` to version `to` (0 = an empty database) inside the
// caller's transaction, and sets PRAGMA user_version.
Status MigrateSchema(QSqlDatabase &db, int from, int to);

}  // namespace tk::history_sql
