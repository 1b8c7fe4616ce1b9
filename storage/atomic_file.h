// Replacing a file whole or not at all, with a seam where tests make each step fail.
#pragma once

#include <QByteArray>
#include <QSaveFile>
#include <QString>

#include "core/state/result.h"

namespace tk {

// The steps of an atomic replace: open a temporary file beside the target, write, flush,
// then commit (sync and rename over the target). A test derives from this and fails any
// one step to see that the old file survives and the player is told.
class FileSteps {
public:
    virtual ~FileSteps() = default;
    virtual bool Open(QSaveFile &file) { return file.open(QIODevice::WriteOnly); }
    virtual qint64 Write(QSaveFile &file, const QByteArray &bytes) { return file.write(bytes); }
    virtual bool Flush(QSaveFile &file) { return file.flush(); }
    virtual bool Commit(QSaveFile &file) { return file.commit(); }
};

// Writes bytes to path through a temporary file in the same folder. On any failure the
// file at path is left as it was and the reason names the step that failed.
Status ReplaceFile(const QString &path, const QByteArray &bytes, FileSteps &steps);

// Reads at most maxBytes from the start of a file. A missing file reads as no bytes;
// a file that exists but cannot be read, or is no plain file, is a failure (ReadPlainFile).
Result<QByteArray> ReadFileStart(const QString &path, qint64 maxBytes);

}  // namespace tk
