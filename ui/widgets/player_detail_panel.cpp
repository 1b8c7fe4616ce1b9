// The main screen's view of the selected player: hexagon, condition bar, style, salary, age.
#include "ui/widgets/player_detail_panel.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "core/rules/rating_rules.h"
#include "ui/base/units.h"
#include "ui/widgets/accessible_item.h"
#include "ui/widgets/hexa_graph.h"
#include "ui/widgets/label_style.h"

namespace tk {

namespace {

const QColor kBarColour(255, 64, 64);
const QColor kBarTrackColour(255, 255, 255);

}  // namespace

PlayerDetailPanel::PlayerDetailPanel(QWidget *parent) : QWidget(parent) {
    setObjectName(QStringLiteral("PlayerDetailPanel"));
    graphs_ = new HexaGraph(this);
    graphs_->setObjectName(QStringLiteral("Graphs"));
    graphs_->setFixedSize(graphs_->sizeHint());

    auto *caption = new QLabel(QString::fromUtf8(kConditionCaption), this);
    caption->setObjectName(QStringLiteral("ConditionCaption"));

    // The track is as long as the bar of a player in full condition.
    auto *track = new QFrame(this);
    track->setObjectName(QStringLiteral("ConditionTrack"));
    track->setFrameShape(QFrame::Box);
    track->setLineWidth(1);
    SetBackgroundColour(track, kBarTrackColour);
    const int full = TwipsToPixels(ConditionBarTwips(HexaGraph::kFullLevel));
    track->setFixedSize(full + 2, caption->sizeHint().height());
    bar_ = new QWidget(track);
    bar_->setObjectName(QStringLiteral("Force_0"));
    SetBackgroundColour(bar_, kBarColour);
    bar_->setGeometry(1, 1, 0, track->height() - 2);

    auto makeLabel = [this](int i) {
        auto *label = new QLabel(this);
        label->setObjectName(QStringLiteral("Force_%1").arg(i));
        return label;
    };
    style_ = makeLabel(1);
    salary_ = makeLabel(2);
    age_ = makeLabel(3);

    auto *conditionRow = new QHBoxLayout;
    conditionRow->addWidget(caption);
    conditionRow->addWidget(track);
    conditionRow->addStretch();

    auto *facts = new QVBoxLayout;
    facts->addLayout(conditionRow);
    facts->addWidget(style_);
    facts->addWidget(salary_);
    facts->addWidget(age_);
    facts->addStretch();

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(graphs_, 0, Qt::AlignTop);
    layout->addLayout(facts);
}

void PlayerDetailPanel::NameConditionBar(int twips) {
    // The bar's length as a share of a full bar, so a screen reader reads its value.
    const int full = ConditionBarTwips(HexaGraph::kFullLevel);
    const int percent = full > 0 ? (twips * 100 + full / 2) / full : 0;
    const QString text = QString::fromUtf8(kConditionCaption) + QStringLiteral(" %1%").arg(percent);
    SetAccessibleText(bar_, text);
    SetAccessibleText(bar_->parentWidget(), text);
}

QLabel *PlayerDetailPanel::Force(int i) const {
    switch (i) {
        case 1: return style_;
        case 2: return salary_;
        case 3: return age_;
        default: return nullptr;
    }
}

void PlayerDetailPanel::Show(const GameState &s, int player) {
    if (player < 0 || player >= kSquadSlots) return;
    const PlayerSummary v = MakePlayerSummary(s, player);
    graphs_->MakeGraph(v.levels);
    bar_->resize(TwipsToPixels(v.conditionTwips), bar_->height());
    NameConditionBar(v.conditionTwips);
    style_->setText(FromUtf8(v.style));
    SetTextColour(style_, ColorFromRgb(v.styleColour));
    salary_->setText(FromUtf8(v.salary));
    age_->setText(FromUtf8(v.age));
}

void PlayerDetailPanel::Clear() {
    graphs_->MakeGraph(HexaGraph::Levels{});
    bar_->resize(0, bar_->height());
    NameConditionBar(0);
    style_->clear();
    salary_->clear();
    age_->clear();
}

}  // namespace tk
