// The lineup screen.
#include "ui/screens/RegurarSetWin.h"

#include <algorithm>

#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "core/rules/game.h"
#include "core/rules/lookups.h"
#include "core/rules/rating_rules.h"
#include "ui/widgets/click_label.h"
#include "ui/widgets/hexa_graph.h"
#include "ui/widgets/label_style.h"
#include "ui/widgets/screen_keys.h"

namespace tk {

namespace {

constexpr int kNameWidth = 120;
constexpr int kCellsPerColumn = kBenchColumnCells;
constexpr int kVisibleColumns = kBenchCells / kCellsPerColumn;

const char *const kGradeCaptions[] = {"スタミナ", "パワー", "技術", "敏捷"};
constexpr const char *kRegularFifthCaption = "ショット/ボレー";
const QColor kNameBackground(255, 255, 255);

QLabel *MakeMarker(QWidget *parent, const QString &name) {
    auto *mark = new QLabel(QStringLiteral("▶"), parent);
    mark->setObjectName(name);
    SetTextColour(mark, QColor(255, 0, 0));
    // A hidden marker keeps its room, so the names do not move as the selection does.
    QSizePolicy policy = mark->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    mark->setSizePolicy(policy);
    mark->hide();
    return mark;
}

ClickLabel *MakeNameCell(QWidget *parent, const QString &name) {
    auto *cell = new ClickLabel(parent);
    cell->setObjectName(name);
    cell->setFrameShape(QFrame::Panel);
    cell->setFrameShadow(QFrame::Sunken);
    cell->setFixedWidth(kNameWidth);
    cell->setMinimumHeight(22);
    SetBackgroundColour(cell, kNameBackground);
    return cell;
}

}  // namespace

RegurarSetWin::RegurarSetWin(Game &game, QWidget *parent) : QDialog(parent), game_(game) {
    setObjectName(QStringLiteral("RegurarSetWin"));
    setWindowTitle(QStringLiteral("レギュラーを決めてください"));
    setModal(true);

    command1_ = new QPushButton(QStringLiteral("決定"), this);
    command1_->setObjectName(QStringLiteral("Command1"));
    command1_->setDefault(true);
    connect(command1_, &QPushButton::clicked, this, &RegurarSetWin::reject);

    auto *top = new QHBoxLayout;
    top->addWidget(MakePlaces());
    top->addWidget(MakeBench(), 1);

    auto *details = new QHBoxLayout;
    details->addWidget(
        MakeDetails(regularDetails_, QStringLiteral("RBenchGraph"), QStringLiteral("RF")));
    details->addWidget(
        MakeDetails(benchDetails_, QStringLiteral("BenchGraph"), QStringLiteral("Force")));

    auto *bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(command1_);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(details);
    layout->addLayout(bottom);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    // The arrow keys move the bench selection whichever control has the focus.
    installEventFilter(this);
    for (QWidget *child : findChildren<QWidget *>()) child->installEventFilter(this);

    place_ = 1;
    Refill();
    SelectPlace(1);
    SelectBenchCell(0);
    // Enter and Esc are "決定", which refuses while a place is empty.
    SetUpScreenKeys(this, command1_);
    // Enter after a swap is "決定", not the swap again: the moving buttons are no defaults.
    for (QPushButton *b : changeKey_) b->setAutoDefault(false);
    for (QPushButton *b : {up_, down_}) b->setAutoDefault(false);
}

QWidget *RegurarSetWin::MakePlaces() {
    auto *frame = new QGroupBox(QStringLiteral("レギュラー"), this);
    frame->setObjectName(QStringLiteral("RegF"));
    auto *grid = new QGridLayout(frame);
    grid->setVerticalSpacing(4);
    for (int n = 1; n <= kPlaces; ++n) {
        const std::size_t k = Index(n - 1);
        rElected_[k] = MakeMarker(frame, QStringLiteral("RElected_%1").arg(n));
        auto *caption = new QLabel(QStringLiteral("%1番手").arg(n), frame);
        caption->setObjectName(QStringLiteral("Label2_%1").arg(n - 1));
        rNameSection_[k] = MakeNameCell(frame, QStringLiteral("RNameSection_%1").arg(n));
        connect(rNameSection_[k], &ClickLabel::clicked, this, [this, n] { SelectPlace(n); });
        changeKey_[k] = new QPushButton(QStringLiteral("←→"), frame);
        changeKey_[k]->setObjectName(QStringLiteral("ChangeKey_%1").arg(n));
        changeKey_[k]->setAutoDefault(false);
        changeKey_[k]->setAccessibleName(QStringLiteral("%1番手と控えの選手を入れ替え").arg(n));
        connect(changeKey_[k], &QPushButton::clicked, this, [this, n] { SwapIntoPlace(n); });
        grid->addWidget(rElected_[k], n - 1, 0);
        grid->addWidget(caption, n - 1, 1);
        grid->addWidget(rNameSection_[k], n - 1, 2);
        grid->addWidget(changeKey_[k], n - 1, 3);
    }
    up_ = new QPushButton(QStringLiteral("↑"), frame);
    up_->setObjectName(QStringLiteral("Up"));
    down_ = new QPushButton(QStringLiteral("↓"), frame);
    down_->setObjectName(QStringLiteral("Down"));
    for (QPushButton *b : {up_, down_}) b->setAutoDefault(false);
    up_->setAccessibleName(QStringLiteral("選んだレギュラーを1つ上へ"));
    down_->setAccessibleName(QStringLiteral("選んだレギュラーを1つ下へ"));
    connect(up_, &QPushButton::clicked, this, [this] { MoveSelectedPlace(-1); });
    connect(down_, &QPushButton::clicked, this, [this] { MoveSelectedPlace(+1); });
    auto *moves = new QHBoxLayout;
    moves->addStretch();
    moves->addWidget(up_);
    moves->addWidget(down_);
    moves->addStretch();
    grid->addLayout(moves, kPlaces, 0, 1, 4);
    return frame;
}

QWidget *RegurarSetWin::MakeBench() {
    auto *frame = new QGroupBox(QStringLiteral("控え選手"), this);
    frame->setObjectName(QStringLiteral("BenchF"));
    auto *grid = new QGridLayout(frame);
    grid->setVerticalSpacing(4);
    for (int cell = 0; cell < kBenchCells; ++cell) {
        const int column = cell / kCellsPerColumn;
        const int row = cell % kCellsPerColumn;
        elected_[Index(cell)] = MakeMarker(frame, QStringLiteral("Elected_%1").arg(cell));
        nameSection_[Index(cell)] = MakeNameCell(frame, QStringLiteral("NameSection_%1").arg(cell));
        connect(nameSection_[Index(cell)], &ClickLabel::clicked, this,
                [this, cell] { SelectBenchCell(cell); });
        grid->addWidget(elected_[Index(cell)], row, 2 * column);
        grid->addWidget(nameSection_[Index(cell)], row, 2 * column + 1);
    }
    // More players than cells only while places are empty: the bench then scrolls by
    // columns so that every one of them can be put into a place.
    benchScroll_ = new QScrollBar(Qt::Horizontal, frame);
    benchScroll_->setObjectName(QStringLiteral("BenchScroll"));
    benchScroll_->setSingleStep(1);
    benchScroll_->setPageStep(1);
    QSizePolicy policy = benchScroll_->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    benchScroll_->setSizePolicy(policy);
    connect(benchScroll_, &QScrollBar::valueChanged, this, &RegurarSetWin::ScrollBench);
    grid->addWidget(benchScroll_, kCellsPerColumn, 0, 1, 2 * kVisibleColumns);
    return frame;
}

QWidget *RegurarSetWin::MakeDetails(Details &details, const QString &graphName,
                                    const QString &prefix) {
    auto *frame = new QFrame(this);
    frame->setObjectName(prefix + QStringLiteral("Frame"));
    frame->setFrameShape(QFrame::StyledPanel);
    details.graph = new HexaGraph(frame);
    details.graph->setObjectName(graphName);
    details.graph->setFixedSize(details.graph->sizeHint());

    for (int i = 0; i < 7; ++i) {
        auto *label = new QLabel(frame);
        label->setObjectName(QStringLiteral("%1_%2").arg(prefix).arg(i));
        if (i >= 1 && i <= 5) {
            QFont f = label->font();
            f.setBold(true);
            f.setPointSize(f.pointSize() + 2);
            label->setFont(f);
        }
        details.force[Index(i)] = label;
    }
    auto *grid = new QGridLayout;
    grid->addWidget(details.force[0], 0, 0, 1, 2);
    for (int row = 1; row <= 4; ++row)
        grid->addWidget(new QLabel(QString::fromUtf8(kGradeCaptions[row - 1]), frame), row, 0);
    // Only the bench's caption SB follows the player's style, as the rules say; the
    // regular's row keeps one caption that fits both the shot and the volley.
    const bool bench = prefix == QStringLiteral("Force");
    details.fifthCaption = new QLabel(
        bench ? QStringLiteral("　ショット") : QString::fromUtf8(kRegularFifthCaption), frame);
    details.fifthCaption->setObjectName(bench ? QStringLiteral("SB") : QStringLiteral("RSB"));
    details.captionFollowsStyle = bench;
    grid->addWidget(details.fifthCaption, 5, 0);
    for (int row = 1; row <= 5; ++row) grid->addWidget(details.force[Index(row)], row, 1);
    grid->addWidget(details.force[6], 6, 0, 1, 2);
    grid->setRowStretch(7, 1);

    auto *layout = new QHBoxLayout(frame);
    layout->addWidget(details.graph, 0, Qt::AlignTop);
    layout->addLayout(grid);
    return frame;
}

void RegurarSetWin::ShowDetails(Details &details, int slot) {
    const PlayerDetail v = MakePlayerDetail(game_.state, slot);
    details.graph->MakeGraph(v.levels);
    details.force[0]->setText(FromUtf8(v.age));
    for (int row = 1; row <= 5; ++row) {
        QLabel *grade = details.force[Index(row)];
        grade->setText(FromUtf8(v.grades[Index(row - 1)]));
        SetTextColour(grade, ColorFromRgb(v.gradeColours[Index(row - 1)]));
    }
    if (details.captionFollowsStyle) details.fifthCaption->setText(FromUtf8(v.fifthCaption));
    details.force[6]->setText(FromUtf8(v.style));
    SetTextColour(details.force[6], ColorFromRgb(v.styleColour));
}

void RegurarSetWin::ClearDetails(Details &details) {
    details.graph->MakeGraph(HexaGraph::Levels{});
    for (QLabel *label : details.force) label->clear();
}

void RegurarSetWin::Refill() {
    const GameState &s = game_.state;
    const int columns = BenchColumns(s);
    const int lastFirst = std::max(0, columns - kVisibleColumns);
    firstColumn_ = std::clamp(firstColumn_, 0, lastFirst);
    {
        const QSignalBlocker quiet(benchScroll_);
        benchScroll_->setRange(0, lastFirst);
        benchScroll_->setValue(firstColumn_);
    }
    benchScroll_->setVisible(lastFirst > 0);

    bench_ = FillBench(s, firstColumn_);
    for (int cell = 0; cell < kBenchCells; ++cell) {
        const int slot = bench_[Index(cell)];
        NameSection(cell)->setText(slot == kEmptyCell ? QString() : FromUtf8(PersonName(s, slot)));
    }
    for (int n = 1; n <= kPlaces; ++n) RNameSection(n)->setText(FromUtf8(PlaceName(s, n)));
    allFilled_ = AllFilled(s);
}

void RegurarSetWin::MarkBenchCell() {
    for (int cell = 0; cell < kBenchCells; ++cell)
        Elected(cell)->setVisible(benchChosen_ && cell == benchCell_ &&
                                  bench_[Index(cell)] != kEmptyCell);
}

void RegurarSetWin::SelectBenchCell(int cell) {
    if (cell < 0 || cell >= kBenchCells || bench_[Index(cell)] == kEmptyCell) return;
    benchCell_ = cell;
    benchChosen_ = true;
    MarkBenchCell();
    ShowDetails(benchDetails_, bench_[Index(cell)]);
}

void RegurarSetWin::SelectPlace(int n) {
    if (n < 1 || n > kPlaces) return;
    if (PlaceSlot(game_.state, n) == kEmptyCell) return;
    place_ = n;
    for (int k = 1; k <= kPlaces; ++k) RElected(k)->setVisible(k == n);
    ShowDetails(regularDetails_, PlaceSlot(game_.state, n));
    up_->setEnabled(CanMoveUp(n));
    down_->setEnabled(CanMoveDown(n));
}

void RegurarSetWin::SwapIntoPlace(int n) {
    if (!benchChosen_) return;
    if (!tk::SwapIntoPlace(game_.state, bench_[Index(benchCell_)], n)) return;
    Refill();
    SelectPlace(n);
    // The cell stays selected and now shows whoever the refilled bench puts there.
    if (bench_[Index(benchCell_)] != kEmptyCell)
        SelectBenchCell(benchCell_);
    else
        ClearDetails(benchDetails_);
    MarkBenchCell();
}

void RegurarSetWin::MoveSelectedPlace(int direction) {
    const int to = MovePlace(game_.state, place_, direction);
    Refill();
    SelectPlace(to);
}

void RegurarSetWin::MoveBenchSelection(int delta) {
    if (!benchChosen_) return;
    const int target = tk::MoveBenchSelection(bench_, benchCell_, delta);
    if (target != benchCell_) SelectBenchCell(target);
}

void RegurarSetWin::ScrollBench(int firstColumn) {
    firstColumn_ = firstColumn;
    Refill();
    if (benchChosen_ && bench_[Index(benchCell_)] != kEmptyCell)
        SelectBenchCell(benchCell_);
    else
        ClearDetails(benchDetails_);
    MarkBenchCell();
}

void RegurarSetWin::reject() {
    // The lineup is already saved; the screen only has to refuse to leave a place empty.
    if (TryCloseLineup(game_)) QDialog::reject();
}

bool RegurarSetWin::HandleKey(int key) {
    switch (key) {
        case Qt::Key_Left: MoveBenchSelection(-kCellsPerColumn); return true;
        case Qt::Key_Right: MoveBenchSelection(+kCellsPerColumn); return true;
        case Qt::Key_Up: MoveBenchSelection(-1); return true;
        case Qt::Key_Down: MoveBenchSelection(+1); return true;
        default: return false;
    }
}

bool RegurarSetWin::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() == QEvent::KeyPress && HandleKey(static_cast<QKeyEvent *>(event)->key()))
        return true;
    return QDialog::eventFilter(watched, event);
}

}  // namespace tk
