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

namespace tk {

void *GameModuleSymbol(const char *name, const char *symbol, QString *why) {
    // The program's folder, also for tools and tests without an application object.
    const QString program = QFileInfo(QStringLiteral("/proc/self/exe")).canonicalPath();
    QStringList folders{program, QDir(program).filePath(QStringLiteral(TK_MODULE_RELDIR))};
    // An installed game never reaches into a build folder.
    if (!IsInstalledProgram(program) && !QStringLiteral(TK_BUILD_MODULE_DIR).isEmpty())
        folders << QStringLiteral(TK_BUILD_MODULE_DIR);
    bool tried = false;
    for (const QString &folder : folders) {
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
