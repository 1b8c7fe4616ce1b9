// The keys every screen shares: Enter confirms, Esc closes where the screen may be closed,
// and Tab moves through the controls in the order of the layout.
#pragma once

#include <QList>

class QDialog;
class QPushButton;
class QWidget;

namespace tk {

// Enter presses `confirm`, or the button that has the focus (as on any desktop); Esc closes
// the screen through QDialog::reject(), which a screen that must not be closed refuses; Tab
// follows the layout. `firstFocus` (by default `confirm`) holds the focus when it opens.
// `confirm` may be null for a screen with nothing to confirm.
void SetUpScreenKeys(QDialog *screen, QPushButton *confirm, QWidget *firstFocus = nullptr);

// Enter presses the button that has the focus, also on a window that is not a dialog.
void EnterPressesFocusedButtons(QWidget *window);

// The controls under `root` that Tab reaches, in the order its layouts list them (a
// control's own parts, such as a list's scroll bars, are left to it).
QList<QWidget *> LayoutFocusOrder(QWidget *root);
// Makes Tab follow LayoutFocusOrder(root).
void FollowLayoutFocusOrder(QWidget *root);

}  // namespace tk
