// The game's style: Fusion with a focus mark on buttons that a player sees at a glance, and
// the coloured forms of the main window and the dialogs it owns.
#pragma once

class QColor;
class QStyle;
class QWidget;

namespace tk {

// Fills the background of `form` with `colour` (Fusion leaves a plain widget unpainted).
void SetFormColour(QWidget *form, const QColor &colour);

// Fills every frame (QGroupBox) inside `owner`, or inside a dialog it owns, with `colour`,
// and centres its title over the gap in its border.
void SetFrameColour(QWidget *owner, const QColor &colour);

// Fusion, drawing a two-pixel ring inside the button, check box or radio button that has
// the keyboard focus (Fusion's own mark is a faint tint). Null if Fusion is missing.
QStyle *MakeGameStyle();

}  // namespace tk
