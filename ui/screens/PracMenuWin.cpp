// The practice plan screen.
#include "ui/screens/PracMenuWin.h"

#include <QButtonGroup>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/rules/game.h"
#include "core/rules/plan_rules.h"
#include "ui/screens/ElectCoach.h"
#include "ui/screens/SelectPlayer.h"
#include "ui/screens/squad_screens.h"
#include "ui/widgets/game_tips.h"
#include "ui/widgets/label_style.h"
#include "ui/widgets/screen_keys.h"

namespace tk {

namespace {

constexpr int kNameWidth = 140;
const QColor kNameBackground(255, 255, 255);

}  // namespace

PracMenuWin::PracMenuWin(Game &game, QWidget *parent) : QDialog(parent), game_(game) {
    setObjectName(QStringLiteral("PracMenuWin"));
    setWindowTitle(QString::fromUtf8(kPracticePlanCaption));
    setModal(true);

    close_ = new QPushButton(QStringLiteral("閉じる"), this);
    close_->setObjectName(QStringLiteral("Command4"));
    close_->setAutoDefault(false);
    connect(close_, &QPushButton::clicked, this, &PracMenuWin::StoreAndClose);

    auto *bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(close_);

    auto *frames = new QHBoxLayout;
    frames->addWidget(MakeTeamFrame());
    frames->addWidget(MakeIndividualFrame());

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(frames);
    layout->addLayout(bottom);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    // The menu in force is the screen's choice; menus above the team's level stay shut,
    // though a stored one stays chosen.
    const GameState &s = game_.state;
    choice_ = s.TeamPracticeMenu;
    for (int menu = 0; menu < kPracticeMenus; ++menu) {
        Practices(menu)->setEnabled(CanChoosePracticeMenu(s, menu));
        Practices(menu)->setChecked(menu == choice_);
    }
    // Coaches are engaged in April only.
    teamCoach_->setEnabled(CanChooseCoaches(s));
    individualCoach_->setEnabled(CanChooseCoaches(s));
    Refresh();
    // Enter stores the menu and closes, as "閉じる"; Esc closes like the window frame.
    SetUpScreenKeys(this, close_, Practices(choice_));
}

QPushButton *PracMenuWin::MakeChooseButton(QWidget *parent, const QString &name) {
    auto *button = new QPushButton(QStringLiteral("選択"), parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

QLabel *PracMenuWin::MakeName(QWidget *parent, int k) {
    auto *name = new QLabel(parent);
    name->setObjectName(QStringLiteral("Personal_%1").arg(k));
    name->setFixedWidth(kNameWidth);
    name->setMinimumHeight(name->fontMetrics().height() + 6);
    name->setFrameShape(QFrame::Panel);
    name->setFrameShadow(QFrame::Sunken);
    SetBackgroundColour(name, kNameBackground);
    personal_[Index(k - 1)] = name;
    return name;
}

QWidget *PracMenuWin::MakeTeamFrame() {
    auto *frame = new QGroupBox(QStringLiteral("全体練習"), this);
    frame->setObjectName(QStringLiteral("TeamFrame"));
    auto *menus = new QButtonGroup(frame);
    auto *grid = new QGridLayout;
    for (int menu = 0; menu < kPracticeMenus; ++menu) {
        auto *option = new QRadioButton(FromUtf8(PracticeMenuName(menu)), frame);
        option->setObjectName(QStringLiteral("Practices_%1").arg(menu));
        option->setToolTip(PracticeMenuTip(menu));
        menus->addButton(option, menu);
        practices_[Index(menu)] = option;
        grid->addWidget(option, menu % 4, menu / 4);
    }
    connect(menus, &QButtonGroup::idClicked, this, &PracMenuWin::ChooseMenu);

    teamCoach_ = MakeChooseButton(frame, QStringLiteral("Command3"));
    teamCoach_->setToolTip(QStringLiteral("全体練習のコーチを選びます（4月のみ）。"));
    connect(teamCoach_, &QPushButton::clicked, this, [this] { ChooseCoach(kCoachTeam); });
    auto *coach = new QHBoxLayout;
    coach->addWidget(new QLabel(QStringLiteral("コーチ"), frame));
    coach->addWidget(MakeName(frame, 4));
    coach->addWidget(teamCoach_);

    auto *layout = new QVBoxLayout(frame);
    layout->addLayout(grid);
    layout->addStretch();
    layout->addLayout(coach);
    return frame;
}

QWidget *PracMenuWin::MakeIndividualFrame() {
    auto *frame = new QGroupBox(QStringLiteral("個別練習"), this);
    frame->setObjectName(QStringLiteral("IndividualFrame"));
    auto *grid = new QGridLayout(frame);

    individualCoach_ = MakeChooseButton(frame, QStringLiteral("Command1"));
    individualCoach_->setToolTip(
        QStringLiteral("個人練習のコーチを選びます（4月のみ）。いないと個人練習はできません。"));
    connect(individualCoach_, &QPushButton::clicked, this,
            [this] { ChooseCoach(kCoachIndividual); });
    grid->addWidget(new QLabel(QStringLiteral("コーチ"), frame), 0, 0);
    grid->addWidget(MakeName(frame, 5), 0, 1);
    grid->addWidget(individualCoach_, 0, 2);

    for (int place = 1; place <= 3; ++place) {
        players_[Index(place - 1)] =
            MakeChooseButton(frame, QStringLiteral("Command2_%1").arg(place));
        connect(players_[Index(place - 1)], &QPushButton::clicked, this,
                [this, place] { ChoosePlayer(place); });
        grid->addWidget(new QLabel(QStringLiteral("選手%1").arg(place), frame), place, 0);
        grid->addWidget(MakeName(frame, place), place, 1);
        grid->addWidget(players_[Index(place - 1)], place, 2);
    }
    return frame;
}

void PracMenuWin::Refresh() {
    const GameState &s = game_.state;
    for (int k = 1; k <= 5; ++k) Personal(k)->setText(FromUtf8(PracticePlanLabel(s, k)));
    for (QPushButton *b : players_) b->setEnabled(CanChoosePracticePlayers(s));
}

void PracMenuWin::ChooseMenu(int menu) {
    if (!CanChoosePracticeMenu(game_.state, menu)) return;
    choice_ = menu;
    Practices(menu)->setChecked(true);
}

void PracMenuWin::ChooseCoach(int coachKind) {
    if (!CanChooseCoaches(game_.state)) return;
    // Torn down with this screen (-1): nothing is left to redraw.
    if (ExecSquadScreen<ElectCoach>(this, game_, coachKind) < 0) return;
    Refresh();
}

void PracMenuWin::ChoosePlayer(int place) {
    if (!CanChoosePracticePlayers(game_.state)) return;
    if (ExecSquadScreen<SelectPlayer>(this, game_, place) < 0) return;
    Refresh();
}

void PracMenuWin::StoreAndClose() {
    StorePracticeMenu(game_.state, choice_);
    accept();
}

void PracMenuWin::changeEvent(QEvent *event) {
    // The names are read again whenever the screen comes to the front.
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) Refresh();
    QDialog::changeEvent(event);
}

}  // namespace tk
