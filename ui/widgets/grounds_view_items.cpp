// The grounds view as accessibility sees it: the view names the grounds, and each lot is a
// button reading its kind, its use and its condition, pressed to select it.
#include "core/rules/land_rules.h"
#include "ui/widgets/accessible_item.h"
#include "ui/widgets/grounds_view.h"

namespace tk {

namespace {
QString Q(const std::string &text) {
    return QString::fromStdString(text).replace(QLatin1Char('\r'), QLatin1Char(' '));
}
}  // namespace

QString LotAccessibleText(const GameState &s, int lot) {
    if (!IsLot(lot)) return {};
    const FacilityRecord &f = s.Facilities[static_cast<std::size_t>(lot)];
    return QStringLiteral("区画%1 %2、%3、状態 %4/%5")
        .arg(lot + 1)
        .arg(Q(LotNameText(s, lot)), Q(LotUsabilityText(s, lot)))
        .arg(f.Durability)
        .arg(kMaxDurability);
}

void GroundsView::BuildItems() {
    setAccessibleName(QStringLiteral("グラウンド"));
    for (int lot = 0; lot < kLots; ++lot) {
        auto *item = new AccessibleItem(QAccessible::Button, this);
        item->setObjectName(QStringLiteral("Tochi%1").arg(lot));
        item->setGeometry(LotRect(lot));
        item->SetPress([this, lot] { emit lotClicked(lot); });
        items_[static_cast<std::size_t>(lot)] = item;
    }
}

void GroundsView::NameItems() {
    SetAccessibleText(this, QStringLiteral("グラウンド"),
                      overlay_ ? QStringLiteral("練習中") : QString());
    for (int lot = 0; lot < kLots; ++lot) {
        const QString &text = lotTexts_[static_cast<std::size_t>(lot)];
        items_[static_cast<std::size_t>(lot)]->SetText(
            lot == selected_ ? text + QStringLiteral("（選択中）") : text);
    }
}

}  // namespace tk
