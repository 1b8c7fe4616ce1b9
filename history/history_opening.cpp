// In the game: opening a history opens the history module first (once), and the history's
// file name beside its slot.
#include <QDir>

#include "history/history_module.h"
#include "storage/game_modules.h"
#include "storage/save_store.h"

namespace tk {
namespace {

// The module's entry points; null with the reason when it cannot be opened.
const HistoryModuleEntry *Module(std::string *why) {
    static QString reason;
    static const HistoryModuleEntry *const entry = [] {
        auto function = reinterpret_cast<HistoryModuleFunction>(
            GameModuleSymbol(kHistoryModule, kHistoryModuleSymbol, &reason));
        return function != nullptr ? function() : nullptr;
    }();
    if (entry == nullptr) *why = "記録の部品を読み込めません（" + reason.toStdString() + "）";
    return entry;
}

HistoryStore::Opened Missing(const std::string &why) {
    HistoryStore::Opened out;
    out.problem = HistoryProblem::CannotOpen;
    out.reason = why;
    return out;
}

}  // namespace

QString HistoryPath(const SaveStore &store, int slot) {
    return store.SidePath(slot, QString::fromLatin1(kHistorySuffix));
}

HistoryStore::Opened HistoryStore::Open(const QString &path, const HistoryOwner &owner) {
    std::string why;
    const HistoryModuleEntry *module = Module(&why);
    return module != nullptr ? module->open(path, owner) : Missing(why);
}

HistoryStore::Opened HistoryStore::OpenToRead(const QString &path) {
    std::string why;
    const HistoryModuleEntry *module = Module(&why);
    return module != nullptr ? module->openToRead(path) : Missing(why);
}

HistoryStore::Opened HistoryStore::StartAfresh(const QString &path, const HistoryOwner &owner) {
    std::string why;
    const HistoryModuleEntry *module = Module(&why);
    return module != nullptr ? module->startAfresh(path, owner) : Missing(why);
}

}  // namespace tk
