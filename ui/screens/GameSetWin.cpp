// The match booking screen.
#include "ui/screens/GameSetWin.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/rules/booking_rules.h"
#include "core/rules/game.h"
#include "core/rules/win_chance.h"
#include "ui/base/message_dialog.h"
#include "ui/widgets/screen_keys.h"

namespace tk {

namespace {

QString Text(const std::string &core) {
    return MessageToLabelText(QString::fromStdString(core));
}

constexpr int kFirstTournament = 2;
constexpr int kLastTournament = 4;

const char *const kApplyCaptions[] = {"関東選抜に申込む", "日本選手権に申込む",
                                      "ワールドテニスに申込む"};

}  // namespace

GameSetWin::GameSetWin(Game &game, QWidget *parent) : QDialog(parent), game_(game) {
    setObjectName(QStringLiteral("GameSetWin"));
    setWindowTitle(QStringLiteral("試合申込み"));
    setModal(true);

    command2_ = new QPushButton(QStringLiteral("閉じる"), this);
    command2_->setObjectName(QStringLiteral("Command2"));
    connect(command2_, &QPushButton::clicked, this, &GameSetWin::reject);

    auto *bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(command2_);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(MakePracticeFrame());
    layout->addWidget(MakeTournamentFrame());
    layout->addLayout(bottom);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    Load();
    SetUpScreenKeys(this, command1_, PGCom(0));
}

QWidget *GameSetWin::MakePracticeFrame() {
    praFre_ = new QGroupBox(this);
    praFre_->setObjectName(QStringLiteral("PraFre"));

    auto *levels = new QButtonGroup(praFre_);
    auto *levelRow = new QGridLayout;
    for (int j = 0; j < kPracticeLevels; ++j) {
        auto *option = new QRadioButton(Text(PracticeLevelName(j + 1)), praFre_);
        option->setObjectName(QStringLiteral("PGCom_%1").arg(j));
        levels->addButton(option, j);
        auto *chance = new QLabel(praFre_);
        chance->setObjectName(QStringLiteral("WinChance_%1").arg(j));
        chance->setToolTip(QStringLiteral("今のレギュラーで%1回試合をしたときの勝率の目安です")
                               .arg(kWinChanceMatches));
        levelRow->addWidget(option, 0, j);
        levelRow->addWidget(chance, 1, j);
        pgCom_[static_cast<std::size_t>(j)] = option;
        winChance_[static_cast<std::size_t>(j)] = chance;
    }
    connect(levels, &QButtonGroup::idClicked, this, &GameSetWin::ChooseLevel);

    canGame_ = new QLabel(praFre_);
    canGame_->setObjectName(QStringLiteral("CanGame"));
    canGame_->setMinimumWidth(220);

    command1_ = new QPushButton(QStringLiteral("試合申込み"), praFre_);
    command1_->setObjectName(QStringLiteral("Command1"));
    connect(command1_, &QPushButton::clicked, this, &GameSetWin::BookPractice);

    auto *bookRow = new QHBoxLayout;
    bookRow->addWidget(canGame_, 1);
    bookRow->addWidget(command1_);

    auto *box = new QVBoxLayout(praFre_);
    box->addLayout(levelRow);
    box->addLayout(bookRow);
    return praFre_;
}

QWidget *GameSetWin::MakeTournamentFrame() {
    auto *frame = new QGroupBox(QStringLiteral("公式戦"), this);
    frame->setObjectName(QStringLiteral("Frame2"));
    auto *grid = new QGridLayout(frame);
    grid->setHorizontalSpacing(16);
    for (int i = kFirstTournament; i <= kLastTournament; ++i) {
        const auto k = static_cast<std::size_t>(i - kFirstTournament);
        auto *apply = new QPushButton(QString::fromUtf8(kApplyCaptions[k]), frame);
        apply->setObjectName(QStringLiteral("GameKind_%1").arg(i));
        apply->setEnabled(false);
        connect(apply, &QPushButton::clicked, this, [this, i] { Apply(i); });
        auto *condition = new QLabel(frame);
        condition->setObjectName(QStringLiteral("Zyokenn_%1").arg(i));
        auto *dates = new QLabel(Text(TournamentDatesText(i)), frame);
        dates->setObjectName(QStringLiteral("Label1_%1").arg(i + 6));
        const int row = 2 * static_cast<int>(k);
        grid->addWidget(apply, row, 0);
        grid->addWidget(condition, row + 1, 0);
        grid->addWidget(dates, row, 1, 2, 1, Qt::AlignTop);
        gameKind_[k] = apply;
        zyokenn_[k] = condition;
        dates_[k] = dates;
    }
    return frame;
}

void GameSetWin::Load() {
    const GameState &s = game_.state;
    praFre_->setTitle(Text(PracticeFrameCaption(s)));
    const PracticeBooking booking = PracticeBookingState(s);
    canGame_->setText(Text(PracticeBookingText(booking)));
    command1_->setEnabled(booking == PracticeBooking::kAvailable);

    // Played on a copy of the club with a random source of its own: the game's draws stay.
    const std::array<int, 6> chances = PracticeWinPercents(s);
    for (int j = 0; j < kPracticeLevels; ++j) {
        PGCom(j)->setEnabled(CanChoosePracticeLevel(s, j + 1));
        WinChance(j)->setText(
            QStringLiteral("勝率 %1％").arg(chances[static_cast<std::size_t>(j)]));
    }
    PGCom(0)->setChecked(true);
    chosen_ = 0;

    for (int i = kFirstTournament; i <= kLastTournament; ++i) {
        Zyokenn(i)->setText(Text(TournamentConditionText(s, i)));
        GameKind(i)->setEnabled(CanApplyForTournament(s, i));
    }
}

void GameSetWin::ChooseLevel(int j) {
    if (j >= 0 && j < kPracticeLevels) chosen_ = j;
}

void GameSetWin::BookPractice() {
    if (AskAndBookPracticeMatch(game_, ChosenLevel())) accept();
}

void GameSetWin::Apply(int index) {
    if (AskAndApplyForTournament(game_, index)) accept();
}

}  // namespace tk
