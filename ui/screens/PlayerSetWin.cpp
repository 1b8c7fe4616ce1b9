// The roster screen.
#include "ui/screens/PlayerSetWin.h"

#include <QPushButton>

#include "core/rules/game.h"
#include "core/rules/roster_rules.h"
#include "core/rules/scout_rules.h"
#include "ui/screens/IraiWin.h"
#include "ui/screens/RosterList.h"
#include "ui/screens/list_screen_layout.h"
#include "ui/screens/squad_screens.h"

namespace tk {

PlayerSetWin::PlayerSetWin(Game &game, QWidget *parent) : QDialog(parent), game_(game) {
    setObjectName(QStringLiteral("PlayerSetWin"));
    setModal(true);

    list_ = new RosterList(game_.state, this);
    dismiss_ = new QPushButton(QStringLiteral("選手解雇"), this);
    dismiss_->setObjectName(QStringLiteral("Command1"));
    scout_ = new QPushButton(QStringLiteral("選手獲得\nスカウト"), this);
    scout_->setObjectName(QStringLiteral("Command2"));
    close_ = new QPushButton(QStringLiteral("閉じる"), this);
    close_->setObjectName(QStringLiteral("Command4"));

    connect(dismiss_, &QPushButton::clicked, this, &PlayerSetWin::DismissSelected);
    connect(scout_, &QPushButton::clicked, this, &PlayerSetWin::Scout);
    connect(close_, &QPushButton::clicked, this, &PlayerSetWin::accept);
    connect(list_, &RosterList::selectionChanged, this, &PlayerSetWin::UpdateButtons);

    LayOutListScreen(this, list_, {dismiss_, scout_, close_});

    Reload();
}

void PlayerSetWin::Reload() {
    setWindowTitle(QString::fromStdString(RosterTitle(game_.state)));
    list_->MakeForm();
    UpdateButtons();
}

void PlayerSetWin::UpdateButtons() {
    dismiss_->setEnabled(CanDismiss(game_.state) && list_->ElectedPlayer() >= 0);
}

void PlayerSetWin::DismissSelected() {
    if (AskAndDismissPlayer(game_, list_->ElectedPlayer())) Reload();
}

void PlayerSetWin::Scout() {
    if (!ScoutRequestAllowed(game_)) return;
    ExecSquadScreen<IraiWin>(this, game_);
}

}  // namespace tk
