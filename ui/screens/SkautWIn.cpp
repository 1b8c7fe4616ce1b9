// The scouting result screen.
#include "ui/screens/SkautWIn.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/rules/game.h"
#include "core/rules/signing_rules.h"
#include "ui/screens/SkList.h"
#include "ui/screens/kaikoWin.h"
#include "ui/screens/squad_screens.h"
#include "ui/widgets/screen_keys.h"

namespace tk {

SkautWIn::SkautWIn(Game &game, QWidget *parent) : QDialog(parent), game_(game) {
    setObjectName(QStringLiteral("SkautWIn"));
    setModal(true);

    list_ = new SkList(this);
    sign_ = new QPushButton(QStringLiteral("上記の選手と契約"), this);
    sign_->setObjectName(QStringLiteral("Command1"));
    dismiss_ = new QPushButton(QStringLiteral("チームの選手を解雇"), this);
    dismiss_->setObjectName(QStringLiteral("Command2"));
    decline_ = new QPushButton(QStringLiteral("契約しない"), this);
    decline_->setObjectName(QStringLiteral("Command3"));
    for (QPushButton *b : {sign_, dismiss_, decline_}) b->setAutoDefault(false);
    titleLine_ = new QLabel(this);
    titleLine_->setObjectName(QStringLiteral("TitleLine"));

    connect(list_, &SkList::rowClicked, this, &SkautWIn::ToggleMark);
    connect(sign_, &QPushButton::clicked, this, &SkautWIn::Sign);
    connect(dismiss_, &QPushButton::clicked, this, &SkautWIn::DismissPlayers);
    connect(decline_, &QPushButton::clicked, this, &SkautWIn::Decline);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(titleLine_);
    buttons->addStretch();
    buttons->addWidget(sign_);
    buttons->addWidget(dismiss_);
    buttons->addWidget(decline_);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(list_);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    list_->Prev(game_.state);
    Evaluate();
    // Esc does nothing here: only the three buttons leave the scouting result.
    SetUpScreenKeys(this, sign_, dismiss_);
}

int SkautWIn::MarkedCount() const {
    return MarkedCandidateCount(game_.state);
}

void SkautWIn::Evaluate() {
    const QString title = QString::fromStdString(SigningTitle(game_.state));
    setWindowTitle(title);
    titleLine_->setText(title);
    sign_->setEnabled(CanSignCandidates(game_.state));
}

void SkautWIn::ToggleMark(int row) {
    if (!ToggleCandidateMark(game_.state, row)) return;
    list_->ShowMark(game_.state, row);
    Evaluate();
}

void SkautWIn::Sign() {
    if (SignCandidates(game_)) done(Accepted);
}

void SkautWIn::DismissPlayers() {
    if (ExecSquadScreen<kaikoWin>(this, game_) < 0) return;
    // The marks stay; the count, total, title and the 20-player limit follow the squad.
    Evaluate();
}

void SkautWIn::Decline() {
    if (DeclineCandidates(game_)) done(Accepted);
}

}  // namespace tk
