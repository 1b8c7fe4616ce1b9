// Eight rows of squad players with a scroll bar.
#include "ui/screens/SquadRows.h"

#include <algorithm>

#include <QCoreApplication>
#include <QEvent>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QWheelEvent>

#include "core/rules/individual_rules.h"
#include "ui/widgets/label_style.h"

namespace tk {

namespace {

const char *const kHeaders[] = {
    "名前", "年齢", "スタミナ", "パワー", "技術", "敏捷", "ショット/ボレー", "タイプ", "年俸"};
constexpr int kWidths[] = {128, 40, 60, 60, 60, 60, 100, 48, 96};
const QColor kRowBackground(255, 255, 255);
constexpr const char *kRowProperty = "tkSquadRow";

std::size_t At(int i) {
    return static_cast<std::size_t>(i);
}

}  // namespace

SquadRows::SquadRows(const GameState &state, bool withSalary, QWidget *parent)
    : QWidget(parent), state_(state), withSalary_(withSalary) {
    const int columns = withSalary ? kColumns : kSalary;
    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(2);
    grid->setVerticalSpacing(2);
    for (int c = 0; c < columns; ++c) {
        auto *header = new QLabel(QString::fromUtf8(kHeaders[c]), this);
        header->setObjectName(QStringLiteral("Header_%1").arg(c));
        header->setAlignment(Qt::AlignCenter);
        header->setFixedWidth(kWidths[c]);
        grid->addWidget(header, 0, c + 1);
    }
    for (int r = 0; r < kRows; ++r) {
        auto *marker = new QLabel(QStringLiteral("▶"), this);
        marker->setObjectName(QStringLiteral("PNamePre_%1").arg(r));
        SetTextColour(marker, QColor(255, 0, 0));
        QSizePolicy keep = marker->sizePolicy();
        keep.setRetainSizeWhenHidden(true);
        marker->setSizePolicy(keep);
        marker->hide();
        markers_[At(r)] = marker;
        grid->addWidget(marker, r + 1, 0);

        static const char *const kNames[] = {"PName", "PAge", "PSuta", "PPow", "PTec",
                                             "PRap",  "PSB",  "PTyp",  "PSala"};
        for (int c = 0; c < columns; ++c) {
            auto *cell = new QLabel(this);
            cell->setObjectName(QStringLiteral("%1_%2").arg(QString::fromUtf8(kNames[c])).arg(r));
            cell->setFixedWidth(kWidths[c]);
            cell->setMinimumHeight(cell->fontMetrics().height() + 6);
            cell->setFrameShape(QFrame::Panel);
            cell->setFrameShadow(QFrame::Sunken);
            cell->setAlignment(c == kName ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignCenter);
            if (c == kSalary) cell->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            SetBackgroundColour(cell, kRowBackground);
            cell->setProperty(kRowProperty, r);
            cell->installEventFilter(this);
            cells_[At(r)][At(c)] = cell;
            grid->addWidget(cell, r + 1, c + 1);
        }
    }
    // The arrow keys move the selection when the list has the focus.
    setFocusPolicy(Qt::StrongFocus);
    scrollBar_ = new QScrollBar(Qt::Vertical, this);
    scrollBar_->setObjectName(QStringLiteral("VScroll"));
    scrollBar_->setSingleStep(1);
    scrollBar_->setPageStep(kRows);
    connect(scrollBar_, &QScrollBar::valueChanged, this, &SquadRows::Scrolled);
    grid->addWidget(scrollBar_, 1, columns + 1, kRows, 1);
}

QLabel *SquadRows::Cell(int row, int column) const {
    return cells_.at(At(row)).at(At(column));
}

int SquadRows::RowPlayer(int row) const {
    return row >= 0 && row < static_cast<int>(rows_.size()) ? rows_[At(row)] : -1;
}

void SquadRows::MakeForm() {
    // The range follows the squad size; without more than eight players the bar stays
    // disabled at 0.
    const int last = PlayerListScrollMax(state_);
    {
        const QSignalBlocker quiet(scrollBar_);
        scrollBar_->setRange(0, last);
        scrollBar_->setValue(0);
    }
    scrollBar_->setEnabled(last > 0);
    scroll_ = 0;
    selected_ = 0;
    Draw();
    Mark();
    emit selectionChanged();
}

bool SquadRows::Select(int row) {
    if (RowPlayer(row) < 0) return false;
    selected_ = row;
    Mark();
    emit selectionChanged();
    return true;
}

void SquadRows::ScrollTo(int position) {
    scrollBar_->setValue(position);
}

void SquadRows::Scrolled(int position) {
    const int delta = position - scroll_;
    scroll_ = position;
    selected_ = std::clamp(RowAfterScroll(selected_, delta), 0, kRows - 1);
    Draw();
    Mark();
    emit selectionChanged();
}

void SquadRows::Draw() {
    rows_ = RowsAt(scroll_);
    if (rows_.size() > At(kRows)) rows_.resize(At(kRows));
    for (int r = 0; r < kRows; ++r) {
        const SquadListRow v = MakeSquadListRow(state_, RowPlayer(r));
        PName(r)->setText(FromUtf8(v.name));
        PAge(r)->setText(FromUtf8(v.age));
        for (int k = 0; k < 5; ++k) {
            PGrade(r, k)->setText(FromUtf8(v.grades[At(k)]));
            SetTextColour(PGrade(r, k), ColorFromRgb(v.gradeColours[At(k)]));
        }
        PTyp(r)->setText(FromUtf8(v.style));
        SetTextColour(PTyp(r), ColorFromRgb(v.styleColour));
        if (withSalary_) PSala(r)->setText(FromUtf8(v.salary));
    }
}

void SquadRows::Mark() {
    // The marker is shown only on a row that shows somebody: a blank row chooses nobody.
    for (int r = 0; r < kRows; ++r) PNamePre(r)->setVisible(r == selected_ && RowPlayer(r) >= 0);
}

bool SquadRows::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() == QEvent::MouseButtonRelease) {
        const QVariant row = watched->property(kRowProperty);
        if (row.isValid()) Select(row.toInt());
    }
    return QWidget::eventFilter(watched, event);
}

void SquadRows::MoveSelection(int step) {
    const int target = selected_ + step;
    if (target >= 0 && target < kRows) {
        Select(target);
        return;
    }
    // Past the top or the bottom row the list scrolls, as far as it goes.
    const int before = scroll_;
    ScrollTo(scroll_ + step);
    if (scroll_ != before) Select(step < 0 ? 0 : kRows - 1);
}

void SquadRows::keyPressEvent(QKeyEvent *event) {
    switch (event->key()) {
        case Qt::Key_Up: MoveSelection(-1); break;
        case Qt::Key_Down: MoveSelection(+1); break;
        default: QWidget::keyPressEvent(event);
    }
}

void SquadRows::wheelEvent(QWheelEvent *event) {
    // The wheel anywhere over the rows scrolls the list.
    if (scrollBar_->isEnabled()) QCoreApplication::sendEvent(scrollBar_, event);
}

}  // namespace tk
