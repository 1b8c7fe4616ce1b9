// The match announcement.
#include "ui/screens/BeforeGame.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QVBoxLayout>

#include "core/rules/game.h"
#include "core/rules/lookups.h"
#include "ui/base/timing.h"
#include "ui/widgets/pictures.h"

namespace tk {

namespace {

QLabel *MakeTitle(QWidget *parent, const QString &name, int pointSize) {
    auto *label = new QLabel(parent);
    label->setObjectName(name);
    label->setAlignment(Qt::AlignCenter);
    QFont f = label->font();
    f.setPointSize(pointSize);
    f.setBold(true);
    label->setFont(f);
    return label;
}

}  // namespace

BeforeGame::BeforeGame(const GameState &s, QWidget *parent) : BeforeGame(s, false, parent) {}

BeforeGame::BeforeGame(const Game &game, QWidget *parent)
    : BeforeGame(game.state, game.settings.FastMode == kTrue, parent) {}

BeforeGame::BeforeGame(const GameState &s, bool fast, QWidget *parent) : QDialog(parent) {
    setObjectName(QStringLiteral("BeforeGame"));
    setWindowTitle(QStringLiteral("試合"));
    setModal(true);

    const int kind = ThisWeekMatchKind(s);
    gameKind_ = MakeTitle(this, QStringLiteral("GameKind"), 22);
    gameKind_->setText(QString::fromStdString(CompetitionName(kind)));
    pro_ = MakeTitle(this, QStringLiteral("Pro"), 18);
    pro_->setText(QString::fromStdString(RoundName(kind)));
    picture_ = new QLabel(this);
    picture_->setObjectName(QStringLiteral("Picture"));
    picture_->setPixmap(tk::Picture(PictureId::MatchIntro));

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(gameKind_);
    layout->addWidget(picture_, 0, Qt::AlignCenter);
    layout->addWidget(pro_);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    timer1_.setSingleShot(true);
    timer1_.setInterval(UiTiming::BeforeGameMs(fast));
    connect(&timer1_, &QTimer::timeout, this, &BeforeGame::accept);
}

void BeforeGame::showEvent(QShowEvent *event) {
    QDialog::showEvent(event);
    // The two seconds count from the moment the announcement is up.
    if (!timer1_.isActive()) timer1_.start();
}

void BeforeGame::mousePressEvent(QMouseEvent *event) {
    QDialog::mousePressEvent(event);
    accept();
}

void BeforeGame::keyPressEvent(QKeyEvent *event) {
    event->accept();
    accept();
}

}  // namespace tk
