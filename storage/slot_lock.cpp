// The slot lock as an advisory lock (flock) on the lock file, held through an open descriptor
// while the slot's game is open. The kernel lets go of it when the process ends, however it
// ends, so a killed copy's lock is free at once, and nothing has to reach the disk before the
// lock counts (taking a slot syncs nothing before the main screen paints). The file tells who
// holds it in the lines QLockFile writes (process id, program, computer), and QLockFile locks
// the same way, so a copy of the game that locks with QLockFile and this one exclude each other.
#include "storage/slot_lock.h"

#include <cerrno>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QSysInfo>

#include "storage/file_checks.h"

namespace tk {
namespace {

std::string InUse(const std::optional<SlotUser> &user) {
    if (!user) return "データはほかのテニス監督が使っています";
    return "データはほかのテニス監督が使っています（" + user->Text() + "）";
}

// Whether the open file is still the one at path, not one its holder removed as it let go.
bool StillAt(int fd, const QString &path) {
    struct stat open {};
    struct stat named {};
    return ::fstat(fd, &open) == 0 && ::lstat(QFile::encodeName(path).constData(), &named) == 0 &&
           open.st_dev == named.st_dev && open.st_ino == named.st_ino;
}

enum class Grab { Taken, Held, Failed };

// Opens the lock file at path (made when missing, with `create`) and locks it for this
// descriptor: Taken with *fd set, Held by another, or Failed with errno set.
Grab GrabLock(const QString &path, bool create, int *fd) {
    const QByteArray name = QFile::encodeName(path);
    const int flags = (create ? O_RDWR | O_CREAT : O_RDONLY) | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK;
    for (int attempt = 0; attempt < 8; ++attempt) {
        const int opened = ::open(name.constData(), flags, 0644);
        if (opened < 0) return Grab::Failed;
        if (::flock(opened, LOCK_EX | LOCK_NB) != 0) {
            const int why = errno;
            ::close(opened);
            errno = why;
            return why == EWOULDBLOCK ? Grab::Held : Grab::Failed;
        }
        if (StillAt(opened, path)) {
            *fd = opened;
            return Grab::Taken;
        }
        ::close(opened);  // removed by its holder meanwhile: lock the file at the name now
        if (!create) {
            errno = ENOENT;
            return Grab::Failed;
        }
    }
    errno = EAGAIN;
    return Grab::Failed;
}

// Removes the lock file of the open descriptor, unless another file has taken its name.
void RemoveLockFile(int fd, const QString &path) {
    if (StillAt(fd, path)) ::unlink(QFile::encodeName(path).constData());
}

// What the holder writes into its lock, in QLockFile's lines.
QByteArray HolderLines() {
    return QByteArray::number(QCoreApplication::applicationPid()) + '\n' +
           QCoreApplication::applicationName().toUtf8() + '\n' +
           QSysInfo::machineHostName().toUtf8() + '\n';
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
    int fd = -1;
    switch (GrabLock(path_, true, &fd)) {
        case Grab::Taken: break;
        case Grab::Held: return Failure{InUse(UserOf(slot_))};
        case Grab::Failed:
            if (errno == EACCES || errno == EPERM || errno == EROFS)
                return Failure{"ロックファイルを作れません（" + ShownPath(path_) +
                               "：書き込み権限がありません）"};
            return Failure{"ロックファイルを作れません（" + ShownPath(path_) + "）"};
    }
    // Who holds it, for the title screen of another copy. The lock holds without it (on a full
    // disk another copy is told only that the slot is in use), so it is not synced.
    const QByteArray lines = HolderLines();
    [[maybe_unused]] const bool told =
        ::ftruncate(fd, 0) == 0 && ::pwrite(fd, lines.constData(), lines.size(), 0) == lines.size();
    fd_ = fd;
    return {};
}

void SlotLock::Release() {
    if (fd_ < 0) return;
    // Removed before it is let go, so that a copy waiting on this file looks again.
    RemoveLockFile(fd_, path_);
    ::close(fd_);
    fd_ = -1;
}

bool SlotLock::Held() const {
    return fd_ >= 0;
}

std::optional<SlotUser> SlotLock::UserOf(const QString &slotPath) {
    const QString path = LockPath(slotPath);
    if (CheckFile(path).State != FileState::Plain) return std::nullopt;
    int probe = -1;
    switch (GrabLock(path, false, &probe)) {
        case Grab::Taken:
            // Nobody holds it: the lock of a copy that no longer runs.
            RemoveLockFile(probe, path);
            ::close(probe);
            return std::nullopt;
        case Grab::Failed: return std::nullopt;
        case Grab::Held: break;
    }
    SlotUser user;
    const Result<QByteArray> read = ReadPlainFile(path, 1024);
    if (read.Ok()) {
        const QList<QByteArray> lines = read.Value().split('\n');
        if (!lines.empty()) user.Pid = lines[0].trimmed().toLongLong();
        if (lines.size() > 1) user.Program = lines[1].trimmed().toStdString();
        if (lines.size() > 2) user.Host = lines[2].trimmed().toStdString();
    }
    const std::int64_t since = ModifiedNs(path);
    if (since > 0)
        user.Since = QDateTime::fromMSecsSinceEpoch(since / 1000000)
                         .toString(QStringLiteral("M月d日 HH:mm"))
                         .toStdString();
    return user;
}

}  // namespace tk
