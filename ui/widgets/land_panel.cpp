// The land panel and the court summary of the main screen.
#include "ui/widgets/land_panel.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

#include "core/rules/land_rules.h"
#include "ui/base/units.h"
#include "ui/widgets/accessible_item.h"
#include "ui/widgets/label_style.h"

namespace tk {

namespace {

QString Q(const std::string &text) {
    return QString::fromStdString(text).replace(QLatin1Char('\r'), QLatin1Char('\n'));
}

}  // namespace

LandPanel::LandPanel(QWidget *parent) : QWidget(parent) {
    auto *box = new QGroupBox(QStringLiteral("土地"));
    usability_ = new QLabel;
    name_ = new QLabel;
    upkeep_ = new QLabel;
    QFont big = name_->font();
    big.setPointSize(big.pointSize() + 2);
    big.setBold(true);
    name_->setFont(big);
    auto *state = new QLabel(QStringLiteral("状態  悪"));
    auto *good = new QLabel(QStringLiteral("良"));
    auto *track = new QWidget;
    track->setFixedSize(TwipsToPixels(1600) + 2, 12);
    track->setStyleSheet(QStringLiteral("background: white; border: 1px solid #808080;"));
    bar_ = new QWidget(track);
    bar_->setGeometry(1, 1, 0, 10);

    auto *barRow = new QHBoxLayout;
    barRow->addWidget(state);
    barRow->addWidget(track);
    barRow->addWidget(good);
    barRow->addStretch();

    auto *inner = new QVBoxLayout(box);
    inner->addWidget(name_);
    inner->addWidget(usability_);
    inner->addWidget(upkeep_);
    inner->addLayout(barRow);
    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(box);
}

void LandPanel::ShowLot(const GameState &s, int lot) {
    if (!IsLot(lot)) return;
    const FacilityRecord &f = s.Facilities[static_cast<std::size_t>(lot)];
    usability_->setText(Q(LotUsabilityText(s, lot)));
    name_->setText(Q(LotNameText(s, lot)));
    upkeep_->setText(Q(LotUpkeepText(s, lot)));
    const QColor colour = ColorFromRgb(DurabilityBarColour(f));
    bar_->setFixedWidth(TwipsToPixels(DurabilityBarWidth(f.Durability)));
    bar_->setStyleSheet(QStringLiteral("background: %1;").arg(colour.name()));
    // The condition bar read as its value, with the caption before it.
    const QString condition = QStringLiteral("状態 %1/%2、%3")
                                  .arg(f.Durability)
                                  .arg(kMaxDurability)
                                  .arg(Q(LotUsabilityText(s, lot)));
    SetAccessibleText(bar_, condition);
    SetAccessibleText(bar_->parentWidget(), condition);
}

CourtSummary::CourtSummary(QWidget *parent) : QWidget(parent) {
    auto *box = new QGroupBox(QStringLiteral("土地情報"));
    worn_ = new QLabel;
    usableDay_ = new QLabel;
    usableNight_ = new QLabel;
    splitDay_ = new QLabel;
    splitNight_ = new QLabel;
    auto *grid = new QGridLayout(box);
    grid->addWidget(new QLabel(QStringLiteral("状態が悪いコート")), 0, 0, 1, 2);
    grid->addWidget(worn_, 0, 2);
    grid->addWidget(new QLabel(QStringLiteral("使用可能コート")), 1, 0, 1, 3);
    grid->addWidget(new QLabel(QStringLiteral("昼")), 2, 1);
    grid->addWidget(usableDay_, 2, 2);
    grid->addWidget(new QLabel(QStringLiteral("夜")), 3, 1);
    grid->addWidget(usableNight_, 3, 2);
    grid->addWidget(new QLabel(QStringLiteral("全体練習：個人練習")), 4, 0, 1, 3);
    grid->addWidget(new QLabel(QStringLiteral("昼")), 5, 1);
    grid->addWidget(splitDay_, 5, 2);
    grid->addWidget(new QLabel(QStringLiteral("夜")), 6, 1);
    grid->addWidget(splitNight_, 6, 2);
    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(box);
}

void CourtSummary::Show(const GameState &s, const CourtCounts &c) {
    auto count = [](int n) { return QStringLiteral("%1つ").arg(n); };
    auto split = [](int team, int all) {
        return QStringLiteral("%1 : %2").arg(team).arg(all - team);
    };
    worn_->setText(count(c[kCourtsAll] - c[kCourtsFineDay]));
    if (s.Weather == 2) {
        usableDay_->setText(count(c[kCourtsRain]));
        usableNight_->setText(count(c[kCourtsRain]));
        splitDay_->setText(split(s.TeamCourtsRain, c[kCourtsRain]));
        splitNight_->setText(split(s.TeamCourtsRain, c[kCourtsRain]));
    } else {
        usableDay_->setText(count(c[kCourtsFineDay]));
        usableNight_->setText(count(c[kCourtsFineNight]));
        splitDay_->setText(split(s.TeamCourtsDay, c[kCourtsFineDay]));
        splitNight_->setText(split(s.TeamCourtsNight, c[kCourtsFineNight]));
    }
}

}  // namespace tk
