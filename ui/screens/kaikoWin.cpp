// The dismissal screen.
#include "ui/screens/kaikoWin.h"

#include <QLabel>
#include <QPushButton>

#include "ui/screens/RosterList.h"
#include "ui/screens/list_screen_layout.h"
#include "ui/screens/roster_dismissal.h"
#include "ui/widgets/screen_keys.h"

namespace tk {

kaikoWin::kaikoWin(Game &game, QWidget *parent) : QDialog(parent) {
    setObjectName(QStringLiteral("kaikoWin"));
    setModal(true);

    roster_ = new RosterDismissal(game, this);
    close_ = new QPushButton(QStringLiteral("閉じる"), this);
    close_->setObjectName(QStringLiteral("Command4"));
    connect(close_, &QPushButton::clicked, this, &kaikoWin::accept);

    LayOutListScreen(this, roster_->List(), {roster_->DismissButton(), close_},
                     roster_->TotalLine());
    roster_->Reload();
    SetUpScreenKeys(this, close_, roster_->List());
}

RosterList *kaikoWin::List() const {
    return roster_->List();
}
QPushButton *kaikoWin::Command1() const {
    return roster_->DismissButton();
}

void kaikoWin::DismissSelected() {
    roster_->DismissSelected();
}

}  // namespace tk
