// The candidate list of the scouting result screen.
#include "ui/screens/SkList.h"

#include <QEvent>
#include <QGridLayout>
#include <QLabel>

#include "core/rules/signing_rules.h"
#include "ui/widgets/label_style.h"

namespace tk {

namespace {

const char *const kHeaders[] = {"契約",   "名前", "年俸", "年齢",     "タイプ", "スタミナ",
                                "パワー", "技術", "敏捷", "ショット", "ボレー"};
const char *const kNames[] = {"PlJo",  "PlNames", "PlNenpous", "PlAge", "PlType", "PlSta",
                              "PlPow", "PlTec",   "PlBin",     "PlSho", "PlVol"};
constexpr int kWidths[] = {56, 128, 96, 48, 48, 60, 60, 60, 60, 60, 60};
constexpr const char *kRowProperty = "tkCandidateRow";
const QColor kRowBackground(255, 255, 255);

std::size_t At(int i) {
    return static_cast<std::size_t>(i);
}

}  // namespace

SkList::SkList(QWidget *parent) : QWidget(parent) {
    setObjectName(QStringLiteral("SkList"));
    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(2);
    grid->setVerticalSpacing(2);
    for (int c = 0; c < kColumns; ++c) {
        auto *header = new QLabel(QString::fromUtf8(kHeaders[c]), this);
        header->setAlignment(Qt::AlignCenter);
        grid->addWidget(header, 0, c);
    }
    for (int r = 0; r < kRows; ++r) {
        for (int c = 0; c < kColumns; ++c) {
            auto *cell = new QLabel(this);
            cell->setObjectName(QStringLiteral("%1_%2").arg(QString::fromUtf8(kNames[c])).arg(r));
            cell->setFixedWidth(kWidths[c]);
            cell->setMinimumHeight(cell->fontMetrics().height() + 8);
            cell->setFrameShape(QFrame::Panel);
            cell->setFrameShadow(QFrame::Sunken);
            cell->setAlignment(c == kName     ? Qt::AlignLeft | Qt::AlignVCenter
                               : c == kSalary ? Qt::AlignRight | Qt::AlignVCenter
                                              : Qt::AlignCenter);
            SetBackgroundColour(cell, kRowBackground);
            cell->setProperty(kRowProperty, r);
            cell->installEventFilter(this);
            // A click on a row marks or unmarks the candidate.
            cell->setCursor(Qt::PointingHandCursor);
            cells_[At(r)][At(c)] = cell;
            grid->addWidget(cell, r + 1, c);
        }
    }
}

QLabel *SkList::Cell(int row, int column) const {
    return cells_.at(At(row)).at(At(column));
}

void SkList::Prev(const GameState &state) {
    for (int r = 0; r < kRows; ++r) {
        const CandidateRow v = MakeCandidateRow(state, r);
        PlJo(r)->setText(FromUtf8(v.mark));
        // Before any click the mark keeps the list's own colour; a mark already set shows.
        const bool marked =
            state.Candidates[At(r)].Occupied() && state.Candidates[At(r)].SignMark == 1;
        SetTextColour(PlJo(r), marked ? ColorFromRgb(CandidateMarkColour(true))
                                      : palette().color(QPalette::WindowText));
        PlNames(r)->setText(FromUtf8(v.name));
        PlNenpous(r)->setText(FromUtf8(v.salary));
        PlAge(r)->setText(FromUtf8(v.age));
        PlType(r)->setText(FromUtf8(v.style));
        SetTextColour(PlType(r), ColorFromRgb(v.styleColour));
        for (int k = 0; k < kGrades; ++k) {
            PlGrade(r, k)->setText(FromUtf8(v.grades[At(k)]));
            SetTextColour(PlGrade(r, k), ColorFromRgb(v.gradeColours[At(k)]));
        }
    }
}

void SkList::ShowMark(const GameState &state, int row) {
    if (row < 0 || row >= kRows || !state.Candidates[At(row)].Occupied()) return;
    const bool marked = state.Candidates[At(row)].SignMark == 1;
    PlJo(row)->setText(FromUtf8(CandidateMarkText(marked)));
    SetTextColour(PlJo(row), ColorFromRgb(CandidateMarkColour(marked)));
}

bool SkList::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() == QEvent::MouseButtonRelease) {
        const QVariant row = watched->property(kRowProperty);
        if (row.isValid()) emit rowClicked(row.toInt());
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace tk
