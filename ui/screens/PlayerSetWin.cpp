// The roster screen.
#include "ui/screens/PlayerSetWin.h"

#include <QLabel>
#include <QPushButton>

#include "core/rules/game.h"
#include "core/rules/scout_rules.h"
#include "ui/screens/IraiWin.h"
#include "ui/screens/RosterList.h"
#include "ui/screens/list_screen_layout.h"
#include "ui/screens/roster_dismissal.h"
#include "ui/screens/squad_screens.h"
#include "ui/widgets/screen_keys.h"

namespace tk {

PlayerSetWin::PlayerSetWin(Game &game, QWidget *parent) : QDialog(parent), game_(game) {
    setObjectName(QStringLiteral("PlayerSetWin"));
    setModal(true);

    roster_ = new RosterDismissal(game_, this);
    scout_ = new QPushButton(QStringLiteral("選手獲得\nスカウト"), this);
    scout_->setObjectName(QStringLiteral("Command2"));
    close_ = new QPushButton(QStringLiteral("閉じる"), this);
    close_->setObjectName(QStringLiteral("Command4"));

    connect(scout_, &QPushButton::clicked, this, &PlayerSetWin::Scout);
    connect(close_, &QPushButton::clicked, this, &PlayerSetWin::accept);

    LayOutListScreen(this, roster_->List(), {roster_->DismissButton(), scout_, close_},
                     roster_->TotalLine());
    roster_->Reload();
    SetUpScreenKeys(this, close_, roster_->List());
}

RosterList *PlayerSetWin::List() const {
    return roster_->List();
}
QPushButton *PlayerSetWin::Command1() const {
    return roster_->DismissButton();
}

void PlayerSetWin::DismissSelected() {
    roster_->DismissSelected();
}

void PlayerSetWin::Scout() {
    if (!ScoutRequestAllowed(game_)) return;
    ExecSquadScreen<IraiWin>(this, game_);
}

}  // namespace tk
