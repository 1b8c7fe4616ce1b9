// Opening a module of the game with QLibrary from the folders it may stand in.
#include "storage/game_modules.h"

#include <cstdio>

#include <QDir>
#include <QFileInfo>
#include <QLibrary>
#include <QStringList>

#include "storage/installed_program.h"

// Set by the build: where cmake --install puts the modules, seen from the program's folder,
// and where the build itself writes them.
#ifndef TK_MODULE_RELDIR
#define TK_MODULE_RELDIR "../lib/tennis-kantoku"
#endif
#ifndef TK_BUILD_MODULE_DIR
#define TK_BUILD_MODULE_DIR ""
#endif
#ifndef TK_FONT_RELDIR
#define TK_FONT_RELDIR "../share/tennis-kantoku/fonts"
#endif
#ifndef TK_BUILD_FONT_DIR
#define TK_BUILD_FONT_DIR ""
#endif

namespace tk {
namespace {

// Where files of the game may stand, in the order they are looked for: `besideProgram` in the
// program's folder, the installed folder (relative to the program's), the build's folder.
QStringList GameFolders(const QString &besideProgram, const char *installed, const char *built) {
    // The program's folder, also for tools and tests without an application object.
    const QString program = QFileInfo(QStringLiteral("/proc/self/exe")).canonicalPath();
    QStringList folders{QDir(program).filePath(besideProgram),
                        QDir(program).filePath(QString::fromUtf8(installed))};
    // An installed game never reaches into a build folder.
    if (!IsInstalledProgram(program) && *built != '\0') folders << QString::fromUtf8(built);
    return folders;
}

}  // namespace

QString GameFontFolder() {
    for (const QString &folder :
         GameFolders(QStringLiteral("fonts"), TK_FONT_RELDIR, TK_BUILD_FONT_DIR))
        if (QFileInfo(folder).isDir()) return QDir::cleanPath(folder);
    return {};
}

void *GameModuleSymbol(const char *name, const char *symbol, QString *why) {
    bool tried = false;
    for (const QString &folder :
         GameFolders(QStringLiteral("."), TK_MODULE_RELDIR, TK_BUILD_MODULE_DIR)) {
        const QString file =
            QDir(folder).filePath(QStringLiteral("lib%1.so").arg(QLatin1String(name)));
        if (!QFileInfo::exists(file)) continue;
        // Never unloaded: the widgets it made live on.
        QLibrary library(file);
        library.setLoadHints(QLibrary::PreventUnloadHint);
        if (void *found = reinterpret_cast<void *>(library.resolve(symbol))) return found;
        // The loader's own text is for a bug report; the player reads what it means.
        std::fprintf(stderr, "tennis-kantoku: %s\n",
                     library.errorString().toLocal8Bit().constData());
        tried = true;
    }
    if (why != nullptr)
        *why = (tried ? QStringLiteral("lib%1.so を読み込めません（壊れているか、"
                                       "必要なライブラリがありません）")
                      : QStringLiteral("lib%1.so が見つかりません"))
                   .arg(QLatin1String(name));
    return nullptr;
}

}  // namespace tk
