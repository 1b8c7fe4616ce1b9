// Whole-file replace through QSaveFile, and bounded reads.
#include "core/state/atomic_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace tk {
namespace {

Failure StepFailure(const char *what, const QString &path, const QFileDevice &file) {
    const QString detail = file.errorString().isEmpty() ? QString() : "：" + file.errorString();
    return Failure{std::string(what) + "（" + QDir::toNativeSeparators(path).toStdString() +
                   detail.toStdString() + "）"};
}

}  // namespace

Status ReplaceFile(const QString &path, const QByteArray &bytes, FileSteps &steps) {
    // Never fall back to writing the target in place: that is what loses saves.
    QSaveFile file(path);
    file.setDirectWriteFallback(false);
    if (!steps.Open(file)) return StepFailure("ファイルを作れません", path, file);
    if (steps.Write(file, bytes) != bytes.size()) {
        file.cancelWriting();
        return StepFailure("ファイルに書き込めません", path, file);
    }
    if (!steps.Flush(file)) {
        file.cancelWriting();
        return StepFailure("ファイルに書き込めません", path, file);
    }
    if (!steps.Commit(file)) {
        file.cancelWriting();
        return StepFailure("ファイルを置き換えられません", path, file);
    }
    return {};
}

Result<QByteArray> ReadFileStart(const QString &path, qint64 maxBytes) {
    const QFileInfo info(path);
    if (!info.exists()) return QByteArray();
    QFile file(path);
    if (info.isDir() || !file.open(QIODevice::ReadOnly)) {
        return Failure{"ファイルを読めません（" + QDir::toNativeSeparators(path).toStdString() +
                       "）"};
    }
    QByteArray bytes = file.read(maxBytes);
    if (file.error() != QFileDevice::NoError) {
        return Failure{"ファイルを読めません（" + QDir::toNativeSeparators(path).toStdString() +
                       "：" + file.errorString().toStdString() + "）"};
    }
    return bytes;
}

}  // namespace tk
