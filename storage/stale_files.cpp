// Finding the temporaries of the game's own files by name, and removing the old ones.
#include "storage/stale_files.h"

#include <sys/stat.h>
#include <unistd.h>

#include <ctime>

#include <QDir>
#include <QFile>

namespace tk {
namespace {

// A write under way renames its file within moments; a minute is far beyond that.
constexpr std::time_t kStaleSeconds = 60;

}  // namespace

bool IsWriteTemporary(const QString &fileName) {
    // "<name>." and six ASCII letters or digits, checked by hand: a pattern would load the
    // regular-expression library into every start for the one check of the title screen.
    constexpr qsizetype kTail = 7;
    if (fileName.size() <= kTail || fileName.at(fileName.size() - kTail) != QLatin1Char('.'))
        return false;
    const QStringView tail = QStringView(fileName).right(kTail - 1);
    for (const QChar c : tail)
        if (c.unicode() > 0x7F || !c.isLetterOrNumber()) return false;
    // "Save0.Kumo.resume" itself has the shape of a temporary of Save0.Kumo.
    if (tail == QLatin1String("resume")) return false;
    const QStringView name = QStringView(fileName).chopped(kTail);
    if (name == QLatin1String("SaveData.Kumo")) return true;
    if (!name.startsWith(QLatin1String("Save")) || name.size() < 10) return false;
    const QChar slot = name.at(4);
    if (slot < QLatin1Char('0') || slot > QLatin1Char('3')) return false;
    const QStringView kind = name.mid(5);
    return kind == QLatin1String(".Kumo") || kind == QLatin1String(".Kumo.bak") ||
           kind == QLatin1String(".Kumo.resume");
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
