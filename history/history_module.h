// The entry points of the history module: the store's three ways of opening, as the module
// hands them to the game.
#pragma once

#include "history/history_store.h"

namespace tk {

struct HistoryModuleEntry {
    HistoryStore::Opened (*open)(const QString &path, const HistoryOwner &owner);
    HistoryStore::Opened (*openToRead)(const QString &path);
    HistoryStore::Opened (*startAfresh)(const QString &path, const HistoryOwner &owner);
};

inline constexpr const char *kHistoryModule = "tennis-kantoku-history";
inline constexpr const char *kHistoryModuleSymbol = "tk_history_module";
using HistoryModuleFunction = const HistoryModuleEntry *(*)();

}  // namespace tk
