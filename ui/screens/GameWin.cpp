// The match screen.
#include "ui/screens/GameWin.h"

#include <algorithm>
#include <cmath>

#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QRandomGenerator>
#include <QVBoxLayout>

#include "core/rules/game.h"
#include "core/rules/lookups.h"
#include "core/rules/match_summary.h"
#include "core/rules/rating_rules.h"
#include "ui/base/message_dialog.h"
#include "ui/base/timing.h"
#include "ui/base/units.h"
#include "ui/widgets/accessible_item.h"
#include "ui/widgets/click_label.h"
#include "ui/widgets/hexa_graph.h"
#include "ui/widgets/label_style.h"

namespace tk {

namespace {

constexpr int kTicksPerRow = 50;
constexpr int kFastTicksPerRow = 10;  // fast mode: a bar grows five times as fast
constexpr int kStickLeftTwips = GameWin::kStickRightTwips - GameWin::kStickTwips;
const QColor kOurBar(40, 110, 230);
const QColor kTheirBar(230, 60, 60);

QLabel *MakeLabel(QWidget *parent, const QString &name, int pointSize = 0, bool bold = false) {
    auto *label = new QLabel(parent);
    label->setObjectName(name);
    QFont f = label->font();
    if (pointSize > 0) f.setPointSize(pointSize);
    f.setBold(bold);
    label->setFont(f);
    return label;
}

QString Text(const std::string &core) {
    return QString::fromStdString(core);
}

void ShowStyle(QLabel *label, bool atNet) {
    label->setText(FromUtf8(StyleText(atNet ? 1 : 0)));
    SetTextColour(label, ColorFromRgb(StyleColour(atNet ? 1 : 0)));
}

int ToPixels(double twips) {
    return static_cast<int>(std::lround(twips / kTwipsPerPixel));
}

}  // namespace

GameWin::GameWin(Game &game, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      game_(game),
      flicker_(QRandomGenerator::global()->generate64()),
      fast_(game.settings.FastMode == kTrue),
      ticksPerRow_(fast_ ? kFastTicksPerRow : kTicksPerRow) {
    setObjectName(QStringLiteral("GameWin"));
    setWindowTitle(QStringLiteral("試合"));
    setModal(true);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(MakeHeader());
    layout->addWidget(MakeRows());
    layout->addWidget(MakeFooter());
    layout->setSizeConstraint(QLayout::SetFixedSize);

    for (int row = 1; row <= kComparedRows; ++row) {
        QTimer &timer = rowTimers_[Row(row)];
        timer.setInterval(UiTiming::BarTickMs());
        connect(&timer, &QTimer::timeout, this, [this, row] { RowTick(row); });
    }
    timer7_.setInterval(UiTiming::PercentFlickerMs());
    connect(&timer7_, &QTimer::timeout, this, &GameWin::Flicker);
    timer8_.setSingleShot(true);
    connect(&timer8_, &QTimer::timeout, this, &GameWin::ShowChance);
    timer1_.setSingleShot(true);
    connect(&timer1_, &QTimer::timeout, this, &GameWin::DecideBout);
    // Clicking the fifth difference stops the flicker early; the bout goes on as usual.
    connect(pts_[Row(kComparedRows)], &ClickLabel::clicked, &timer7_, &QTimer::stop);
    connect(toResult_, &QPushButton::clicked, this, &GameWin::PlayToEnd);

    match_ = std::make_unique<Match>(game_);
    gameName_->setText(MessageToLabelText(Text(match_->Heading())));
    ShowBout();
}

GameWin::~GameWin() = default;

QWidget *GameWin::MakeHeader() {
    auto *header = new QWidget(this);
    gameName_ = MakeLabel(header, QStringLiteral("GameName"), 14, true);
    men_ = MakeLabel(header, QStringLiteral("Men"), 18, true);
    men_->setAlignment(Qt::AlignCenter);
    nName_ = MakeLabel(header, QStringLiteral("NName"), 12, true);
    ww_ = MakeLabel(header, QStringLiteral("WW"), 14, true);
    ll_ = MakeLabel(header, QStringLiteral("LL"), 14, true);
    auto *score = new QHBoxLayout;
    score->addStretch();
    score->addWidget(ww_);
    score->addWidget(new QLabel(QStringLiteral("勝"), header));
    score->addSpacing(12);
    score->addWidget(ll_);
    score->addWidget(new QLabel(QStringLiteral("敗"), header));

    myGraph_ = new HexaGraph(header);
    myGraph_->setObjectName(QStringLiteral("MyGraph"));
    comGraph_ = new HexaGraph(header);
    comGraph_->setObjectName(QStringLiteral("ComGraph"));
    for (HexaGraph *g : {myGraph_, comGraph_}) g->setFixedSize(g->sizeHint());
    for (int side = 0; side < 2; ++side)
        pos_[static_cast<std::size_t>(side)] =
            MakeLabel(header, QStringLiteral("Pos_%1").arg(side), 14, true);
    auto *opponents = MakeLabel(header, QStringLiteral("Label2_7"), 12, true);
    opponents->setText(QStringLiteral("相手チーム"));

    auto *ours = new QVBoxLayout;
    ours->addWidget(nName_);
    ours->addWidget(pos_[0]);
    ours->addStretch();
    auto *theirs = new QVBoxLayout;
    theirs->addWidget(opponents, 0, Qt::AlignRight);
    theirs->addWidget(pos_[1], 0, Qt::AlignRight);
    theirs->addStretch();
    auto *middle = new QVBoxLayout;
    middle->addLayout(score);
    middle->addWidget(men_);
    middle->addStretch();

    auto *grid = new QGridLayout(header);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(gameName_, 0, 0, 1, 2);
    grid->addLayout(middle, 0, 2, 2, 1);
    grid->addWidget(myGraph_, 1, 0);
    grid->addLayout(ours, 1, 1);
    grid->addLayout(theirs, 1, 3);
    grid->addWidget(comGraph_, 1, 4);
    grid->setColumnStretch(2, 1);
    return header;
}

QWidget *GameWin::MakeRows() {
    auto *rows = new QWidget(this);
    auto *grid = new QGridLayout(rows);
    grid->setContentsMargins(0, 8, 0, 8);
    grid->setVerticalSpacing(6);
    const QColor strip = palette().color(QPalette::HighlightedText);
    for (int row = 1; row <= kComparedRows; ++row) {
        const std::size_t k = Row(row);
        auto *caption = MakeLabel(rows, QStringLiteral("Label2_%1").arg(row - 1));
        caption->setText(Text(CompareRowLabel(row)));
        myPoint_[k] = MakeLabel(rows, QStringLiteral("MyPoint_%1").arg(row), 14, true);
        comPoint_[k] = MakeLabel(rows, QStringLiteral("ComPoint_%1").arg(row), 14, true);
        for (QLabel *grade : {myPoint_[k], comPoint_[k]}) {
            grade->setAlignment(Qt::AlignCenter);
            grade->setMinimumWidth(24);
        }
        stick_[k] = new QWidget(rows);
        stick_[k]->setObjectName(QStringLiteral("Stick_%1").arg(row));
        stick_[k]->setFixedSize(ToPixels(kStickTwips), 20);
        SetBackgroundColour(stick_[k], strip);
        myForce_[k] = new QWidget(stick_[k]);
        myForce_[k]->setObjectName(QStringLiteral("MyForce_%1").arg(row));
        SetBackgroundColour(myForce_[k], kOurBar);
        comForce_[k] = new QWidget(stick_[k]);
        comForce_[k]->setObjectName(QStringLiteral("ComForce_%1").arg(row));
        SetBackgroundColour(comForce_[k], kTheirBar);
        pts_[k] = new ClickLabel(rows);
        pts_[k]->setObjectName(QStringLiteral("Pts_%1").arg(row));
        pts_[k]->setMinimumWidth(64);
        pts_[k]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        grid->addWidget(caption, row - 1, 0);
        grid->addWidget(myPoint_[k], row - 1, 1);
        grid->addWidget(stick_[k], row - 1, 2);
        grid->addWidget(comPoint_[k], row - 1, 3);
        grid->addWidget(pts_[k], row - 1, 4);
    }
    return rows;
}

QWidget *GameWin::MakeFooter() {
    auto *footer = new QWidget(this);
    auto *sumCaption = MakeLabel(footer, QStringLiteral("Label2_9"), 12, true);
    sumCaption->setText(QStringLiteral("合計"));
    sumPts_ = MakeLabel(footer, QStringLiteral("SumPts"), 14, true);
    sumPts_->setMinimumWidth(80);
    auto *chanceCaption = MakeLabel(footer, QStringLiteral("Label2_10"), 12, true);
    chanceCaption->setText(QStringLiteral("勝利確率"));
    p_ = MakeLabel(footer, QStringLiteral("P"), 24, true);
    p_->setMinimumWidth(90);
    SetTextColour(p_, QColor(220, 0, 0));
    toResult_ = new QPushButton(QStringLiteral("結果へ"), footer);
    toResult_->setObjectName(QStringLiteral("ToResult"));
    toResult_->setAutoDefault(false);
    toResult_->setToolTip(QStringLiteral("残りの試合をすぐに終わらせます（勝敗は同じです）"));
    auto *row = new QHBoxLayout(footer);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(toResult_);
    row->addStretch();
    row->addWidget(sumCaption);
    row->addWidget(sumPts_);
    row->addSpacing(24);
    row->addWidget(chanceCaption);
    row->addWidget(p_);
    return footer;
}

// The display of the bout the engine has just begun: empty bars and differences, both
// players, their sides of the court, the compared grades and the score so far.
void GameWin::ShowBout() {
    const Match &m = *match_;
    sumPts_->clear();
    tick_ = 0;
    for (int row = 1; row <= kComparedRows; ++row) {
        myWidth_[Row(row)] = 0;
        comWidth_[Row(row)] = 0;
        PlaceBars(row);
        pts_[Row(row)]->clear();
        rowTimers_[Row(row)].stop();
        ShowGrade(myPoint_[Row(row)], GradeLetter(m.OurValue(row)));
        ShowGrade(comPoint_[Row(row)], GradeLetter(m.TheirValue(row)));
    }
    myGraph_->MakeGraph(HexagonLevels(m.OurPlayer()));
    comGraph_->MakeGraph(HexagonLevels(m.TheirPlayer()));
    ShowStyle(pos_[0], m.OurAtNet());
    ShowStyle(pos_[1], m.TheirAtNet());
    men_->setText(Text(BoutLabel(m.BoutNumber())));
    nName_->setText(Text(m.OurPlayerName()));
    ww_->setText(QString::number(m.TeamWins()));
    ll_->setText(QString::number(m.TeamLosses()));
}

void GameWin::RunBout() {
    timer7_.start();
    rowTimers_[0].start();
}

void GameWin::PlaceBars(int row) {
    const std::size_t k = Row(row);
    const int stick = stick_[k]->width();
    const int height = stick_[k]->height();
    const int myRight = std::clamp(ToPixels(myWidth_[k]), 0, stick);
    const int comLeft = std::clamp(ToPixels(ComForceLeftTwips(row) - kStickLeftTwips), 0, stick);
    myForce_[k]->setGeometry(0, 0, myRight, height);
    comForce_[k]->setGeometry(comLeft, 0, stick - comLeft, height);
    // The two bars read as their shares of the strip, after the row's caption.
    const auto share = [stick](int width) { return stick > 0 ? width * 100 / stick : 0; };
    const QString caption = Text(CompareRowLabel(row));
    SetAccessibleText(myForce_[k], caption + QStringLiteral(" こちら %1%").arg(share(myRight)));
    SetAccessibleText(comForce_[k],
                      caption + QStringLiteral(" 相手 %1%").arg(share(stick - comLeft)));
}

void GameWin::RowTick(int row) {
    const std::size_t k = Row(row);
    myWidth_[k] += match_->OurShare(row) / static_cast<double>(ticksPerRow_);
    comWidth_[k] += match_->TheirShare(row) / static_cast<double>(ticksPerRow_);
    PlaceBars(row);
    if (++tick_ < ticksPerRow_) return;
    tick_ = 0;
    rowTimers_[k].stop();
    const int diff = match_->CompareSkill(row);
    pts_[k]->setText(Text(PointsText(diff)));
    sumPts_->setText(Text(PointsText(match_->RatingSum())));
    if (row < kComparedRows)
        rowTimers_[Row(row + 1)].start();
    else
        timer8_.start(UiTiming::PercentStepMs(fast_));
}

void GameWin::Flicker() {
    p_->setText(Text(FlickerPercentText(RandomRange(flicker_, 99, 0))));
}

void GameWin::ShowChance() {
    timer7_.stop();
    ShowChanceNow();
    timer1_.start(UiTiming::DrawStepMs(fast_));
}

void GameWin::ShowChanceNow() {
    p_->setText(Text(PercentText(WinPercent(match_->ComputeWinChance()))));
}

void GameWin::DecideBout() {
    const int bout = match_->BoutNumber();
    const bool won = match_->DrawBout();
    // The notice runs its own event loop; the screen may be torn down with its parent.
    QPointer<GameWin> self(this);
    deciding_ = true;
    ShowBoutResult(game_.ui, bout, won);
    if (!self) return;
    deciding_ = false;
    const bool over = won ? match_->BoutWon() : match_->BoutLost();
    if (!over) {
        ShowBout();
        if (skipAsked_)
            PlayToEnd();
        else
            RunBout();
        return;
    }
    Finish();
}

void GameWin::Finish() {
    if (settled_) return;  // the match is settled once, its prize paid once
    settled_ = true;
    QPointer<GameWin> self(this);
    next_ = SettleMatch(game_, match_->Won());
    if (!self) return;
    finished_ = true;
    accept();
}

void GameWin::ShowRowsDone() {
    // Rows the timers have compared count once: the engine skips them.
    for (int row = 1; row <= kComparedRows; ++row) {
        const std::size_t k = Row(row);
        myWidth_[k] = match_->OurShare(row);
        comWidth_[k] = match_->TheirShare(row);
        PlaceBars(row);
        pts_[k]->setText(Text(PointsText(match_->CompareSkill(row))));
    }
    sumPts_->setText(Text(PointsText(match_->RatingSum())));
}

void GameWin::PlayToEnd() {
    if (finished_ || skipping_) return;
    toResult_->setEnabled(false);
    if (deciding_) {
        skipAsked_ = true;
        return;
    }
    skipping_ = true;
    for (QTimer &timer : rowTimers_) timer.stop();
    timer7_.stop();
    timer8_.stop();
    timer1_.stop();
    tick_ = 0;
    // The engine's own bouts and settlement; one summary instead of a notice per bout.
    QPointer<GameWin> self(this);
    const AfterClose next = PlayRestOfMatch(game_, *match_);
    if (!self) return;
    ShowBout();
    ShowRowsDone();
    ShowChanceNow();
    next_ = next;
    finished_ = true;
    accept();
}

void GameWin::showEvent(QShowEvent *event) {
    QDialog::showEvent(event);
    if (started_) return;
    started_ = true;
    RunBout();
}

void GameWin::reject() {
    if (finished_) QDialog::reject();
}

void GameWin::closeEvent(QCloseEvent *event) {
    // No leaving a match midway: the close box is gone, and any other close is refused.
    if (finished_)
        QDialog::closeEvent(event);
    else
        event->ignore();
}

}  // namespace tk
