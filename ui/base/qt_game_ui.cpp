// The rules' notices and questions shown with the game's dialogs.
#include "ui/base/qt_game_ui.h"

#include <QApplication>

#include "ui/base/messages.h"

namespace tk {

QWidget *QtGameUi::DialogParent() const {
    // A rule may speak while a match or another modal screen is up: stay above it.
    if (QWidget *modal = QApplication::activeModalWidget()) return modal;
    return parent_.data();
}

void QtGameUi::ShowNotice(MessageKind kind, const std::string &message, const std::string &title,
                          int fontSize) {
    route_.ShowNotice(kind, message, title, fontSize, DialogParent());
}

bool QtGameUi::AskQuestion(const std::string &message, const std::string &title, int fontSize) {
    return route_.AskQuestion(message, title, fontSize, DialogParent());
}

}  // namespace tk
