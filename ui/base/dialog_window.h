// Every dialog a proper dialog window: transient for the window that opened it, centred
// over it, without minimize or maximize, and a modal stack that always shows its top.
#pragma once

class QApplication;
class QWidget;

namespace tk {

// Watches every window of the application as it is first shown and as it is activated.
void InstallDialogWindows(QApplication &application);

// The window a dialog belongs to: its parent's window, or for one opened without a parent
// the window the player was using when it opened. Null for the first window of the game.
QWidget *DialogOpener(const QWidget *dialog);

}  // namespace tk
