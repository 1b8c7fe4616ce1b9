// The main screen's squad list: twenty name slots, regulars in purple, and the selection mark.
#include "ui/widgets/player_panel.h"

#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "core/rules/rating_rules.h"
#include "ui/widgets/accessible_item.h"
#include "ui/widgets/click_label.h"
#include "ui/widgets/label_style.h"
#include "ui/widgets/player_detail_panel.h"

namespace tk {

namespace {

constexpr int kRows = 5;  // slots run down columns of five, so left and right step by five
constexpr int kNameWidth = 104;

}  // namespace

PlayerPanel::PlayerPanel(QWidget *parent) : QWidget(parent) {
    setObjectName(QStringLiteral("PlayerPanel"));
    auto *grid = new QGridLayout;
    grid->setHorizontalSpacing(2);
    grid->setVerticalSpacing(3);
    for (int i = 0; i < kSquadSlots; ++i) {
        auto *mark = new QLabel(QStringLiteral("▶"), this);
        mark->setObjectName(QStringLiteral("Elected_%1").arg(i));
        mark->setFixedWidth(mark->sizeHint().width());
        mark->setVisible(false);
        mark->setAccessibleName(QStringLiteral("選択中の選手"));
        // The hidden mark keeps its room so that the names never shift.
        QSizePolicy keep = mark->sizePolicy();
        keep.setRetainSizeWhenHidden(true);
        mark->setSizePolicy(keep);

        auto *name = new ClickLabel(this);
        name->setObjectName(QStringLiteral("NameSection_%1").arg(i));
        name->setFixedWidth(kNameWidth);
        name->setMinimumHeight(name->fontMetrics().height() + 4);
        name->setFrameShape(QFrame::Panel);
        name->setFrameShadow(QFrame::Sunken);
        SetBackgroundColour(name, ColorFromRgb(kSquadNameColour));
        connect(name, &ClickLabel::clicked, this, [this, i] { emit nameClicked(i); });
        connect(name, &ClickLabel::doubleClicked, this, [this, i] { emit nameDoubleClicked(i); });

        const int row = i % kRows, column = (i / kRows) * 2;
        grid->addWidget(mark, row, column);
        grid->addWidget(name, row, column + 1);
        names_[static_cast<std::size_t>(i)] = name;
        marks_[static_cast<std::size_t>(i)] = mark;
    }

    note_ = new QLabel(QString::fromUtf8(kRegularNote), this);
    note_->setObjectName(QStringLiteral("RegularNote"));

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addLayout(grid);
    layout->addWidget(note_);
    layout->addStretch();
}

QLabel *PlayerPanel::NameSection(int i) const {
    return names_.at(static_cast<std::size_t>(i));
}

QLabel *PlayerPanel::ElectedMark(int i) const {
    return marks_.at(static_cast<std::size_t>(i));
}

void PlayerPanel::MakePlayerWin(const GameState &s) {
    const auto rows = SquadNameRows(s);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        names_[i]->setText(FromUtf8(rows[i].name));
        SetBackgroundColour(names_[i], ColorFromRgb(rows[i].background));
        // The colour says who plays; a screen reader hears it in words.
        const QString spoken = rows[i].name.empty() ? QStringLiteral("空き")
                               : rows[i].background == kRegularNameColour
                                   ? FromUtf8(rows[i].name) + QStringLiteral("（レギュラー）")
                                   : FromUtf8(rows[i].name);
        SetAccessibleText(names_[i], spoken);
    }
}

std::optional<int> PlayerPanel::Select(const GameState &s, int index) {
    const std::optional<int> shown = PlayerToShow(s, index);
    if (!shown) return std::nullopt;
    if (elected_ >= 0) marks_[static_cast<std::size_t>(elected_)]->setVisible(false);
    elected_ = *shown;
    marks_[static_cast<std::size_t>(elected_)]->setVisible(true);
    return shown;
}

std::optional<int> NameSectionClick(const GameState &s, int index, PlayerPanel &list,
                                    PlayerDetailPanel &details) {
    const std::optional<int> shown = list.Select(s, index);
    if (shown) details.Show(s, *shown);
    return shown;
}

}  // namespace tk
