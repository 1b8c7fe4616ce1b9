// Replacing a file whole or not at all, with a seam where tests make each step fail.
#pragma once

#include <functional>

#include <QByteArray>
#include <QSaveFile>
#include <QString>

#include "core/state/result.h"

namespace tk {

// The steps of an atomic replace: open a temporary file beside the target, write, flush,
// then commit (sync and rename over the target). Keeping the old file under a second name
// takes a hard link and a rename, made after the flush and before the commit. A test derives
// from this and fails any one step to see that the old file survives and the player is told.
class FileSteps {
public:
    virtual ~FileSteps() = default;
    virtual bool Open(QSaveFile &file) { return file.open(QIODevice::WriteOnly); }
    virtual qint64 Write(QSaveFile &file, const QByteArray &bytes) { return file.write(bytes); }
    virtual bool Flush(QSaveFile &file) { return file.flush(); }
    virtual bool Link(const QString &from, const QString &to);
    virtual bool Rename(const QString &from, const QString &to);
    virtual bool Commit(QSaveFile &file) { return file.commit(); }
};

// Writes bytes to path through a temporary file in the same folder. On any failure the
// file at path is left as it was and the reason names the step that failed. beforeCommit,
// when given, runs once the new bytes are written and flushed, just before they take the
// place of the old file (which still stands at path): a save keeps its backup there.
Status ReplaceFile(const QString &path, const QByteArray &bytes, FileSteps &steps,
                   const std::function<void()> &beforeCommit = {});

// Gives the file at path a second name, keepAs (a hard link, then a rename over what stood
// there): the old file kept with no copy and no sync. False when it cannot be done (a file
// system without hard links, no plain file at keepAs); keepAs is then as it was.
bool KeepUnderSecondName(const QString &path, const QString &keepAs, FileSteps &steps);

// Reads at most maxBytes from the start of a file. A missing file reads as no bytes;
// a file that exists but cannot be read, or is no plain file, is a failure (ReadPlainFile).
Result<QByteArray> ReadFileStart(const QString &path, qint64 maxBytes);

}  // namespace tk
