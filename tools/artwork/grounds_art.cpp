// Pieces of the grounds views: the top band (gate and the two side pictures), the selected-lot
// marker, the maintenance frame and the practice-in-progress badge.
#include <QLinearGradient>
#include <QRadialGradient>

#include "tools/artwork/art_kit.h"
#include "tools/artwork/art_pictures.h"
#include "ui/widgets/picture_catalogue.h"

namespace tk::art {
namespace {

constexpr double kRoadBottom = 12, kWalkBottom = 17;

// Road along the far side of the grounds, the pavement and the club's lawn; the three band
// pieces share it so that they join without a seam.
void BandBase(QPainter &p, Rng &rng) {
    p.fillRect(QRectF(0, 0, 160, kRoadBottom), QColor(104, 108, 116));
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 120; ++i) {
        p.setBrush(rng.Unit() < 0.5 ? QColor(92, 96, 104) : QColor(120, 124, 132));
        p.drawRect(QRectF(rng.Range(0, 160), rng.Range(0, kRoadBottom), 1, 1));
    }
    for (double x = 4; x < 160; x += 20) p.fillRect(QRectF(x, 3, 10, 1.5), QColor(250, 250, 250));
    p.fillRect(QRectF(0, kRoadBottom, 160, kWalkBottom - kRoadBottom), QColor(214, 210, 200));
    p.fillRect(QRectF(0, kRoadBottom, 160, 1), QColor(170, 166, 156));
    for (double x = 0; x < 160; x += 8)
        p.fillRect(QRectF(x, kRoadBottom + 1, 0.6, 4), QColor(190, 186, 176));
    Grass(p, QRectF(0, kWalkBottom, 160, 40 - kWalkBottom), rng);
}

void Hedge(QPainter &p, double x0, double x1) {
    Bush(p, QRectF(x0, 19, x1 - x0, 9), QColor(58, 140, 58));
}

void CherryTree(QPainter &p, const QPointF &c) {
    p.setPen(QPen(QColor(110, 70, 50), 2));
    p.drawLine(c + QPointF(0, 8), c + QPointF(0, 16));
    Tree(p, c, 10, QColor(246, 170, 196));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 236, 242));
    p.drawEllipse(c + QPointF(-4, -3), 2.6, 2);
    p.drawEllipse(c + QPointF(3, 1), 2, 1.6);
}

void VendingMachine(QPainter &p, const QRectF &r, const QColor &c) {
    QPainterPath s;
    s.addRect(r);
    Shadow(p, s, QPointF(3, 2), 80);
    p.setPen(QPen(Shade(c, 0.45), 0.8));
    p.setBrush(VerticalGradient(r.top(), r.bottom(), Shade(c, 1.2), Shade(c, 0.85)));
    p.drawRect(r);
    p.setBrush(QColor(230, 240, 250));
    p.drawRect(QRectF(r.left() + 1.5, r.top() + 2, r.width() - 3, r.height() * 0.4));
    p.setPen(Qt::NoPen);
    const QColor cans[4] = {QColor(230, 50, 50), QColor(40, 120, 220), QColor(250, 200, 40),
                            QColor(60, 170, 80)};
    for (int i = 0; i < 4; ++i) {
        p.setBrush(cans[i]);
        p.drawRect(QRectF(r.left() + 2.2 + i * (r.width() - 4) / 4, r.top() + 4, 1.6, 2.6));
    }
    p.setBrush(QColor(30, 30, 30));
    p.drawRect(QRectF(r.left() + 2, r.bottom() - 4, r.width() - 4, 2));
}

void Bench(QPainter &p, double x, double y) {
    QPainterPath s;
    s.addRect(QRectF(x, y, 18, 5));
    Shadow(p, s, QPointF(1.5, 2), 70);
    p.setPen(QPen(QColor(90, 56, 26), 0.7));
    p.setBrush(QColor(196, 140, 80));
    p.drawRect(QRectF(x, y, 18, 2));
    p.drawRect(QRectF(x, y + 3, 18, 2));
}

}  // namespace

QImage PaintGroundsGate() {
    QImage image = NewImage(160, 40);
    QPainter p(&image);
    Rng rng(31);
    BandBase(p, rng);
    p.setRenderHint(QPainter::Antialiasing);
    // Drive from the road through the gate.
    p.fillRect(QRectF(58, kWalkBottom, 44, 23), QColor(200, 196, 184));
    p.setPen(QPen(QColor(176, 172, 160), 0.6));
    for (double y = kWalkBottom + 4; y < 40; y += 5) p.drawLine(QPointF(58, y), QPointF(102, y));
    Hedge(p, -6, 44);
    Hedge(p, 116, 166);
    // Brick pillars and the arch with the club's name.
    for (double x : {46.0, 104.0}) {
        QPainterPath pillar;
        pillar.addRect(QRectF(x, 14, 10, 20));
        Shadow(p, pillar, QPointF(3, 2), 90);
        p.setPen(QPen(QColor(110, 40, 24), 0.8));
        p.setBrush(VerticalGradient(14, 34, QColor(214, 96, 64), QColor(160, 62, 40)));
        p.drawPath(pillar);
        p.setPen(QPen(QColor(240, 200, 180, 120), 0.5));
        for (double y = 18; y < 34; y += 4) p.drawLine(QPointF(x, y), QPointF(x + 10, y));
        p.setPen(QPen(QColor(110, 40, 24), 0.8));
        p.setBrush(QColor(236, 230, 220));
        p.drawRect(QRectF(x - 1, 12, 12, 3));
        QRadialGradient lamp(QPointF(x + 5, 10), 4);
        lamp.setColorAt(0, QColor(255, 255, 240));
        lamp.setColorAt(1, QColor(250, 220, 140));
        p.setBrush(lamp);
        p.drawEllipse(QPointF(x + 5, 9.5), 2.6, 2.6);
    }
    const QRectF sign(56, 17, 48, 10);
    QPainterPath signShape;
    signShape.addRoundedRect(sign, 2, 2);
    Shadow(p, signShape, QPointF(2, 2), 90);
    p.setPen(QPen(QColor(20, 50, 100), 1));
    p.setBrush(
        VerticalGradient(sign.top(), sign.bottom(), QColor(60, 130, 220), QColor(24, 70, 160)));
    p.drawPath(signShape);
    OutlinedText(p, sign, QStringLiteral("TENNIS CLUB"), ArtFont(7), QColor(255, 236, 120),
                 Qt::transparent, 0);
    return image;
}

QImage PaintGroundsSide(bool right, int variant) {
    QImage image = NewImage(160, 40);
    QPainter p(&image);
    Rng rng(right ? 53 + variant : 41 + variant);
    BandBase(p, rng);
    p.setRenderHint(QPainter::Antialiasing);
    if (!right && variant == 0) {
        Hedge(p, -6, 166);
        Tree(p, QPointF(40, 22), 8, QColor(60, 150, 60));
        Tree(p, QPointF(118, 22), 8, QColor(74, 160, 64));
    } else if (!right) {
        // Cherry trees in bloom behind the hedge, petals on the lawn.
        Hedge(p, -6, 166);
        for (double x : {18.0, 62.0, 106.0, 150.0}) CherryTree(p, QPointF(x, 17));
        p.setPen(Qt::NoPen);
        for (int i = 0; i < 40; ++i) {
            p.setBrush(QColor(255, 200, 216));
            p.drawEllipse(QPointF(rng.Range(0, 160), rng.Range(29, 40)), 1, 0.7);
        }
    } else if (variant == 0) {
        Hedge(p, -6, 166);
        // Street lamp on the pavement and a post box.
        p.setPen(QPen(QColor(0, 0, 0, 60), 1.4));
        p.drawLine(QPointF(70, 16), QPointF(82, 21));
        p.setPen(QPen(QColor(80, 86, 96), 1.6));
        p.drawLine(QPointF(70, 16), QPointF(70, 2));
        p.drawLine(QPointF(70, 2), QPointF(64, 2));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 250, 220));
        p.drawEllipse(QPointF(63.5, 3.2), 2.6, 1.6);
        p.setPen(QPen(QColor(120, 20, 20), 0.7));
        p.setBrush(VerticalGradient(7, 17, QColor(240, 60, 50), QColor(180, 30, 30)));
        p.drawRoundedRect(QRectF(124, 7, 7, 10), 2, 2);
        p.setBrush(QColor(40, 40, 40));
        p.drawRect(QRectF(125.5, 10, 4, 1));
        Tree(p, QPointF(24, 22), 8, QColor(64, 150, 64));
    } else {
        // A rest corner: benches and two vending machines under a tree.
        Hedge(p, -6, 60);
        Hedge(p, 136, 166);
        p.fillRect(QRectF(62, kWalkBottom, 72, 23), QColor(200, 196, 184));
        VendingMachine(p, QRectF(66, 14, 13, 20), QColor(230, 60, 50));
        VendingMachine(p, QRectF(81, 14, 13, 20), QColor(40, 110, 210));
        Bench(p, 100, 24);
        Bench(p, 100, 32);
        Tree(p, QPointF(146, 20), 9, QColor(64, 150, 64));
    }
    return image;
}

QImage PaintLotMarker() {
    QImage image = NewImage(kLotTileWidth, kLotTileHeight);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    // A soft yellow rim and four bold corner brackets.
    p.setPen(QPen(QColor(255, 240, 80, 120), 4));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(3, 3, 154, 114));
    QPainterPath corners;
    const double len = 26, w = 160, h = 120, in = 3;
    for (const QPointF &c :
         {QPointF(in, in), QPointF(w - in, in), QPointF(in, h - in), QPointF(w - in, h - in)}) {
        const double sx = c.x() < w / 2 ? 1 : -1, sy = c.y() < h / 2 ? 1 : -1;
        corners.moveTo(c + QPointF(0, sy * len));
        corners.lineTo(c);
        corners.lineTo(c + QPointF(sx * len, 0));
    }
    p.setPen(QPen(QColor(60, 30, 0), 7, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.drawPath(corners);
    p.setPen(QPen(QColor(255, 214, 30), 4, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.drawPath(corners);
    // A pointer at the top edge.
    QPolygonF arrow({QPointF(70, 4), QPointF(90, 4), QPointF(80, 16)});
    p.setPen(QPen(QColor(60, 30, 0), 1.5));
    p.setBrush(QColor(255, 214, 30));
    p.drawPolygon(arrow);
    return image;
}

QImage PaintMaintainFrame() {
    QImage image = NewImage(kSmallTileWidth, kSmallTileHeight);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r(2, 2, kSmallTileWidth - 4, kSmallTileHeight - 4);
    p.setPen(QPen(QColor(255, 255, 255), 5));
    p.setBrush(QColor(255, 60, 40, 40));
    p.drawRoundedRect(r, 4, 4);
    p.setPen(QPen(QColor(230, 40, 30), 3));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(r, 4, 4);
    // The tab in the corner says what the mark is for.
    const QRectF tab(0, 0, 40, 17);
    p.setPen(QPen(QColor(255, 255, 255), 1.5));
    p.setBrush(VerticalGradient(0, 17, QColor(250, 80, 60), QColor(200, 30, 20)));
    p.drawRoundedRect(tab, 4, 4);
    OutlinedText(p, tab, QStringLiteral("整備"), ArtFont(12), Qt::white, QColor(120, 0, 0), 2);
    // A check mark in the opposite corner.
    p.setPen(QPen(QColor(120, 0, 0), 6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    QPolygonF tick({QPointF(96, 72), QPointF(103, 80), QPointF(114, 64)});
    p.drawPolyline(tick);
    p.setPen(QPen(QColor(255, 230, 60), 3.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(tick);
    return image;
}

QImage PaintPracticeOverlay() {
    QImage image = NewImage(240, 72);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF badge(6, 6, 228, 60);
    QPainterPath shape;
    shape.addRoundedRect(badge, 16, 16);
    Shadow(p, shape, QPointF(3, 4), 110);
    QLinearGradient g(0, badge.top(), 0, badge.bottom());
    g.setColorAt(0, QColor(255, 176, 60, 235));
    g.setColorAt(0.5, QColor(244, 110, 20, 235));
    g.setColorAt(1, QColor(200, 60, 10, 235));
    p.setPen(QPen(QColor(255, 255, 255), 3));
    p.setBrush(g);
    p.drawPath(shape);
    p.setPen(Qt::NoPen);
    p.setBrush(VerticalGradient(8, 34, QColor(255, 255, 255, 130), QColor(255, 255, 255, 0)));
    p.drawRoundedRect(QRectF(14, 9, 212, 24), 12, 12);
    // Tennis balls on either side of the words.
    for (double x : {34.0, 206.0}) {
        QRadialGradient ball(QPointF(x - 4, 30), 16);
        ball.setColorAt(0, QColor(246, 255, 140));
        ball.setColorAt(1, QColor(190, 220, 20));
        p.setPen(QPen(QColor(90, 100, 0), 1.5));
        p.setBrush(ball);
        p.drawEllipse(QPointF(x, 36), 13, 13);
        p.setPen(QPen(Qt::white, 2));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(x - 20, 25, 16, 22), -60 * 16, 120 * 16);
        p.drawArc(QRectF(x + 4, 25, 16, 22), 120 * 16, 120 * 16);
    }
    OutlinedText(p, QRectF(50, 6, 140, 60), QStringLiteral("練習中"), ArtFont(36), Qt::white,
                 QColor(120, 30, 0), 6);
    return image;
}

}  // namespace tk::art
