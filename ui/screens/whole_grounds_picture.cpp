// Drawing the whole-grounds picture from the tile strip.
#include "ui/screens/whole_grounds_picture.h"

#include <QMouseEvent>
#include <QPainter>

#include "core/rules/catalogue.h"
#include "ui/widgets/accessible_item.h"
#include "ui/widgets/grounds_view.h"
#include "ui/widgets/label_style.h"
#include "ui/widgets/pictures.h"

namespace tk {

namespace {

// The bar of a court sits in the gap under its tile.
constexpr int kBarLeft = 10;
constexpr int kBarTop = kSmallTileHeight + 2;
constexpr int kBarHeight = kSmallTileStepY - kSmallTileHeight - 4;

}  // namespace

WholeGroundsPicture::WholeGroundsPicture(QWidget *parent) : QWidget(parent) {
    setObjectName(QStringLiteral("GroundsPicture"));
    setFixedSize(sizeHint());
    setCursor(Qt::PointingHandCursor);
    for (int lot = 0; lot < kLots; ++lot) {
        auto *bar = new QWidget(this);
        bar->setObjectName(QStringLiteral("ConditionBar_%1").arg(lot));
        bar->hide();
        bars_[static_cast<std::size_t>(lot)] = bar;
        auto *item = new AccessibleItem(QAccessible::Button, this);
        item->setGeometry(LotRect(lot));
        item->SetPress([this, lot] { emit lotClicked(lot); });
        items_[static_cast<std::size_t>(lot)] = item;
    }
    setAccessibleName(QStringLiteral("グラウンド全体"));
}

QSize WholeGroundsPicture::sizeHint() const {
    return {3 * kSmallTileStepX, 3 * kSmallTileStepY};
}

QRect WholeGroundsPicture::LotRect(int lot) {
    return {WholeGroundsLotPos(lot), QSize(kSmallTileWidth, kSmallTileHeight)};
}

int WholeGroundsPicture::LotAt(const QPoint &pos) {
    for (int lot = 0; lot < kLots; ++lot)
        if (LotRect(lot).contains(pos)) return lot;
    return -1;
}

void WholeGroundsPicture::Redraw(const GameState &s, const MaintainMarks &marks) {
    for (int lot = 0; lot < kLots; ++lot) {
        const auto i = static_cast<std::size_t>(lot);
        displayKinds_[i] = DisplayKind(s, s.Facilities[i].Kind);
        marked_[i] = marks.marked[i];
        QWidget *bar = bars_[i];
        const std::optional<tk::ConditionBar> shown = WholeGroundsBar(s, lot);
        bar->setVisible(shown.has_value());
        const QString lotText = LotAccessibleText(s, lot);
        items_[i]->SetText(marked_[i] ? lotText + QStringLiteral("（整備する）") : lotText);
        if (!shown) continue;
        SetAccessibleText(bar, QStringLiteral("区画%1 状態 %2/%3")
                                   .arg(lot + 1)
                                   .arg(s.Facilities[i].Durability)
                                   .arg(kMaxDurability));
        const QPoint at = WholeGroundsLotPos(lot);
        bar->setGeometry(at.x() + kBarLeft, at.y() + kBarTop, shown->width, kBarHeight);
        SetBackgroundColour(bar, ColorFromRgb(shown->colour));
    }
    update();
}

void WholeGroundsPicture::paintEvent(QPaintEvent *) {
    QPainter p(this);
    p.fillRect(rect(), QColor(0x50, 0x80, 0x40));
    const QPixmap frame = Picture(PictureId::MaintainFrame);
    for (int lot = 0; lot < kLots; ++lot) {
        const auto i = static_cast<std::size_t>(lot);
        p.drawPixmap(WholeGroundsLotPos(lot), SmallLotTile(displayKinds_[i]));
        if (marked_[i]) p.drawPixmap(WholeGroundsLotPos(lot), frame);
    }
}

void WholeGroundsPicture::mousePressEvent(QMouseEvent *event) {
    const int lot = LotAt(event->position().toPoint());
    if (event->button() == Qt::LeftButton && lot >= 0) emit lotClicked(lot);
}

}  // namespace tk
