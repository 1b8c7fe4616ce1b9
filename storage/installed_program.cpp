// Tells an installed game from one in a build folder by where it runs from.
#include "storage/installed_program.h"

#include <QDir>
#include <QFileInfo>

// Set by the build from the install folders (GNUInstallDirs).
#ifndef TK_INSTALL_BINDIR
#define TK_INSTALL_BINDIR "/usr/local/bin"
#endif
#ifndef TK_INSTALL_MARKER
#define TK_INSTALL_MARKER "../share/metainfo/tennis-kantoku.metainfo.xml"
#endif

namespace tk {
namespace {

QString Canonical(const QString &folder) {
    const QString canonical = QFileInfo(folder).canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(folder) : canonical;
}

}  // namespace

bool IsInstalledProgram(const QString &programFolder) {
    const QString here = Canonical(programFolder);
    // Nothing of the game's is ever written into these, whoever runs it.
    const char *const systemFolders[] = {"/usr/bin",   "/usr/local/bin",   "/bin",
                                         "/usr/games", "/usr/local/games", TK_INSTALL_BINDIR};
    for (const char *folder : systemFolders) {
        if (here == Canonical(QString::fromUtf8(folder))) return true;
    }
    return QFileInfo::exists(QDir(here).filePath(QStringLiteral(TK_INSTALL_MARKER)));
}

}  // namespace tk
