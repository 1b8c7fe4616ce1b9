// The game's own libraries that are opened only when first needed (the charts, the history),
// and its own files (the font copy): found beside the program, where they are installed, or
// in the build folder it was built in.
#pragma once

#include <QString>

namespace tk {

// The address of `symbol` in the module `name` (the library libname.so), opened on first use
// and kept open; null when the module is not found or lacks the symbol. `why`, when given,
// receives the reason in the player's words (the loader's own text goes to standard error).
void *GameModuleSymbol(const char *name, const char *symbol, QString *why = nullptr);

// The folder of the game's own font files (fonts/ beside the program, where it is installed or
// in the build folder); empty when there is none.
QString GameFontFolder();

}  // namespace tk
