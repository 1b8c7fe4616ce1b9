// The layout the list screens share: the list on top, a row of buttons at the bottom right.
#pragma once

#include <initializer_list>

class QDialog;
class QPushButton;
class QWidget;

namespace tk {

// Lays out `dialog` with `list` above `buttons` (none of them the default button, so Enter
// in the list never presses one), and `line` (a line of text, if any) left of the buttons;
// keeps the dialog at its natural size.
void LayOutListScreen(QDialog *dialog, QWidget *list, std::initializer_list<QPushButton *> buttons,
                      QWidget *line = nullptr);

}  // namespace tk
