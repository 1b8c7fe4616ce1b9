// The whole-grounds screen: picture, bars, court table, marks and commands.
#include "ui/screens/WholeTochiWin.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/rules/game.h"
#include "ui/screens/BoughtTochiWin.h"
#include "ui/screens/SeibiWin.h"
#include "ui/screens/whole_grounds_picture.h"
#include "ui/widgets/screen_keys.h"

namespace tk {

namespace {

constexpr std::array<const char *, 3> kRowCaptions = {"晴れ/昼間", "晴れ/夜", "雨天時"};

}  // namespace

WholeTochiWin::WholeTochiWin(Game &game, MaintainMarks &marks, AllotmentOpener openAllotment,
                             QWidget *parent)
    : QDialog(parent), game_(game), marks_(marks), openAllotment_(std::move(openAllotment)) {
    setObjectName(QStringLiteral("WholeTochiWin"));
    setWindowTitle(QStringLiteral("土地"));

    picture_ = new WholeGroundsPicture(this);
    connect(picture_, &WholeGroundsPicture::lotClicked, this, &WholeTochiWin::ToggleLot);
    auto *hint = new QLabel(QStringLiteral("土地をクリックして選んでください"), this);

    maintain_ = new QPushButton(QStringLiteral("整備"), this);
    maintain_->setObjectName(QStringLiteral("Maintain"));
    build_ = new QPushButton(QStringLiteral("工事"), this);
    build_->setObjectName(QStringLiteral("Build"));
    buy_ = new QPushButton(QStringLiteral("購入"), this);
    buy_->setObjectName(QStringLiteral("Buy"));
    allotment_ = new QPushButton(QStringLiteral("練習配分"), this);
    allotment_->setObjectName(QStringLiteral("Allotment"));
    close_ = new QPushButton(QStringLiteral("閉じる"), this);
    close_->setObjectName(QStringLiteral("Command1"));
    auto *buttons = new QVBoxLayout;
    for (QPushButton *b : {maintain_, build_, buy_, allotment_, close_}) {
        b->setAutoDefault(false);
        b->setMinimumWidth(110);
        buttons->addWidget(b);
    }
    buttons->addStretch();
    connect(maintain_, &QPushButton::clicked, this, &WholeTochiWin::Maintain);
    connect(build_, &QPushButton::clicked, this, &WholeTochiWin::BuildOnLot);
    connect(buy_, &QPushButton::clicked, this, &WholeTochiWin::Buy);
    connect(allotment_, &QPushButton::clicked, this, &WholeTochiWin::OpenAllotment);
    connect(close_, &QPushButton::clicked, this, &QDialog::accept);

    auto *side = new QVBoxLayout;
    side->addWidget(MakeCourtTable());
    side->addLayout(buttons);

    auto *left = new QVBoxLayout;
    left->addWidget(picture_);
    left->addWidget(hint);

    auto *layout = new QHBoxLayout(this);
    layout->addLayout(left);
    layout->addSpacing(8);
    layout->addLayout(side);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    Reopen();
    SetUpScreenKeys(this, close_);
}

QWidget *WholeTochiWin::MakeCourtTable() {
    auto *box = new QGroupBox(QStringLiteral("コート状況"), this);
    auto *grid = new QGridLayout(box);
    grid->setHorizontalSpacing(12);
    grid->addWidget(new QLabel(QStringLiteral("使えるコート"), box), 0, 1, Qt::AlignRight);
    grid->addWidget(new QLabel(QStringLiteral("使えないコート"), box), 0, 2, Qt::AlignRight);
    for (int row = 0; row < 3; ++row) {
        const auto i = static_cast<std::size_t>(row);
        grid->addWidget(new QLabel(QString::fromUtf8(kRowCaptions[i]), box), row + 1, 0);
        usable_[i] = new QLabel(box);
        usable_[i]->setObjectName(QStringLiteral("Usable_%1").arg(row));
        unusable_[i] = new QLabel(box);
        unusable_[i]->setObjectName(QStringLiteral("Unusable_%1").arg(row));
        grid->addWidget(usable_[i], row + 1, 1, Qt::AlignRight);
        grid->addWidget(unusable_[i], row + 1, 2, Qt::AlignRight);
    }
    return box;
}

void WholeTochiWin::Reopen() {
    Redraw();
    // The table recounts the courts (and fits the allotments to them) as the screen opens.
    const CourtTable table = WholeGroundsCourtTable(game_.state);
    for (std::size_t row = 0; row < 3; ++row) {
        usable_[row]->setText(QString::number(table.usable[row]));
        unusable_[row]->setText(QString::number(table.unusable[row]));
    }
}

void WholeTochiWin::Redraw() {
    picture_->Redraw(game_.state, marks_);
    const LotCommands commands = WholeGroundsCommands(game_.state, marks_);
    maintain_->setEnabled(commands.maintain);
    build_->setEnabled(commands.build);
    buy_->setEnabled(commands.buy);
    // The allotment screen is plugged in by whoever opens this one.
    allotment_->setEnabled(static_cast<bool>(openAllotment_));
}

void WholeTochiWin::ToggleLot(int lot) {
    if (ToggleMaintainMark(marks_, lot)) Redraw();
}

void WholeTochiWin::Maintain() {
    const int count = MarkedLotCount(marks_);
    if (!WholeGroundsCommands(game_.state, marks_).maintain) return;
    SeibiWin screen(game_, marks_, count, this);
    screen.exec();
    Reopen();
}

void WholeTochiWin::BuildOnLot() {
    if (!WholeGroundsCommands(game_.state, marks_).build) return;
    BoughtTochiWin::Rebuild(game_, SingleMarkedLot(marks_), this);
    Reopen();
}

void WholeTochiWin::Buy() {
    if (!WholeGroundsCommands(game_.state, marks_).buy) return;
    BoughtTochiWin::BuyAndBuild(game_, SingleMarkedLot(marks_), this);
    Reopen();
}

void WholeTochiWin::OpenAllotment() {
    if (!openAllotment_) return;
    openAllotment_(this);
    Reopen();
}

void WholeTochiWin::done(int result) {
    // The marks belong to this visit: leaving the grounds forgets them.
    ClearMaintainMarks(marks_);
    QDialog::done(result);
}

}  // namespace tk
