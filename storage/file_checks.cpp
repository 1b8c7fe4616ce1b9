// Plain-file checks with lstat/realpath, and bounded reads through a descriptor opened
// without blocking.
#include "storage/file_checks.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>

#include <QDir>
#include <QFile>

#include "storage/plain_reasons.h"

namespace tk {
namespace {

std::string SystemReason(int error) {
    return PlainError(error);
}

std::string KindReason(mode_t mode) {
    if (S_ISDIR(mode)) return "フォルダです";
    if (S_ISFIFO(mode)) return "名前付きパイプです";
    if (S_ISCHR(mode) || S_ISBLK(mode)) return "デバイスです";
    if (S_ISSOCK(mode)) return "ソケットです";
    return "普通のファイルではありません";
}

FileCheck Unusable(const QString &path, std::string reason) {
    return {FileState::Unusable, path, std::move(reason)};
}

// The folder with its links resolved; empty when it does not exist.
QString RealFolder(const QString &folder) {
    char *real = realpath(QFile::encodeName(folder).constData(), nullptr);
    if (real == nullptr) return QString();
    const QString resolved = QFile::decodeName(real);
    std::free(real);
    return resolved;
}

std::string LinkText(const QString &path) {
    return ShownPath(QFile::symLinkTarget(path).isEmpty() ? path : QFile::symLinkTarget(path));
}

}  // namespace

std::string ShownPath(const QString &path) {
    return QDir::toNativeSeparators(path).toStdString();
}

FileCheck CheckFile(const QString &path, const QString &within) {
    const QByteArray name = QFile::encodeName(path);
    struct stat st {};
    if (lstat(name.constData(), &st) != 0) {
        // Below a plain file (a "Data" that is not a folder) nothing can stand either.
        if (errno == ENOENT || errno == ENOTDIR) return {FileState::Missing, path, {}};
        return Unusable(path, SystemReason(errno));
    }
    if (!S_ISLNK(st.st_mode)) {
        if (S_ISREG(st.st_mode)) return {FileState::Plain, path, {}};
        return Unusable(path, KindReason(st.st_mode));
    }
    char *real = realpath(name.constData(), nullptr);
    if (real == nullptr) {
        if (errno == ELOOP) return Unusable(path, "リンクが循環しています");
        if (errno == ENOENT || errno == ENOTDIR)
            return Unusable(path, "リンク先がありません（→ " + LinkText(path) + "）");
        return Unusable(path, SystemReason(errno));
    }
    const QString target = QFile::decodeName(real);
    std::free(real);
    if (!within.isEmpty()) {
        const QString folder = RealFolder(within);
        if (folder.isEmpty() || !target.startsWith(folder + QLatin1Char('/')))
            return Unusable(path, "Dataフォルダの外へのリンクです（→ " + ShownPath(target) + "）");
    }
    if (stat(QFile::encodeName(target).constData(), &st) != 0)
        return Unusable(path, SystemReason(errno));
    if (!S_ISREG(st.st_mode)) return Unusable(path, "リンク先が" + KindReason(st.st_mode));
    return {FileState::Plain, target, {}};
}

Result<QByteArray> ReadPlainFile(const QString &path, qint64 maxBytes, const QString &within,
                                 qint64 *fileSize) {
    if (fileSize != nullptr) *fileSize = 0;
    const auto refused = [&](const std::string &why) {
        return Failure{"ファイルを読めません（" + ShownPath(path) + "：" + why + "）"};
    };
    const FileCheck check = CheckFile(path, within);
    if (check.State == FileState::Missing) return QByteArray();
    if (check.State == FileState::Unusable) return refused(check.Reason);

    const int fd = open(QFile::encodeName(check.Target).constData(),
                        O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) return refused(SystemReason(errno));
    struct stat st {};
    if (fstat(fd, &st) != 0) {
        const int error = errno;
        close(fd);
        return refused(SystemReason(error));
    }
    if (!S_ISREG(st.st_mode)) {
        close(fd);
        return refused(KindReason(st.st_mode));
    }
    if (fileSize != nullptr) *fileSize = static_cast<qint64>(st.st_size);
    QByteArray bytes(static_cast<qsizetype>(std::max<qint64>(0, maxBytes)), Qt::Uninitialized);
    qint64 got = 0;
    while (got < maxBytes) {
        const ssize_t n = read(fd, bytes.data() + got, static_cast<size_t>(maxBytes - got));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            const int error = errno;
            close(fd);
            return refused(SystemReason(error));
        }
        if (n == 0) break;
        got += n;
    }
    close(fd);
    bytes.truncate(static_cast<qsizetype>(got));
    return bytes;
}

Result<QString> WritableTarget(const QString &path, const QString &within) {
    const FileCheck check = CheckFile(path, within);
    if (check.State == FileState::Unusable)
        return Failure{"ファイルを置き換えられません（" + ShownPath(path) + "：" + check.Reason +
                       "）"};
    return check.Target;
}

Status RemovePlainFile(const QString &path, const QString &within) {
    const FileCheck check = CheckFile(path, within);
    if (check.State == FileState::Missing) return {};
    if (check.State == FileState::Unusable)
        return Failure{"ファイルを消せません（" + ShownPath(path) + "：" + check.Reason + "）"};
    if (unlink(QFile::encodeName(path).constData()) != 0 && errno != ENOENT)
        return Failure{"ファイルを消せません（" + ShownPath(path) + "：" + SystemReason(errno) +
                       "）"};
    return {};
}

std::int64_t ModifiedNs(const QString &path) {
    struct stat st {};
    if (stat(QFile::encodeName(path).constData(), &st) != 0 || !S_ISREG(st.st_mode)) return 0;
    return std::int64_t{st.st_mtim.tv_sec} * 1000000000 + st.st_mtim.tv_nsec;
}

}  // namespace tk
