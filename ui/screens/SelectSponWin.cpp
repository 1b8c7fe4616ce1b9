// The sponsor choice screen: one sponsor at a time, its terms, and signing it.
#include "ui/screens/SelectSponWin.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/rules/game.h"
#include "core/rules/sponsors.h"
#include "ui/widgets/label_style.h"
#include "ui/widgets/screen_keys.h"

namespace tk {

namespace {

QString Lines(const std::string &text) {
    return QString::fromStdString(text).replace(QLatin1Char('\r'), QLatin1Char('\n'));
}

QLabel *Field(QWidget *parent, const QString &name) {
    auto *label = new QLabel(parent);
    label->setObjectName(name);
    label->setWordWrap(true);
    label->setMinimumWidth(260);
    return label;
}

}  // namespace

SelectSponWin::SelectSponWin(Game &game, int slot, QWidget *parent) : QDialog(parent), game_(game) {
    setObjectName(QStringLiteral("SelectSponWin"));
    choice_.slot = slot;

    name_ = Field(this, QStringLiteral("SponsorName"));
    QFont big = name_->font();
    big.setPointSize(big.pointSize() + 4);
    big.setBold(true);
    name_->setFont(big);
    position_ = Field(this, QStringLiteral("Position"));
    position_->setMinimumWidth(0);
    signed_ = Field(this, QStringLiteral("SignedMark"));
    signed_->setMinimumWidth(0);
    QFont mark = signed_->font();
    mark.setPointSize(mark.pointSize() + 6);
    mark.setBold(true);
    signed_->setFont(mark);
    SetTextColour(signed_, QColor(Qt::red));
    condition_ = Field(this, QStringLiteral("Condition"));
    fee_ = Field(this, QStringLiteral("Fee"));
    keeping_ = Field(this, QStringLiteral("Keeping"));
    penalty_ = Field(this, QStringLiteral("Penalty"));

    auto *head = new QHBoxLayout;
    head->addWidget(name_, 1);
    head->addWidget(signed_);
    head->addSpacing(10);
    head->addWidget(position_);

    auto *terms = new QGridLayout;
    terms->setVerticalSpacing(8);
    const QString captions[] = {QStringLiteral("契約条件"), QStringLiteral("契約金"),
                                QStringLiteral("常守条件"), QStringLiteral("違約金")};
    QLabel *fields[] = {condition_, fee_, keeping_, penalty_};
    for (int row = 0; row < 4; ++row) {
        terms->addWidget(new QLabel(captions[row], this), row, 0, Qt::AlignTop);
        terms->addWidget(fields[row], row, 1);
    }

    previous_ = new QPushButton(QStringLiteral("前へ"), this);
    previous_->setObjectName(QStringLiteral("Command2"));
    next_ = new QPushButton(QStringLiteral("次へ"), this);
    next_->setObjectName(QStringLiteral("Command1"));
    sign_ = new QPushButton(QStringLiteral("契約"), this);
    sign_->setObjectName(QStringLiteral("Command3"));
    close_ = new QPushButton(QStringLiteral("閉じる"), this);
    close_->setObjectName(QStringLiteral("Command4"));
    auto *buttons = new QHBoxLayout;
    for (QPushButton *b : {previous_, next_, sign_, close_}) {
        b->setAutoDefault(false);
        buttons->addWidget(b);
    }
    connect(next_, &QPushButton::clicked, this, &SelectSponWin::Next);
    connect(previous_, &QPushButton::clicked, this, &SelectSponWin::Previous);
    connect(sign_, &QPushButton::clicked, this, &SelectSponWin::Sign);
    connect(close_, &QPushButton::clicked, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(head);
    layout->addLayout(terms);
    // Whether the sponsor may be signed is read in the screen, not only in its caption.
    verdict_ = new QLabel(this);
    verdict_->setObjectName(QStringLiteral("Verdict"));
    verdict_->setAlignment(Qt::AlignCenter);
    // Wide enough that the caption, which says the same, is never cut off either.
    verdict_->setMinimumWidth(
        verdict_->fontMetrics().horizontalAdvance(
            FromUtf8(SponsorChoiceCaption(game_.state, kLastSponsor)) + QStringLiteral("満")) +
        140);
    layout->addWidget(verdict_);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    Views();
    // Enter signs the sponsor shown when he may be signed; otherwise it shows the next one.
    SetUpScreenKeys(this, sign_, sign_->isEnabled() ? sign_ : next_);
}

void SelectSponWin::Views() {
    const GameState &s = game_.state;
    const int n = choice_.shown;
    const QString caption = FromUtf8(SponsorChoiceCaption(s, n));
    setWindowTitle(caption);
    verdict_->setText(caption.mid(caption.indexOf(QLatin1Char('-')) + 1));
    name_->setText(Lines(SName(n)));
    position_->setText(FromUtf8(SponsorPositionText(n)));
    condition_->setText(Lines(SJoken(n)));
    fee_->setText(FromUtf8(SponsorFeeText(n)));
    keeping_->setText(Lines(SZyoushu(n)));
    penalty_->setText(FromUtf8(SponsorPenaltyText(n)));
    signed_->setText(FromUtf8(SponsorSignedMark(s, n)));
    sign_->setEnabled(CanSignSponsor(s, choice_.slot, n));
}

void SelectSponWin::Next() {
    if (ShowNextSponsor(choice_)) Views();
}

void SelectSponWin::Previous() {
    if (ShowPreviousSponsor(choice_)) Views();
}

void SelectSponWin::Sign() {
    // "いいえ" keeps the screen open on the same sponsor.
    if (SignSponsor(game_, choice_.slot, choice_.shown)) accept();
}

}  // namespace tk
