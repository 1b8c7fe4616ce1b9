// The coach choice screen.
#include "ui/screens/ElectCoach.h"

#include <QPushButton>

#include "core/rules/coach_rules.h"
#include "core/rules/game.h"
#include "ui/screens/CoachList.h"
#include "ui/screens/list_screen_layout.h"
#include "ui/widgets/screen_keys.h"

namespace tk {

ElectCoach::ElectCoach(Game &game, int coachKind, QWidget *parent)
    : QDialog(parent), game_(game), coachKind_(coachKind) {
    setObjectName(QStringLiteral("ElectCoach"));
    setWindowTitle(QString::fromUtf8(kElectCoachCaption));
    setModal(true);

    list_ = new CoachList(this);
    hire_ = new QPushButton(QStringLiteral("上記のコーチと契約"), this);
    hire_->setObjectName(QStringLiteral("Command1"));
    release_ = new QPushButton(QStringLiteral("現在のコーチを解約"), this);
    release_->setObjectName(QStringLiteral("Command2"));
    cancel_ = new QPushButton(QStringLiteral("キャンセル"), this);
    cancel_->setObjectName(QStringLiteral("Command3"));

    connect(hire_, &QPushButton::clicked, this, &ElectCoach::Hire);
    connect(release_, &QPushButton::clicked, this, &ElectCoach::Release);
    connect(cancel_, &QPushButton::clicked, this, &ElectCoach::reject);
    connect(list_, &CoachList::selectionChanged, this, &ElectCoach::UpdateButtons);

    LayOutListScreen(this, list_, {hire_, release_, cancel_});

    // The cheapest free coach is preselected.
    list_->MakeList(game_.state);
    list_->Select(0);
    UpdateButtons();
    SetUpScreenKeys(this, hire_, list_);
}

void ElectCoach::UpdateButtons() {
    hire_->setEnabled(CanHireCoach(game_.state, coachKind_, list_->ElectedCoach()));
    release_->setEnabled(CanReleaseCoach(game_.state, coachKind_));
}

void ElectCoach::Hire() {
    if (HireCoach(game_, coachKind_, list_->ElectedCoach())) accept();
}

void ElectCoach::Release() {
    if (ReleaseCoach(game_, coachKind_)) accept();
}

}  // namespace tk
