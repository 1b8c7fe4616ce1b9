// The construction screen's pictures: outdoor court, lit outdoor court, indoor court and
// training room, each in its landscape.
#include <QLinearGradient>

#include "tools/artwork/art_kit.h"
#include "tools/artwork/art_pictures.h"
#include "tools/artwork/scene_kit.h"

namespace tk::art {
namespace {

constexpr int kWidth = 240, kHeight = 160;
constexpr double kHorizon = 62;

QPolygonF CourtGround() {
    return QPolygonF({QPointF(62, 58), QPointF(178, 58), QPointF(330, 200), QPointF(-90, 200)});
}

void Glass(QPainter &p, const QRectF &r) {
    p.setPen(QPen(QColor(240, 244, 248), 1));
    p.setBrush(VerticalGradient(r.top(), r.bottom(), QColor(170, 220, 248), QColor(60, 120, 190)));
    p.drawRect(r);
    p.setPen(QPen(QColor(255, 255, 255, 150), 1));
    p.drawLine(r.bottomLeft() + QPointF(2, -2),
               r.bottomLeft() + QPointF(r.height() * 0.7, -r.height() + 2));
}

void IndoorCourt(QPainter &p) {
    // A long hall with a barrel roof; its right end shows the arch.
    const double l = 22, r = 190, eave = 84, ground = 138, dx = 34, dy = -24, bulge = 20;
    auto arc = [&](double x) {
        QPainterPath a;
        a.moveTo(x, eave);
        a.cubicTo(x + 2, eave - bulge * 1.3, x + dx - 2, eave + dy - bulge * 1.3, x + dx,
                  eave + dy);
        return a;
    };
    // Only the front half of each arch is seen, up to its highest point.
    const QPainterPath unit = arc(0);
    double peak = 0;
    for (double t = 0; t <= 1.0; t += 0.01) {
        if (unit.pointAtPercent(t).y() < unit.pointAtPercent(peak).y()) peak = t;
    }
    auto frontHalf = [&](double x) {
        QPainterPath h;
        h.moveTo(x, eave);
        for (double t = 0.02; t < peak; t += 0.02) h.lineTo(unit.pointAtPercent(t) + QPointF(x, 0));
        h.lineTo(unit.pointAtPercent(peak) + QPointF(x, 0));
        return h;
    };
    QPainterPath roof = frontHalf(l);
    roof.connectPath(frontHalf(r).toReversed());
    roof.closeSubpath();
    QPainterPath silhouette = roof;
    silhouette.addRect(QRectF(l, eave, r - l, ground - eave));
    Shadow(p, silhouette, QPointF(10, 4), 70);
    const double top = unit.pointAtPercent(peak).y();
    QLinearGradient g(0, top, 0, eave);
    g.setColorAt(0, QColor(236, 244, 252));
    g.setColorAt(0.45, QColor(176, 200, 232));
    g.setColorAt(1, QColor(96, 128, 178));
    p.setPen(QPen(QColor(50, 70, 110), 1));
    p.setBrush(g);
    p.drawPath(roof);
    p.save();
    p.setClipPath(roof);
    p.setPen(QPen(QColor(70, 96, 140, 90), 1));
    p.setBrush(Qt::NoBrush);
    for (double x = l + 7; x < r; x += 7) p.drawPath(frontHalf(x));
    p.restore();
    // End wall under the right arch.
    QPainterPath end = arc(r);
    end.lineTo(r + dx, ground + dy);
    end.lineTo(r, ground);
    end.closeSubpath();
    p.setPen(QPen(QColor(120, 110, 90), 1));
    p.setBrush(
        VerticalGradient(eave + dy - bulge, ground, QColor(214, 206, 188), QColor(180, 170, 150)));
    p.drawPath(end);
    for (int i = 0; i < 3; ++i)
        Glass(p, QRectF(r + 8 + i * 8, eave + 6 + dy * (0.25 + i * 0.25), 5, 8));
    // Front wall: blue fascia with the name, windows and the entrance.
    const QRectF wall(l, eave, r - l, ground - eave);
    p.setPen(QPen(QColor(120, 110, 90), 1));
    p.setBrush(
        VerticalGradient(wall.top(), wall.bottom(), QColor(250, 244, 230), QColor(214, 206, 190)));
    p.drawRect(wall);
    p.fillRect(QRectF(l, eave, r - l, 10), QColor(50, 100, 190));
    OutlinedText(p, QRectF(l, eave, r - l, 10), QStringLiteral("INDOOR TENNIS COURT"), ArtFont(8),
                 Qt::white, Qt::transparent, 0);
    for (double x = l + 8; x < r - 12; x += 20) {
        if (x > 88 && x < 128) continue;
        Glass(p, QRectF(x, eave + 18, 13, 14));
    }
    p.fillRect(QRectF(90, 110, 36, 28), QColor(70, 80, 100));
    Glass(p, QRectF(92, 112, 15, 26));
    Glass(p, QRectF(109, 112, 15, 26));
    p.setPen(QPen(QColor(140, 40, 20), 1));
    p.setBrush(VerticalGradient(102, 108, QColor(250, 110, 60), QColor(200, 60, 30)));
    p.drawRect(QRectF(84, 102, 48, 6));
}

void TrainingRoom(QPainter &p) {
    const double l = 36, r = 170, top = 60, ground = 140, dx = 30, dy = -20;
    QPainterPath body;
    body.addPolygon(
        QPolygonF({QPointF(l, ground), QPointF(l, top), QPointF(l + dx, top + dy),
                   QPointF(r + dx, top + dy), QPointF(r + dx, ground + dy), QPointF(r, ground)}));
    Shadow(p, body, QPointF(8, 4), 70);
    p.setPen(QPen(QColor(90, 94, 104), 1));
    p.setBrush(QColor(196, 198, 204));
    p.drawPolygon(QPolygonF(
        {QPointF(l, top), QPointF(l + dx, top + dy), QPointF(r + dx, top + dy), QPointF(r, top)}));
    p.setBrush(QColor(226, 228, 232));  // units on the roof
    p.drawRect(QRectF(l + 30, top - 12, 18, 8));
    p.drawRect(QRectF(l + 56, top - 14, 14, 8));
    p.setBrush(VerticalGradient(top + dy, ground, QColor(200, 200, 196), QColor(160, 160, 156)));
    p.drawPolygon(QPolygonF({QPointF(r, top), QPointF(r + dx, top + dy),
                             QPointF(r + dx, ground + dy), QPointF(r, ground)}));
    const QRectF wall(l, top, r - l, ground - top);
    p.setBrush(
        VerticalGradient(wall.top(), wall.bottom(), QColor(248, 248, 244), QColor(214, 214, 208)));
    p.drawRect(wall);
    p.fillRect(QRectF(l, top + 2, r - l, 12), QColor(240, 120, 30));
    OutlinedText(p, QRectF(l, top + 2, r - l, 12), QStringLiteral("TRAINING ROOM"), ArtFont(10),
                 Qt::white, QColor(150, 60, 0), 1.5);
    for (double x = l + 6; x < r - 10; x += 16) Glass(p, QRectF(x, top + 20, 12, 12));
    // The ground floor is one wall of glass with the machines behind it.
    const QRectF glass(l + 6, top + 42, 92, 34);
    Glass(p, glass);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 50, 72));
    p.drawRect(QRectF(l + 12, top + 66, 16, 3));  // dumbbell
    p.drawRect(QRectF(l + 10, top + 62, 4, 10));
    p.drawRect(QRectF(l + 26, top + 62, 4, 10));
    p.drawRect(QRectF(l + 40, top + 62, 22, 10));  // running machine
    p.drawRect(QRectF(l + 56, top + 52, 4, 12));
    p.drawRect(QRectF(l + 72, top + 56, 4, 16));  // weight bench
    p.drawRect(QRectF(l + 66, top + 54, 18, 3));
    p.drawRect(QRectF(l + 80, top + 66, 14, 4));
    p.setPen(QPen(QColor(255, 255, 255, 170), 1));
    for (double x = glass.left() + 23; x < glass.right(); x += 23)
        p.drawLine(QPointF(x, glass.top()), QPointF(x, glass.bottom()));
    p.fillRect(QRectF(r - 28, top + 46, 22, 34), QColor(60, 70, 90));
    Glass(p, QRectF(r - 26, top + 48, 9, 32));
    Glass(p, QRectF(r - 16, top + 48, 9, 32));
}

}  // namespace

QImage PaintBuilding(int storedKind) {
    QImage image = NewImage(kWidth, kHeight, Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    Rng rng(1000 + storedKind);
    Landscape(p, QRectF(0, 0, kWidth, kHeight), kHorizon, rng);
    if (storedKind == 0 || storedKind == 1) {
        DrawPerspectiveCourt(p, CourtGround(), storedKind == 1);
    } else {
        p.fillRect(QRectF(0, 132, kWidth, 28), QColor(206, 202, 190));  // forecourt
        p.setPen(QPen(QColor(180, 176, 164), 1));
        for (double x = -40; x < kWidth; x += 16) p.drawLine(QPointF(x, 160), QPointF(x + 24, 132));
        if (storedKind == 4)
            IndoorCourt(p);
        else
            TrainingRoom(p);
        Tree(p, QPointF(14, 124), 14, QColor(60, 150, 60));
        Tree(p, QPointF(226, 130), 13, QColor(74, 160, 64));
        Bush(p, QRectF(60, 142, 30, 9), QColor(60, 150, 60));
        Bush(p, QRectF(150, 142, 30, 9), QColor(60, 150, 60));
    }
    // A thin frame, like a photo in the brochure.
    p.setPen(QPen(QColor(60, 70, 90), 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(1, 1, kWidth - 2, kHeight - 2));
    return image;
}

void Cloud(QPainter &p, const QPointF &c, double s) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 230));
    p.drawEllipse(c, s, s * 0.45);
    p.drawEllipse(c + QPointF(-s * 0.55, s * 0.1), s * 0.5, s * 0.32);
    p.drawEllipse(c + QPointF(s * 0.5, s * 0.08), s * 0.55, s * 0.34);
    p.drawEllipse(c + QPointF(-s * 0.1, -s * 0.3), s * 0.5, s * 0.38);
    p.setBrush(QColor(214, 226, 240, 200));
    p.drawEllipse(c + QPointF(0, s * 0.25), s * 0.9, s * 0.16);
}

void Landscape(QPainter &p, const QRectF &rect, double horizon, Rng &rng) {
    p.fillRect(QRectF(rect.left(), rect.top(), rect.width(), horizon - rect.top()),
               VerticalGradient(rect.top(), horizon, QColor(70, 150, 236), QColor(200, 232, 252)));
    Cloud(p, QPointF(rect.left() + rect.width() * 0.2, rect.top() + horizon * 0.28), 16);
    Cloud(p, QPointF(rect.left() + rect.width() * 0.75, rect.top() + horizon * 0.2), 12);
    Cloud(p, QPointF(rect.left() + rect.width() * 0.55, rect.top() + horizon * 0.55), 9);
    // Blue far hills, then the green ones with a line of trees.
    QPainterPath far;
    far.moveTo(rect.left(), horizon);
    for (double x = rect.left(); x <= rect.right() + 20; x += 20) {
        far.lineTo(x, horizon - 10 - 8 * rng.Unit());
    }
    far.lineTo(rect.right(), horizon);
    far.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(130, 170, 200));
    p.drawPath(far);
    Grass(p, QRectF(rect.left(), horizon, rect.width(), rect.bottom() - horizon), rng);
    for (double x = rect.left() + 4; x < rect.right(); x += rng.Range(9, 15)) {
        const double r = rng.Range(4, 7);
        p.setBrush(rng.Unit() < 0.5 ? QColor(50, 120, 60) : QColor(66, 140, 64));
        p.drawEllipse(QPointF(x, horizon - r * 0.5), r, r);
    }
}

}  // namespace tk::art
