// Whole-file replace through QSaveFile, and bounded reads.
#include "storage/atomic_file.h"

#include <unistd.h>

#include <cerrno>

#include <QFile>

#include "storage/file_checks.h"
#include "storage/plain_reasons.h"

namespace tk {
namespace {

// The name a kept file takes for a moment before it moves over the old backup.
QString LinkName(const QString &keepAs) {
    return keepAs + QStringLiteral("-new");
}

// What went wrong in the player's words ("容量不足です"), taken before the write is
// cancelled: cancelling puts its own generic text in place of the system's.
std::string ErrorOf(const QFileDevice &file) {
    if (file.error() == QFileDevice::NoError) return {};
    return PlainFileError(file);
}

Failure StepFailure(const char *what, const QString &path, const std::string &detail) {
    return Failure{std::string(what) + "（" + ShownPath(path) +
                   (detail.empty() ? std::string() : "：" + detail) + "）"};
}

Failure Cancelled(QSaveFile &file, const char *what, const QString &path) {
    const std::string detail = ErrorOf(file);
    file.cancelWriting();
    return StepFailure(what, path, detail);
}

}  // namespace

bool FileSteps::Link(const QString &from, const QString &to) {
    return link(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0;
}

bool FileSteps::Rename(const QString &from, const QString &to) {
    return rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0;
}

bool KeepUnderSecondName(const QString &path, const QString &keepAs, FileSteps &steps) {
    // A crash in between leaves at most the link name behind; it is removed on the next try.
    const QString link = LinkName(keepAs);
    (void)unlink(QFile::encodeName(link).constData());
    if (!steps.Link(path, link)) return false;
    const bool moved = steps.Rename(link, keepAs);
    // Renaming a name onto another name of the same file does nothing: drop the extra name.
    (void)unlink(QFile::encodeName(link).constData());
    return moved;
}

Status ReplaceFile(const QString &path, const QByteArray &bytes, FileSteps &steps,
                   const std::function<void()> &beforeCommit) {
    // Never fall back to writing the target in place: that is what loses saves.
    QSaveFile file(path);
    file.setDirectWriteFallback(false);
    if (!steps.Open(file)) return StepFailure("ファイルを作れません", path, ErrorOf(file));
    if (steps.Write(file, bytes) != bytes.size())
        return Cancelled(file, "ファイルに書き込めません", path);
    if (!steps.Flush(file)) return Cancelled(file, "ファイルに書き込めません", path);
    if (beforeCommit) beforeCommit();
    if (!steps.Commit(file)) return Cancelled(file, "ファイルを置き換えられません", path);
    return {};
}

Result<QByteArray> ReadFileStart(const QString &path, qint64 maxBytes) {
    return ReadPlainFile(path, maxBytes);
}

}  // namespace tk
