// The roster list with its "選手解雇" button, shared by the roster screen and the dismissal
// screen: the title with the salary total, the list, and dismissal down to five players.
#pragma once

#include <QObject>

class QDialog;
class QLabel;
class QPushButton;

namespace tk {

struct Game;
class RosterList;

class RosterDismissal : public QObject {
    Q_OBJECT

public:
    // Creates the list and the button as children of `screen`, whose title it keeps.
    RosterDismissal(Game &game, QDialog *screen);

    RosterList *List() const { return list_; }
    QPushButton *DismissButton() const { return dismiss_; }
    // The salary total, as in the title: a line of the screen, not only its caption.
    QLabel *TotalLine() const { return total_; }

    // Title, list, scroll range and the limit from the record, as if opened anew.
    void Reload();
    // "選手解雇" for the selected player, after the question.
    void DismissSelected();

private:
    void UpdateButton();

    Game &game_;
    QDialog *screen_;
    RosterList *list_ = nullptr;
    QPushButton *dismiss_ = nullptr;
    QLabel *total_ = nullptr;
};

}  // namespace tk
