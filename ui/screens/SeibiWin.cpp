// The maintenance screen: the level chosen sets the price; "整備" restores the marked courts.
#include "ui/screens/SeibiWin.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/rules/game.h"
#include "ui/widgets/label_style.h"
#include "ui/widgets/screen_keys.h"

namespace tk {

SeibiWin::SeibiWin(Game &game, MaintainMarks &marks, int count, QWidget *parent)
    : QDialog(parent), game_(game), marks_(marks), count_(count) {
    setObjectName(QStringLiteral("SeibiWin"));
    setWindowTitle(QString::fromUtf8(kMaintenanceCaption));

    countLabel_ = new QLabel(this);
    countLabel_->setObjectName(QStringLiteral("CntSeibi"));
    price_ = new QLabel(this);
    price_->setObjectName(QStringLiteral("Price"));
    QFont big = price_->font();
    big.setPointSize(big.pointSize() + 3);
    big.setBold(true);
    countLabel_->setFont(big);
    price_->setFont(big);

    auto *levelBox = new QGroupBox(QStringLiteral("整備の程度"), this);
    auto *levelRow = new QHBoxLayout(levelBox);
    auto *group = new QButtonGroup(this);
    for (int level = 1; level <= 3; ++level) {
        auto *option = new QRadioButton(FromUtf8(MaintenanceLevelCaption(level)), levelBox);
        option->setObjectName(QStringLiteral("Level_%1").arg(level));
        group->addButton(option, level);
        levelRow->addWidget(option);
        levels_[static_cast<std::size_t>(level - 1)] = option;
    }
    connect(group, &QButtonGroup::idClicked, this, &SeibiWin::ChooseLevel);

    auto *facts = new QGridLayout;
    facts->addWidget(new QLabel(QStringLiteral("整備するコート"), this), 0, 0);
    facts->addWidget(countLabel_, 0, 1, Qt::AlignRight);
    facts->addWidget(new QLabel(QStringLiteral("金額"), this), 1, 0);
    facts->addWidget(price_, 1, 1, Qt::AlignRight);

    maintain_ = new QPushButton(QStringLiteral("整備"), this);
    maintain_->setObjectName(QStringLiteral("Command1"));
    close_ = new QPushButton(QStringLiteral("閉じる"), this);
    close_->setObjectName(QStringLiteral("Command2"));
    maintain_->setAutoDefault(false);
    close_->setAutoDefault(false);
    connect(maintain_, &QPushButton::clicked, this, &SeibiWin::Maintain);
    connect(close_, &QPushButton::clicked, this, &QDialog::reject);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(maintain_);
    buttons->addWidget(close_);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(facts);
    layout->addWidget(levelBox);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    ChooseLevel(kDefaultMaintenanceLevel);
    SetUpScreenKeys(this, maintain_, levels_[static_cast<std::size_t>(level_ - 1)]);
}

void SeibiWin::ChooseLevel(int level) {
    if (level < 1 || level > 3) return;
    level_ = level;
    Redraw();
}

void SeibiWin::Redraw() {
    levels_[static_cast<std::size_t>(level_ - 1)]->setChecked(true);
    countLabel_->setText(FromUtf8(MaintenanceCountText(count_)));
    price_->setText(FromUtf8(MaintenanceCostText(count_, level_)));
    maintain_->setEnabled(CanMaintain(count_, level_));
}

void SeibiWin::Maintain() {
    // A "いいえ" keeps the screen open with the marks as they were.
    if (tk::Maintain(game_, marks_, count_, level_)) accept();
}

}  // namespace tk
