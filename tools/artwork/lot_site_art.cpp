// Lot tile of a building site: steel frame going up, a crane, materials and the site fence.
#include "tools/artwork/art_kit.h"
#include "tools/artwork/art_pictures.h"

namespace tk::art {
namespace {

const QColor kSteel(214, 92, 48);

void Cone(QPainter &p, const QPointF &base) {
    p.setPen(QPen(QColor(120, 40, 0), 0.6));
    p.setBrush(QColor(250, 110, 20));
    p.drawPolygon(QPolygonF({base + QPointF(-3, 0), base + QPointF(3, 0), base + QPointF(0, -8)}));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawPolygon(QPolygonF({base + QPointF(-1.9, -3), base + QPointF(1.9, -3),
                             base + QPointF(1.2, -5), base + QPointF(-1.2, -5)}));
}

void Barricade(QPainter &p, const QRectF &r) {
    p.save();
    p.setClipRect(r);
    p.fillRect(r, QColor(250, 210, 20));
    p.setPen(QPen(QColor(30, 30, 30), 2.2));
    for (double x = r.left() - r.height(); x < r.right(); x += 5) {
        p.drawLine(QPointF(x, r.bottom()), QPointF(x + r.height(), r.top()));
    }
    p.restore();
    p.setPen(QPen(QColor(60, 50, 0), 0.6));
    p.setBrush(Qt::NoBrush);
    p.drawRect(r);
}

}  // namespace

void DrawBuildingSiteLot(QPainter &p) {
    Rng rng(808);
    Earth(p, QRectF(0, 0, 160, 120), rng, QColor(186, 146, 98));
    p.setRenderHint(QPainter::Antialiasing);
    // Caterpillar tracks in the mud.
    p.setPen(QPen(QColor(150, 112, 70), 3, Qt::DotLine));
    p.drawLine(QPointF(0, 104), QPointF(118, 96));
    p.drawLine(QPointF(0, 110), QPointF(120, 102));
    // Site fence of white panels along the back.
    p.setPen(QPen(QColor(150, 150, 160), 0.6));
    for (double x = 2; x < 158; x += 12) {
        p.setBrush(VerticalGradient(0, 10, QColor(250, 250, 252), QColor(210, 214, 222)));
        p.drawRect(QRectF(x, 1, 12, 9));
    }
    p.fillRect(QRectF(2, 4, 156, 2), QColor(40, 110, 200));
    // Foundation slab and the steel frame: 3 x 2 bays, columns rising 26 pixels.
    const double left = 22, right = 106, back = 34, front = 74, rise = 26;
    QPainterPath slab;
    slab.addRect(QRectF(left - 4, back - 4, right - left + 8, front - back + 8));
    Shadow(p, slab, QPointF(3, 3), 60);
    p.setPen(QPen(QColor(130, 130, 130), 0.8));
    p.setBrush(QColor(200, 200, 196));
    p.drawPath(slab);
    p.setBrush(QColor(185, 185, 182));
    p.drawRect(QRectF(left, back, (right - left) / 3 * 2, front - back));  // floor laid so far
    auto col = [&](double x, double y) {
        p.setPen(QPen(QColor(0, 0, 0, 50), 1.6));
        p.drawLine(QPointF(x, y), QPointF(x + 9, y + 4));
        p.setPen(QPen(kSteel, 2.0));
        p.drawLine(QPointF(x, y), QPointF(x, y - rise));
        p.setPen(QPen(Shade(kSteel, 1.3), 0.6));
        p.drawLine(QPointF(x - 0.6, y), QPointF(x - 0.6, y - rise));
    };
    const double xs[4] = {left, left + 28, left + 56, right};
    for (double y : {back, front}) {
        for (double x : xs) col(x, y);
    }
    p.setPen(QPen(Shade(kSteel, 0.85), 1.8));
    for (double y : {back, front}) p.drawLine(QPointF(left, y - rise), QPointF(right, y - rise));
    for (double x : xs) p.drawLine(QPointF(x, back - rise), QPointF(x, front - rise));
    p.setPen(QPen(Shade(kSteel, 0.85), 1.0));
    for (int i = 0; i < 3; ++i) {  // cross bracing on the front face
        p.drawLine(QPointF(xs[i], front), QPointF(xs[i + 1], front - rise));
    }
    // Scaffolding with green safety mesh on the right end.
    p.fillRect(QRectF(right + 2, back - rise - 2, 7, front - back + rise + 2),
               QColor(40, 140, 80, 150));
    p.setPen(QPen(QColor(160, 160, 170), 0.7));
    for (double y = back - rise; y <= front; y += 6)
        p.drawLine(QPointF(right + 2, y), QPointF(right + 9, y));
    // Mobile crane: yellow body, boom over the frame, hook on its cable.
    QPainterPath crane;
    crane.addRoundedRect(QRectF(120, 56, 30, 16), 2, 2);
    Shadow(p, crane, QPointF(3, 3), 90);
    p.setPen(QPen(QColor(40, 40, 40), 0.8));
    p.setBrush(QColor(60, 60, 64));
    p.drawRect(QRectF(118, 68, 34, 6));  // tracks
    p.setBrush(VerticalGradient(56, 72, QColor(255, 220, 50), QColor(230, 170, 10)));
    p.drawPath(crane);
    p.setBrush(QColor(140, 200, 240));
    p.drawRect(QRectF(140, 58, 7, 7));
    p.setPen(QPen(QColor(230, 170, 10), 3.0, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(130, 60), QPointF(70, 14));
    p.setPen(QPen(QColor(120, 80, 0), 0.7));
    p.drawLine(QPointF(130, 59), QPointF(70, 13));
    for (double t = 0.1; t < 1.0; t += 0.1) {  // lattice of the boom
        const QPointF q(130 + (70 - 130) * t, 60 + (14 - 60) * t);
        p.drawLine(q + QPointF(-1, -1.5), q + QPointF(1.5, 1.2));
    }
    p.setPen(QPen(QColor(40, 40, 40), 0.6));
    p.drawLine(QPointF(70, 14), QPointF(70, 34));
    p.setBrush(QColor(220, 60, 40));
    p.drawRect(QRectF(68, 34, 4, 3));
    p.setPen(QPen(kSteel, 2));
    p.drawLine(QPointF(60, 40), QPointF(80, 40));  // a beam on its way up
    // Materials: a stack of pipes and a blue sheet over a pile.
    p.setPen(QPen(QColor(90, 90, 90), 0.5));
    p.setBrush(QColor(190, 190, 196));
    for (int i = 0; i < 4; ++i) {
        for (int j = 0; j <= i % 2; ++j) p.drawEllipse(QPointF(12 + i * 3.4, 94 - j * 3), 1.8, 1.8);
    }
    p.setBrush(QColor(200, 200, 204));
    p.drawRect(QRectF(12, 82, 22, 4));
    p.setPen(QPen(QColor(20, 60, 140), 0.7));
    p.setBrush(VerticalGradient(84, 100, QColor(70, 140, 240), QColor(30, 80, 190)));
    p.drawRoundedRect(QRectF(28, 86, 26, 13), 4, 4);
    // Barricade and cones at the entrance, with the sign.
    Barricade(p, QRectF(64, 106, 56, 6));
    for (double x : {58.0, 126.0, 140.0}) Cone(p, QPointF(x, 114));
    p.setPen(QPen(QColor(80, 80, 80), 0.8));
    p.setBrush(QColor(255, 255, 255));
    p.drawRect(QRectF(76, 88, 32, 14));
    p.setPen(QPen(QColor(100, 70, 40), 1.5));
    p.drawLine(QPointF(92, 102), QPointF(92, 106));
    OutlinedText(p, QRectF(76, 88, 32, 14), QStringLiteral("工事中"), ArtFont(10),
                 QColor(220, 30, 20), Qt::transparent, 0);
}

}  // namespace tk::art
