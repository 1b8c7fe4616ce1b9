// The choice of the player for one individual-practice place.
#include "ui/screens/SelectPlayer.h"

#include <QPushButton>

#include "core/rules/game.h"
#include "core/rules/individual_rules.h"
#include "ui/screens/PlayerList.h"
#include "ui/screens/list_screen_layout.h"
#include "ui/widgets/screen_keys.h"

namespace tk {

SelectPlayer::SelectPlayer(Game &game, int place, QWidget *parent)
    : QDialog(parent), game_(game), place_(place) {
    setObjectName(QStringLiteral("SelectPlayer"));
    setWindowTitle(QStringLiteral("選手選択"));
    setModal(true);

    list_ = new PlayerList(game_.state, this);
    choose_ = new QPushButton(QStringLiteral("上記の選手に決定"), this);
    choose_->setObjectName(QStringLiteral("Command1"));
    release_ = new QPushButton(QStringLiteral("現在の選手をやめる"), this);
    release_->setObjectName(QStringLiteral("Command2"));
    cancel_ = new QPushButton(QStringLiteral("キャンセル"), this);
    cancel_->setObjectName(QStringLiteral("Command3"));

    connect(choose_, &QPushButton::clicked, this, &SelectPlayer::Choose);
    connect(release_, &QPushButton::clicked, this, &SelectPlayer::Release);
    connect(cancel_, &QPushButton::clicked, this, &SelectPlayer::reject);
    connect(list_, &PlayerList::selectionChanged, this, &SelectPlayer::UpdateButtons);

    LayOutListScreen(this, list_, {choose_, release_, cancel_});

    UpdateButtons();
    SetUpScreenKeys(this, choose_, list_);
}

void SelectPlayer::UpdateButtons() {
    // A blank selected row (the list scrolled under it) elects nobody: nothing to choose.
    choose_->setEnabled(CanChoosePracticePlayer(game_.state, place_, list_->ElectedPlayer()));
    release_->setEnabled(CanReleasePracticePlayer(game_.state, place_));
}

void SelectPlayer::Choose() {
    if (ChoosePracticePlayer(game_, place_, list_->ElectedPlayer())) accept();
}

void SelectPlayer::Release() {
    if (ReleasePracticePlayer(game_, place_)) accept();
}

}  // namespace tk
