// Drawing the grounds view.
#include "ui/widgets/grounds_view.h"

#include <algorithm>

#include <QMouseEvent>
#include <QPainter>

#include "core/rules/catalogue.h"
#include "ui/widgets/picture_catalogue.h"
#include "ui/widgets/pictures.h"

namespace tk {

GroundsView::GroundsView(QWidget *parent) : QWidget(parent) {
    setFixedSize(sizeHint());
    setCursor(Qt::PointingHandCursor);
    BuildItems();
}

QSize GroundsView::sizeHint() const {
    return {qRound(kGroundsViewWidth * scale_), qRound(kGroundsViewHeight * scale_)};
}

void GroundsView::SetDrawScale(double scale) {
    scale_ = std::clamp(scale, 0.5, 1.0);
    setFixedSize(sizeHint());
    update();
}

QRect GroundsView::LotRect(int lot) {
    return {lot % 3 * kLotTileWidth, kGroundsBandHeight + lot / 3 * kLotTileHeight, kLotTileWidth,
            kLotTileHeight};
}

int GroundsView::LotAt(const QPoint &pos) {
    for (int lot = 0; lot < kLots; ++lot)
        if (LotRect(lot).contains(pos)) return lot;
    return -1;
}

void GroundsView::Redraw(const GameState &s) {
    for (int lot = 0; lot < kLots; ++lot)
        displayKinds_[static_cast<std::size_t>(lot)] =
            DisplayKind(s, s.Facilities[static_cast<std::size_t>(lot)].Kind);
    sides_ = {s.ViewFlags[0], s.ViewFlags[1]};
    for (int lot = 0; lot < kLots; ++lot)
        lotTexts_[static_cast<std::size_t>(lot)] = LotAccessibleText(s, lot);
    NameItems();
    update();
}

void GroundsView::SetSelectedLot(int lot) {
    selected_ = lot;
    NameItems();
    update();
}

void GroundsView::SetOverlayVisible(bool visible) {
    overlay_ = visible;
    NameItems();
    update();
}

void GroundsView::paintEvent(QPaintEvent *) {
    QPainter p(this);
    if (scale_ != 1.0) {
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.scale(scale_, scale_);
    }
    const int band = kGroundsBandPieceWidth;
    p.drawPixmap(0, 0,
                 Picture(sides_[0] ? PictureId::GroundsSideLeft1 : PictureId::GroundsSideLeft0));
    p.drawPixmap(band, 0, Picture(PictureId::GroundsGate));
    p.drawPixmap(2 * band, 0,
                 Picture(sides_[1] ? PictureId::GroundsSideRight1 : PictureId::GroundsSideRight0));

    for (int lot = 0; lot < kLots; ++lot) {
        const int kind = displayKinds_[static_cast<std::size_t>(lot)];
        if (kind < 0 || kind >= kLotTileCount) continue;
        p.drawPixmap(LotRect(lot).topLeft(), LotTile(kind));
    }
    if (selected_ >= 0 && selected_ < kLots)
        p.drawPixmap(LotRect(selected_).topLeft(), Picture(PictureId::LotMarker));
    if (overlay_) {
        const QPixmap badge = Picture(PictureId::PracticeOverlay);
        const QSizeF size = badge.deviceIndependentSize();
        p.drawPixmap(QPointF((kGroundsViewWidth - size.width()) / 2,
                             kGroundsBandHeight + (3 * kLotTileHeight - size.height()) / 2),
                     badge);
    }
}

void GroundsView::mousePressEvent(QMouseEvent *event) {
    const int lot = LotAt((event->position() / scale_).toPoint());
    if (event->button() == Qt::LeftButton && lot >= 0) emit lotClicked(lot);
}

void GroundsView::mouseDoubleClickEvent(QMouseEvent *event) {
    const int lot = LotAt((event->position() / scale_).toPoint());
    if (event->button() == Qt::LeftButton && lot >= 0) emit lotDoubleClicked(lot);
}

}  // namespace tk
