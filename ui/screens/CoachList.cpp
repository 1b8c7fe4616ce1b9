// The list of free coaches.
#include "ui/screens/CoachList.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>

#include "ui/widgets/label_style.h"

namespace tk {

namespace {

constexpr const char *kRowProperty = "tkCoachRow";
const QColor kRowBackground(255, 255, 255);

QLabel *MakeCell(QWidget *parent, const QString &name, int width, Qt::Alignment align) {
    auto *cell = new QLabel(parent);
    cell->setObjectName(name);
    cell->setFixedWidth(width);
    cell->setMinimumHeight(cell->fontMetrics().height() + 6);
    cell->setFrameShape(QFrame::Panel);
    cell->setFrameShadow(QFrame::Sunken);
    cell->setAlignment(align | Qt::AlignVCenter);
    SetBackgroundColour(cell, kRowBackground);
    return cell;
}

}  // namespace

CoachList::CoachList(QWidget *parent) : QWidget(parent) {
    setObjectName(QStringLiteral("CoachLists"));
    // The arrow keys move the selection when the list has the focus.
    setFocusPolicy(Qt::StrongFocus);
    auto *blocks = new QHBoxLayout(this);
    blocks->setContentsMargins(0, 0, 0, 0);
    blocks->setSpacing(16);
    for (int block = 0; block < kRows / kBlockRows; ++block) {
        auto *grid = new QGridLayout;
        grid->setHorizontalSpacing(2);
        grid->setVerticalSpacing(2);
        const char *const headers[] = {"名前", "能力", "年俸"};
        for (int c = 0; c < 3; ++c) {
            auto *header = new QLabel(QString::fromUtf8(headers[c]), this);
            header->setAlignment(Qt::AlignCenter);
            grid->addWidget(header, 0, c + 1);
        }
        for (int i = 0; i < kBlockRows; ++i) {
            const int row = block * kBlockRows + i;
            auto *marker = new QLabel(QStringLiteral("▶"), this);
            marker->setObjectName(QStringLiteral("CoachNamePre_%1").arg(row));
            SetTextColour(marker, QColor(255, 0, 0));
            QSizePolicy keep = marker->sizePolicy();
            keep.setRetainSizeWhenHidden(true);
            marker->setSizePolicy(keep);
            marker->hide();
            markers_[Index(row)] = marker;
            names_[Index(row)] =
                MakeCell(this, QStringLiteral("CName_%1").arg(row), 120, Qt::AlignLeft);
            ranks_[Index(row)] =
                MakeCell(this, QStringLiteral("CRank_%1").arg(row), 44, Qt::AlignHCenter);
            salaries_[Index(row)] =
                MakeCell(this, QStringLiteral("CSala_%1").arg(row), 96, Qt::AlignRight);
            for (QLabel *cell : {names_[Index(row)], ranks_[Index(row)], salaries_[Index(row)]}) {
                cell->setProperty(kRowProperty, row);
                cell->installEventFilter(this);
            }
            grid->addWidget(marker, i + 1, 0);
            grid->addWidget(names_[Index(row)], i + 1, 1);
            grid->addWidget(ranks_[Index(row)], i + 1, 2);
            grid->addWidget(salaries_[Index(row)], i + 1, 3);
        }
        blocks->addLayout(grid);
    }
}

int CoachList::RowCoach(int row) const {
    return row >= 0 && row < kRows ? coaches_[Index(row)] : 0;
}

int CoachList::ElectedCoach() const {
    return RowCoach(selected_);
}

void CoachList::MakeList(const GameState &state) {
    const std::vector<CoachRow> rows = CoachListRows(state);
    coaches_.fill(0);
    for (int row = 0; row < kRows; ++row) {
        const bool shown = Index(row) < rows.size();
        const CoachRow v = shown ? rows[Index(row)] : CoachRow{};
        coaches_[Index(row)] = v.coach;
        CName(row)->setText(FromUtf8(v.name));
        CRank(row)->setText(FromUtf8(v.rank));
        SetTextColour(CRank(row), ColorFromRgb(v.rankColour));
        CSala(row)->setText(FromUtf8(v.salary));
    }
    // A selection on a row that is now blank goes.
    if (RowCoach(selected_) == 0) selected_ = -1;
    for (int row = 0; row < kRows; ++row) CoachNamePre(row)->setVisible(row == selected_);
    emit selectionChanged();
}

bool CoachList::Select(int row) {
    if (RowCoach(row) == 0) return false;
    selected_ = row;
    for (int r = 0; r < kRows; ++r) CoachNamePre(r)->setVisible(r == row);
    emit selectionChanged();
    return true;
}

void CoachList::keyPressEvent(QKeyEvent *event) {
    // Up and down within a block of five, left and right between the two blocks; a blank
    // row is passed over like a click on it.
    int step = 0;
    switch (event->key()) {
        case Qt::Key_Up: step = -1; break;
        case Qt::Key_Down: step = +1; break;
        case Qt::Key_Left: step = -kBlockRows; break;
        case Qt::Key_Right: step = +kBlockRows; break;
        default: QWidget::keyPressEvent(event); return;
    }
    const int target = selected_ + step;
    if (target >= 0 && target < kRows) Select(target);
}

bool CoachList::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() == QEvent::MouseButtonRelease) {
        const QVariant row = watched->property(kRowProperty);
        if (row.isValid()) Select(row.toInt());
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace tk
