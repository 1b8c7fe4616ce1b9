// The scout request screen.
#include "ui/screens/IraiWin.h"

#include <QButtonGroup>
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

IraiWin::IraiWin(Game &game, QWidget *parent) : QDialog(parent), game_(game) {
    setObjectName(QStringLiteral("IraiWin"));
    setWindowTitle(QString::fromUtf8(kScoutRequestCaption));
    setModal(true);

    auto *priceFrame = new QGroupBox(QStringLiteral("費用"), this);
    price_ = new QLabel(priceFrame);
    price_->setObjectName(QStringLiteral("Hiyous"));
    price_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    price_->setMinimumWidth(120);
    QFont big = price_->font();
    big.setPointSize(big.pointSize() + 4);
    big.setBold(true);
    price_->setFont(big);
    (new QVBoxLayout(priceFrame))->addWidget(price_);

    requestButton_ = new QPushButton(QStringLiteral("依頼"), this);
    requestButton_->setObjectName(QStringLiteral("Command1"));
    close_ = new QPushButton(QStringLiteral("閉じる"), this);
    close_->setObjectName(QStringLiteral("Command2"));
    for (QPushButton *b : {requestButton_, close_}) b->setAutoDefault(false);
    connect(requestButton_, &QPushButton::clicked, this, &IraiWin::Request);
    connect(close_, &QPushButton::clicked, this, &IraiWin::reject);

    auto *side = new QVBoxLayout;
    side->addWidget(priceFrame);
    side->addStretch();
    side->addWidget(requestButton_);
    side->addWidget(close_);

    auto *layout = new QHBoxLayout(this);
    layout->addWidget(MakeAgeFrame());
    layout->addWidget(MakeRankFrame());
    layout->addLayout(side);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    // Opens on "指定しない" and "普通"; "最強" is for a level-5 team only.
    request_ = ScoutRequest{};
    for (int rank = 0; rank < kScoutRanks; ++rank)
        Ranks(rank)->setEnabled(IsScoutRankAvailable(game_.state, rank));
    ShowChoice();
    SetUpScreenKeys(this, requestButton_, Ages(request_.ageBand));
}

QWidget *IraiWin::MakeAgeFrame() {
    auto *frame = new QGroupBox(QStringLiteral("年齢"), this);
    auto *group = new QButtonGroup(frame);
    auto *layout = new QVBoxLayout(frame);
    for (int band = 0; band < kScoutAgeBands; ++band) {
        auto *option = new QRadioButton(QString::fromUtf8(AgeBandOf(band).caption), frame);
        option->setObjectName(QStringLiteral("Ages_%1").arg(band));
        group->addButton(option, band);
        ages_[Index(band)] = option;
        layout->addWidget(option);
    }
    connect(group, &QButtonGroup::idClicked, this, &IraiWin::ChooseAgeBand);
    return frame;
}

QWidget *IraiWin::MakeRankFrame() {
    auto *frame = new QGroupBox(QStringLiteral("ランク"), this);
    auto *group = new QButtonGroup(frame);
    auto *layout = new QVBoxLayout(frame);
    for (int rank = 0; rank < kScoutRanks; ++rank) {
        auto *option = new QRadioButton(QString::fromUtf8(RankOf(rank).caption), frame);
        option->setObjectName(QStringLiteral("Ranks_%1").arg(rank));
        group->addButton(option, rank);
        ranks_[Index(rank)] = option;
        layout->addWidget(option);
    }
    connect(group, &QButtonGroup::idClicked, this, &IraiWin::ChooseRank);
    return frame;
}

void IraiWin::ShowChoice() {
    Ages(request_.ageBand)->setChecked(true);
    Ranks(request_.rank)->setChecked(true);
    price_->setText(FromUtf8(ScoutPriceText(request_)));
    requestButton_->setEnabled(CanPlaceScoutRequest(game_.state, request_));
}

void IraiWin::ChooseAgeBand(int band) {
    if (band < 0 || band >= kScoutAgeBands) return;
    request_.ageBand = band;
    ShowChoice();
}

void IraiWin::ChooseRank(int rank) {
    if (!IsScoutRankAvailable(game_.state, rank)) return;
    request_.rank = rank;
    ShowChoice();
}

void IraiWin::Request() {
    if (PlaceScoutRequest(game_, request_)) accept();
}

}  // namespace tk
