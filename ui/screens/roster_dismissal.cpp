// The roster list with dismissal.
#include "ui/screens/roster_dismissal.h"

#include <QDialog>
#include <QLabel>
#include <QPushButton>

#include "core/rules/game.h"
#include "core/rules/roster_rules.h"
#include "ui/screens/RosterList.h"

namespace tk {

RosterDismissal::RosterDismissal(Game &game, QDialog *screen)
    : QObject(screen), game_(game), screen_(screen) {
    list_ = new RosterList(game_.state, screen);
    dismiss_ = new QPushButton(QStringLiteral("選手解雇"), screen);
    dismiss_->setObjectName(QStringLiteral("Command1"));
    total_ = new QLabel(screen);
    total_->setObjectName(QStringLiteral("TotalLine"));
    connect(dismiss_, &QPushButton::clicked, this, &RosterDismissal::DismissSelected);
    connect(list_, &RosterList::selectionChanged, this, &RosterDismissal::UpdateButton);
}

void RosterDismissal::Reload() {
    const QString total = QString::fromStdString(RosterTitle(game_.state));
    screen_->setWindowTitle(total);
    total_->setText(total);
    list_->MakeForm();
    UpdateButton();
}

void RosterDismissal::UpdateButton() {
    // The squad never goes below five players.
    dismiss_->setEnabled(CanDismiss(game_.state) && list_->ElectedPlayer() >= 0);
}

void RosterDismissal::DismissSelected() {
    if (AskAndDismissPlayer(game_, list_->ElectedPlayer())) Reload();
}

}  // namespace tk
