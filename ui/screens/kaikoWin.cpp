// The dismissal screen.
#include "ui/screens/kaikoWin.h"

#include <QPushButton>

#include "core/rules/game.h"
#include "core/rules/roster_rules.h"
#include "ui/screens/RosterList.h"
#include "ui/screens/list_screen_layout.h"

namespace tk {

kaikoWin::kaikoWin(Game &game, QWidget *parent) : QDialog(parent), game_(game) {
    setObjectName(QStringLiteral("kaikoWin"));
    setModal(true);

    list_ = new RosterList(game_.state, this);
    dismiss_ = new QPushButton(QStringLiteral("選手解雇"), this);
    dismiss_->setObjectName(QStringLiteral("Command1"));
    close_ = new QPushButton(QStringLiteral("閉じる"), this);
    close_->setObjectName(QStringLiteral("Command4"));

    connect(dismiss_, &QPushButton::clicked, this, &kaikoWin::DismissSelected);
    connect(close_, &QPushButton::clicked, this, &kaikoWin::accept);
    connect(list_, &RosterList::selectionChanged, this, &kaikoWin::UpdateButtons);

    LayOutListScreen(this, list_, {dismiss_, close_});

    Reload();
}

void kaikoWin::Reload() {
    // As if opened anew: title, list, scroll range and the limit from the record.
    setWindowTitle(QString::fromStdString(RosterTitle(game_.state)));
    list_->MakeForm();
    UpdateButtons();
}

void kaikoWin::UpdateButtons() {
    // The squad never goes below five players.
    dismiss_->setEnabled(CanDismiss(game_.state) && list_->ElectedPlayer() >= 0);
}

void kaikoWin::DismissSelected() {
    if (AskAndDismissPlayer(game_, list_->ElectedPlayer())) Reload();
}

}  // namespace tk
