// Whether the running program is an installed copy (the package, cmake --install) rather
// than one in a build folder: an installed game keeps its saves in the per-user folder.
#pragma once

#include <QString>

namespace tk {

// True for a program in a system program folder (/usr/bin, /usr/local/bin, /usr/games, ...),
// in the bin folder the build was configured to install to, or in any bin folder with the
// game's desktop files installed beside it (../share/metainfo/<id>.metainfo.xml).
bool IsInstalledProgram(const QString &programFolder);

}  // namespace tk
