// Inside the history module: hands the store's ways of opening to the game.
#include <QtGlobal>

#include "history/history_module.h"

extern "C" Q_DECL_EXPORT const tk::HistoryModuleEntry *tk_history_module() {
    static const tk::HistoryModuleEntry entry{
        &tk::HistoryStore::Open, &tk::HistoryStore::OpenToRead, &tk::HistoryStore::StartAfresh};
    return &entry;
}
