// The slot lock through QLockFile: the holder's process id, program and computer are written
// into the lock, and a lock whose process is gone counts as stale at once.
#include "storage/slot_lock.h"

#include <QDateTime>
#include <QFileInfo>
#include <QLockFile>

#include "storage/file_checks.h"

namespace tk {
namespace {

std::string InUse(const std::optional<SlotUser> &user) {
    if (!user) return "データはほかのテニス監督が使っています";
    return "データはほかのテニス監督が使っています（" + user->Text() + "）";
}

void Configure(QLockFile &lock) {
    // Only a lock whose process is gone is stale: a game may stay open for days.
    lock.setStaleLockTime(0);
}

}  // namespace

std::string SlotUser::Text() const {
    std::string text = Program.empty() ? std::string("テニス監督") : Program;
    text += "（プロセス " + std::to_string(Pid);
    if (!Since.empty()) text += "、" + Since + "から";
    return text + "）";
}

SlotLock::SlotLock(const QString &slotPath) : slot_(slotPath), path_(LockPath(slotPath)) {}

SlotLock::~SlotLock() = default;

QString SlotLock::LockPath(const QString &slotPath) {
    return slotPath + QLatin1String(kLockSuffix);
}

Status SlotLock::Take() {
    if (Held()) return {};
    // Only a plain file, never a link or a folder, stands at the lock's name.
    const FileCheck check = CheckFile(path_);
    if (check.State == FileState::Unusable)
        return Failure{"ロックファイルを使えません（" + ShownPath(path_) + "：" + check.Reason +
                       "）"};
    auto lock = std::make_unique<QLockFile>(path_);
    Configure(*lock);
    if (lock->tryLock(0)) {
        lock_ = std::move(lock);
        return {};
    }
    switch (lock->error()) {
        case QLockFile::LockFailedError: return Failure{InUse(UserOf(slot_))};
        case QLockFile::PermissionError:
            return Failure{"ロックファイルを作れません（" + ShownPath(path_) +
                           "：書き込み権限がありません）"};
        default: return Failure{"ロックファイルを作れません（" + ShownPath(path_) + "）"};
    }
}

void SlotLock::Release() {
    lock_.reset();  // QLockFile unlocks (removes its file) when it goes
}

bool SlotLock::Held() const {
    return lock_ && lock_->isLocked();
}

std::optional<SlotUser> SlotLock::UserOf(const QString &slotPath) {
    const QString path = LockPath(slotPath);
    if (CheckFile(path).State != FileState::Plain) return std::nullopt;
    QLockFile probe(path);
    Configure(probe);
    if (probe.tryLock(0)) {
        probe.unlock();
        return std::nullopt;
    }
    if (probe.error() != QLockFile::LockFailedError) return std::nullopt;
    SlotUser user;
    QString host, program;
    if (probe.getLockInfo(&user.Pid, &host, &program)) {
        user.Host = host.toStdString();
        user.Program = program.toStdString();
    }
    const QDateTime since = QFileInfo(path).lastModified();
    if (since.isValid()) user.Since = since.toString(QStringLiteral("M月d日 HH:mm")).toStdString();
    return user;
}

}  // namespace tk
