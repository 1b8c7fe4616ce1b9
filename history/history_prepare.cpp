// Checking an opened history, bringing its schema up to date, and dropping the weeks that
// the loaded game will play again.
#include "history/history_store.h"

#include <algorithm>
#include <cstdio>
#include <utility>

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <QVariant>

#include "history/history_sql.h"

namespace tk {

using history_sql::Exec;
using history_sql::Shown;
using history_sql::SqlFailure;

namespace {

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

Status HistoryStore::Prepare(const HistoryOwner *owner, bool &created, HistoryProblem &problem) {
    QSqlDatabase db = Db();
    QSqlQuery q(db);
    auto fail = [&](const QSqlQuery &failed) {
        problem = history_sql::ProblemOf(failed.lastError().nativeErrorCode().toInt());
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
        if (!run(QStringLiteral("SELECT type, name FROM sqlite_master"))) return fail(q);
        QStringList tables;
        while (q.next()) {
            // The game writes no triggers: one would run its own statements at every write.
            if (q.value(0).toString() == QLatin1String("trigger")) {
                problem = HistoryProblem::Damaged;
                return Failure{"記録ファイルの表が正しくありません（" + Shown(path_) + "）"};
            }
            if (q.value(0).toString() == QLatin1String("table")) tables << q.value(1).toString();
        }
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

}  // namespace tk
