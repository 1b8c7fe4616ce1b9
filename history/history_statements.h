// The week's inserts of an open history, prepared once on SQLite's own handle.
#pragma once

#include <sqlite3.h>

#include <cstdio>

#include "core/state/result.h"
#include "history/history_sql.h"
#include "history/history_store.h"

namespace tk {

// The week's inserts straight on SQLite's handle, each prepared once for the life of the
// store: a long headless run writes thousands of rows at its end, and the game a few each
// week, so binding through Qt's generic parameters would cost more than SQLite itself.
struct HistoryStore::Statements {
    sqlite3 *db = nullptr;
    sqlite3_stmt *player = nullptr, *text = nullptr, *message = nullptr, *month = nullptr,
                 *meta = nullptr;
    // A season's settlement: its rows of a settlement replayed go first.
    sqlite3_stmt *dropResults = nullptr, *dropCompetitions = nullptr, *dropSquad = nullptr,
                 *season = nullptr, *result = nullptr, *competition = nullptr, *squad = nullptr;

    ~Statements() {
        for (sqlite3_stmt *s : {player, text, message, month, meta, dropResults, dropCompetitions,
                                dropSquad, season, result, competition, squad})
            sqlite3_finalize(s);
    }
    // The cause in the player's words; SQLite's own text goes to standard error.
    Failure Fail() const {
        std::fprintf(stderr, "tennis-kantoku: history: %s\n", sqlite3_errmsg(db));
        return Failure{history_sql::PlainCause(sqlite3_extended_errcode(db))};
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

}  // namespace tk
