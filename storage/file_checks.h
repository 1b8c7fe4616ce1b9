// Which files the game may open: plain files only, never through a link that leaves the Data
// folder, and reads that can neither block nor run away with the memory.
#pragma once

#include <cstdint>
#include <string>

#include <QByteArray>
#include <QString>

#include "core/state/result.h"

namespace tk {

enum class FileState {
    Missing,   // nothing at the name
    Plain,     // a plain file, or a link to one (inside the folder, when one is given)
    Unusable,  // a folder, a named pipe, a device, a broken link, a link out of the folder...
};

struct FileCheck {
    FileState State = FileState::Missing;
    QString Target;      // Plain: the file itself with every link resolved; else the path
    std::string Reason;  // Unusable: why, in the player's words
};

// What stands at path, looked at without opening it. With `within`, a symbolic link counts
// only when it ends at a plain file inside that folder; a link to nothing is unusable.
FileCheck CheckFile(const QString &path, const QString &within = QString());

// At most maxBytes from the start of a plain file; a missing file reads as no bytes. The file
// is checked first, then opened without blocking and without following a link, and checked
// again once open, so that a name swapped for a pipe or a device in between is refused too.
// fileSize, when given, receives the whole size of the file (0 when missing).
Result<QByteArray> ReadPlainFile(const QString &path, qint64 maxBytes,
                                 const QString &within = QString(), qint64 *fileSize = nullptr);

// Whether a file may be replaced: missing, or plain. The failure names the file and why.
Result<QString> WritableTarget(const QString &path, const QString &within = QString());

// Removes the file at path when it is plain (a link inside the folder: the link itself);
// anything else is left as it is and reported.
Status RemovePlainFile(const QString &path, const QString &within = QString());

// When a plain file was last written, in nanoseconds; 0 when there is none.
std::int64_t ModifiedNs(const QString &path);

// The path as the player reads it.
std::string ShownPath(const QString &path);

}  // namespace tk
