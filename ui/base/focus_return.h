// The focus goes back to the window that opened a dialog when the dialog closes, as a
// window manager does, so a player on the keyboard always types into the game.
#pragma once

class QApplication;

namespace tk {

// Watches every dialog of the application: when one that had the focus is hidden and no
// other window has taken the focus, the window that opened it is activated again.
void ReturnFocusAfterDialogs(QApplication &application);

}  // namespace tk
