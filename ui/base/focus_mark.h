// The game's style: Fusion with a focus mark on buttons that a player sees at a glance.
#pragma once

class QStyle;

namespace tk {

// Fusion, drawing a two-pixel ring inside the button, check box or radio button that has
// the keyboard focus (Fusion's own mark is a faint tint). Null if Fusion is missing.
QStyle *MakeGameStyle();

}  // namespace tk
