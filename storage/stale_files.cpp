// Finding the temporaries of the game's own files by name, and removing the old ones.
#include "storage/stale_files.h"

#include <sys/stat.h>
#include <unistd.h>

#include <ctime>

#include <QDir>
#include <QFile>
#include <QRegularExpression>

namespace tk {
namespace {

// A write under way renames its file within moments; a minute is far beyond that.
constexpr std::time_t kStaleSeconds = 60;

}  // namespace

bool IsWriteTemporary(const QString &fileName) {
    static const QRegularExpression pattern(QStringLiteral(
        "^(Save[0-3]\\.Kumo(\\.bak|\\.resume)?|SaveData\\.Kumo)\\.([A-Za-z0-9]{6})$"));
    const QRegularExpressionMatch match = pattern.match(fileName);
    // "Save0.Kumo.resume" itself has the shape of a temporary of Save0.Kumo.
    return match.hasMatch() && match.captured(3) != QLatin1String("resume");
}

int RemoveStaleTemporaries(const QString &folder) {
    int removed = 0;
    const QStringList names = QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString &name : names) {
        if (!IsWriteTemporary(name)) continue;
        const QByteArray path = QFile::encodeName(QDir(folder).filePath(name));
        struct stat st {};
        if (lstat(path.constData(), &st) != 0 || !S_ISREG(st.st_mode)) continue;
        if (std::time(nullptr) - st.st_mtime < kStaleSeconds) continue;
        if (unlink(path.constData()) == 0) ++removed;
    }
    return removed;
}

}  // namespace tk
