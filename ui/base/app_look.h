// One look on every system: the game's Japanese font whatever the locale, the Japanese
// locale for its own texts, Qt's own texts (context menus, standard dialogs) in Japanese,
// and one widget style with its light palette whatever the desktop's theme.
#pragma once

#include <functional>

#include <QString>
#include <QStringList>

class QApplication;

namespace tk {

// The game's font and the size every screen was laid out at.
inline constexpr const char *kGameFontFamily = "Noto Sans CJK JP";
inline constexpr int kGameFontPointSize = 9;
// The game's own copy of that font's regular and bold faces (made by the build in fonts/):
// only the characters its screens write, so a screen maps far fewer pages of font. The full
// family follows it for any other character (a name the player types).
inline constexpr const char *kOwnFontFamily = "Kantoku Sans";

// Adds the copy's two faces from `folder` (KantokuSans-Regular.otf, KantokuSans-Bold.otf) to
// the application's fonts; true when both are there, under the copy's family name.
bool AddOwnFontCopy(const QString &folder);

// Japanese families tried, in order, when the game's own font is not installed.
QStringList FallbackFontFamilies();

// Tells which family the system draws when `family` is asked for: the family itself, or
// another one or none when it is missing.
using FontResolver = std::function<QString(const QString &family)>;

struct FontChoice {
    QString family;      // the family to draw with; empty: keep the system's font
    bool exact = false;  // the game's own font was found
};

// Asks for the game's font by name, then for each fallback, without listing the fonts of
// the system.
FontChoice ChooseGameFont(const FontResolver &resolve);

// What the player is told when the game's font is missing (Japanese, with the package to
// install, and the same in English in case no Japanese font can draw it); empty when found.
QString MissingFontMessage(const FontChoice &choice);

struct AppLook {
    FontChoice font;
    bool ownFontCopy = false;  // the screens draw with the copy first
    bool translationsLoaded = false;
};

// Sets up the font, the locale, Qt's Japanese translations and the style for the whole
// application. Call once, right after the QApplication is made; a missing font is reported
// on stderr and in a message box. `ownFontFolder`, when not empty, holds the font copy.
AppLook SetUpAppLook(QApplication &application, const QString &ownFontFolder = {});

}  // namespace tk
