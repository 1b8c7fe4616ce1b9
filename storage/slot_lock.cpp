// The slot lock: the holder's process id, program and computer are written into the lock as
// QLockFile writes them, and a lock whose process is gone counts as stale at once.
#include "storage/slot_lock.h"

#include <algorithm>
#include <cerrno>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSysInfo>

#include "storage/file_checks.h"

namespace tk {
namespace {

// The lines QLockFile writes: process id, program, computer, machine id, boot id. A copy
// that reads the lock with QLockFile (the title screen, an older copy) finds the holder.
QByteArray HolderLines() {
    char exe[4096];
    const ssize_t length = ::readlink("/proc/self/exe", exe, sizeof exe - 1);
    const QString program =
        length > 0 ? QFileInfo(QFile::decodeName(QByteArray(exe, length))).fileName() : QString();
    return QByteArray::number(QCoreApplication::applicationPid()) + '\n' + program.toUtf8() + '\n' +
           QSysInfo::machineHostName().toUtf8() + '\n' + QSysInfo::machineUniqueId() + '\n' +
           QSysInfo::bootUniqueId() + '\n';
}

// Writes the holder into the open lock; closes it and answers -1 when that fails.
int WriteHolder(int fd) {
    const QByteArray lines = HolderLines();
    if (::ftruncate(fd, 0) == 0 &&
        ::pwrite(fd, lines.constData(), static_cast<size_t>(lines.size()), 0) == lines.size())
        return fd;
    ::close(fd);
    return -1;
}

// Makes the lock and holds it, or -1 (errno EEXIST when a lock stands). Unlike QLockFile's,
// the lock is not synced: what stands after a power failure is held by no running copy, and
// a lock that names nobody is taken over (below).
int MakeLock(const QByteArray &path) {
    const int fd = ::open(path.constData(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) return -1;
    // As QLockFile does: while it is held, no other copy removes it as stale.
    (void)::flock(fd, LOCK_EX | LOCK_NB);
    if (WriteHolder(fd) >= 0) return fd;
    ::unlink(path.constData());
    return -1;
}

// Takes over a lock that names no holder (a power failure cut it short) if no running copy
// holds it; -1 otherwise. A lock that names its holder is left to QLockFile, which tells a
// live holder from one that is gone.
int TakeOverNameless(const QByteArray &path) {
    const int fd = ::open(path.constData(), O_RDWR | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
    if (fd < 0) return -1;
    struct stat info {};
    char head[256];
    const ssize_t got =
        ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) ? ::pread(fd, head, sizeof head, 0) : -1;
    const bool nameless = got >= 0 && std::count(head, head + got, '\n') < 3;
    if (nameless && ::flock(fd, LOCK_EX | LOCK_NB) == 0) return WriteHolder(fd);
    ::close(fd);
    return -1;
}

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

SlotLock::~SlotLock() {
    Release();
}

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
    const QByteArray name = QFile::encodeName(path_);
    held_ = MakeLock(name);
    if (held_ < 0 && errno == EEXIST) held_ = TakeOverNameless(name);
    if (held_ >= 0) return {};
    // A lock of another copy, live or gone, and every failure, as QLockFile sees them.
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
    if (held_ >= 0) {
        // Removed while still held, so that no other copy sees it free and takes it meanwhile.
        ::unlink(QFile::encodeName(path_).constData());
        ::close(held_);
        held_ = -1;
    }
    lock_.reset();  // QLockFile unlocks (removes its file) when it goes
}

bool SlotLock::Held() const {
    return held_ >= 0 || (lock_ && lock_->isLocked());
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
