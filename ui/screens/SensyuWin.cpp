// The player detail screen: one player's hexagon, grades, style and marks, with "←" / "→"
// (or the arrow keys) and "閉じる".
#include "ui/screens/SensyuWin.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

#include "core/rules/rating_rules.h"
#include "ui/widgets/accessible_item.h"
#include "ui/widgets/hexa_graph.h"
#include "ui/widgets/history_charts.h"
#include "ui/widgets/label_style.h"
#include "ui/widgets/screen_keys.h"

namespace tk {

SensyuWin::SensyuWin(const GameState &state, int player, QWidget *parent,
                     const HistoryStore *history)
    : QDialog(parent), state_(state), history_(history) {
    setObjectName(QStringLiteral("SensyuWin"));
    setWindowTitle(QStringLiteral("選手詳細"));

    benchGraph_ = new HexaGraph(this);
    benchGraph_->setObjectName(QStringLiteral("BenchGraph"));
    benchGraph_->setFixedSize(benchGraph_->sizeHint());

    for (std::size_t i = 0; i < force_.size(); ++i) {
        force_[i] = new QLabel(this);
        force_[i]->setObjectName(QStringLiteral("Force_%1").arg(i));
    }
    QFont titleFont = force_[8]->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.3);
    titleFont.setBold(true);
    force_[8]->setFont(titleFont);
    QFont gradeFont = force_[1]->font();
    gradeFont.setBold(true);
    for (int i = 1; i <= 6; ++i) force_[static_cast<std::size_t>(i)]->setFont(gradeFont);

    auto *grades = new QGridLayout;
    grades->setHorizontalSpacing(8);
    const char *captions[] = {"スタミナ　　", "パワー　　", "技術　　", "敏捷　　"};
    for (int row = 0; row < 4; ++row) {
        auto *caption = new QLabel(QString::fromUtf8(captions[row]), this);
        grades->addWidget(caption, row, 0);
        grades->addWidget(force_[static_cast<std::size_t>(row + 1)], row, 1);
        ReadCaptionFirst(caption, force_[static_cast<std::size_t>(row + 1)]);
    }
    fifthCaption_ = new QLabel(this);
    fifthCaption_->setObjectName(QStringLiteral("SB"));
    grades->addWidget(fifthCaption_, 4, 0);
    grades->addWidget(force_[5], 4, 1);
    ReadCaptionFirst(fifthCaption_, force_[5]);
    auto *typeCaption = new QLabel(QStringLiteral("タイプ　　　　"), this);
    grades->addWidget(typeCaption, 5, 0);
    grades->addWidget(force_[6], 5, 1);
    ReadCaptionFirst(typeCaption, force_[6]);
    for (std::size_t i : {9u, 10u, 7u}) force_[i]->raise();  // read after the grades, as shown
    grades->setColumnStretch(2, 1);

    auto *facts = new QVBoxLayout;
    facts->addWidget(force_[0]);
    facts->addLayout(grades);
    facts->addSpacing(6);
    facts->addWidget(force_[9]);
    facts->addWidget(force_[10]);
    facts->addWidget(force_[7]);
    facts->addStretch();

    auto *body = new QHBoxLayout;
    body->addWidget(benchGraph_, 0, Qt::AlignTop);
    body->addSpacing(8);
    body->addLayout(facts);

    previous_ = new QPushButton(QStringLiteral("←"), this);
    previous_->setObjectName(QStringLiteral("Command2"));
    next_ = new QPushButton(QStringLiteral("→"), this);
    next_->setObjectName(QStringLiteral("Command1"));
    previous_->setAccessibleName(QStringLiteral("前の選手"));
    next_->setAccessibleName(QStringLiteral("次の選手"));
    previous_->setAutoDefault(false);
    next_->setAutoDefault(false);
    close_ = new QPushButton(QStringLiteral("閉じる"), this);
    close_->setObjectName(QStringLiteral("Command3"));
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(previous_);
    buttons->addWidget(next_);
    buttons->addStretch();
    buttons->addWidget(close_);

    progress_ = new ProgressChart(this);
    progress_->setFixedSize(560, 280);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(force_[8]);
    layout->addLayout(body);
    layout->addWidget(progress_);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(next_, &QPushButton::clicked, this, [this] { Step(+1); });
    connect(previous_, &QPushButton::clicked, this, [this] { Step(-1); });
    connect(close_, &QPushButton::clicked, this, &QDialog::accept);
    // The arrow keys browse like "←" and "→", wherever the focus is.
    for (const auto &[key, step] : {std::pair{Qt::Key_Left, -1}, std::pair{Qt::Key_Right, +1}}) {
        auto *shortcut = new QShortcut(QKeySequence(key), this);
        shortcut->setContext(Qt::WidgetWithChildrenShortcut);
        connect(shortcut, &QShortcut::activated, this, [this, step = step] { Step(step); });
    }

    SetPlayerIndNum(player);
    SetUpScreenKeys(this, close_);
}

int SensyuWin::Browse(const GameState &state, int player, QWidget *parent,
                      const HistoryStore *history) {
    SensyuWin screen(state, player, parent, history);
    screen.exec();
    return screen.PlayerIndNum();
}

void SensyuWin::SetPlayerIndNum(int player) {
    // A browse never leaves the squad: past its end lie empty slots and then no slot at all.
    playerIndNum_ = ClampToSquad(state_, player);
    Redraw();
}

void SensyuWin::Step(int step) {
    const int p = playerIndNum_;
    if (step < 0 ? !CanBrowsePrevious(p) : !CanBrowseNext(state_, p)) return;
    SetPlayerIndNum(p + step);
}

void SensyuWin::Redraw() {
    const int p = playerIndNum_;
    const PlayerDetail v = MakePlayerDetail(state_, p);
    benchGraph_->MakeGraph(v.levels);
    force_[8]->setText(FromUtf8(v.title));
    force_[0]->setText(FromUtf8(v.age));
    for (std::size_t k = 0; k < v.grades.size(); ++k) ShowGrade(force_[k + 1], v.grades[k]);
    fifthCaption_->setText(FromUtf8(v.fifthCaption));
    force_[6]->setText(FromUtf8(v.style));
    SetTextColour(force_[6], ColorFromRgb(v.styleColour));
    force_[9]->setText(FromUtf8(v.regular));
    force_[10]->setText(FromUtf8(v.practice));
    force_[7]->setText(QString::fromUtf8(kPlayerState));
    previous_->setEnabled(CanBrowsePrevious(p));
    next_->setEnabled(CanBrowseNext(state_, p));
    ShowSquadProgress(progress_, history_, state_, p);
}

}  // namespace tk
