// Lot tiles of the buildings and the bare lots: indoor court, office, training room, land for
// sale and building site. Drawn in a slight bird's-eye view: roofs from above, fronts below.
#include <QLinearGradient>

#include "tools/artwork/art_kit.h"
#include "tools/artwork/art_pictures.h"

namespace tk::art {
namespace {

const QColor kPaving(206, 202, 190);

void Path(QPainter &p, const QRectF &r) {
    p.fillRect(r, kPaving);
    p.setPen(QPen(Shade(kPaving, 0.85), 0.6));
    for (double y = r.top() + 3; y < r.bottom(); y += 4)
        p.drawLine(QPointF(r.left(), y), QPointF(r.right(), y));
}

// A front wall with a lit band at the top, from roofBottom down by height.
void Wall(QPainter &p, const QRectF &r, const QColor &c) {
    p.fillRect(r, VerticalGradient(r.top(), r.bottom(), Shade(c, 1.04), Shade(c, 0.9)));
    p.fillRect(QRectF(r.left(), r.top(), r.width(), 1.5), QColor(0, 0, 0, 50));
    p.fillRect(QRectF(r.left(), r.bottom() - 1, r.width(), 1), Shade(c, 0.7));
}

void Window(QPainter &p, const QRectF &r) {
    p.setPen(QPen(QColor(250, 250, 250), 1));
    p.setBrush(VerticalGradient(r.top(), r.bottom(), QColor(150, 205, 245), QColor(60, 120, 190)));
    p.drawRect(r);
    p.setPen(QPen(QColor(255, 255, 255, 160), 0.8));
    p.drawLine(r.topLeft() + QPointF(2, r.height() - 2),
               r.topLeft() + QPointF(r.height() - 1, 1.5));
}

void DropShadow(QPainter &p, const QRectF &footprint) {
    QPainterPath s;
    s.addRect(footprint);
    Shadow(p, s, QPointF(4, 3), 80);
}

}  // namespace

void DrawIndoorCourtLot(QPainter &p) {
    Rng rng(404);
    p.setRenderHint(QPainter::Antialiasing, false);
    Grass(p, QRectF(0, 0, 160, 120), rng);
    Path(p, QRectF(66, 100, 28, 20));
    p.fillRect(QRectF(8, 96, 144, 6), kPaving);
    DropShadow(p, QRectF(10, 8, 140, 90));
    // Barrel roof: bright along its crown, darker towards the eaves.
    QLinearGradient roof(0, 8, 0, 74);
    roof.setColorAt(0, QColor(92, 124, 170));
    roof.setColorAt(0.38, QColor(222, 234, 248));
    roof.setColorAt(0.55, QColor(186, 206, 232));
    roof.setColorAt(1, QColor(84, 114, 160));
    p.fillRect(QRectF(10, 8, 140, 66), roof);
    p.setPen(QPen(QColor(70, 96, 140, 90), 0.8));
    for (double x = 14; x < 150; x += 5) p.drawLine(QPointF(x, 9), QPointF(x, 73));
    // Skylights along the crown.
    for (double x = 18; x < 140; x += 26) {
        p.fillRect(QRectF(x, 30, 18, 5), QColor(170, 225, 250));
        p.fillRect(QRectF(x, 30, 18, 1.5), QColor(255, 255, 255, 200));
    }
    p.setPen(QPen(QColor(50, 70, 110), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(10, 8, 140, 66));
    Wall(p, QRectF(10, 74, 140, 24), QColor(240, 232, 214));
    p.fillRect(QRectF(10, 74, 140, 6), QColor(60, 110, 190));  // blue fascia band
    for (double x = 16; x < 146; x += 13) {
        if (x > 62 && x < 96) continue;
        Window(p, QRectF(x, 83, 9, 7));
    }
    // Entrance: glass doors under a canopy with the name plate.
    p.fillRect(QRectF(66, 84, 28, 14), QColor(70, 80, 100));
    Window(p, QRectF(68, 86, 11, 12));
    Window(p, QRectF(81, 86, 11, 12));
    p.fillRect(QRectF(62, 80, 36, 4), QColor(230, 90, 50));
    p.fillRect(QRectF(62, 84, 36, 1), QColor(0, 0, 0, 70));
    OutlinedText(p, QRectF(10, 74, 140, 6), QStringLiteral("INDOOR TENNIS"), ArtFont(6), Qt::white,
                 Qt::transparent, 0);
    Bush(p, QRectF(14, 100, 40, 7), QColor(60, 150, 60));
    Bush(p, QRectF(106, 100, 40, 7), QColor(60, 150, 60));
}

void DrawOfficeLot(QPainter &p) {
    Rng rng(505);
    Grass(p, QRectF(0, 0, 160, 120), rng);
    // Car park to the right.
    p.fillRect(QRectF(110, 56, 46, 60), QColor(120, 124, 130));
    p.setPen(QPen(QColor(240, 240, 240), 1));
    for (double y = 56; y <= 116; y += 20) p.drawLine(QPointF(112, y), QPointF(154, y));
    p.setRenderHint(QPainter::Antialiasing);
    {
        // A small red car parked nose to the building.
        QPainterPath car;
        car.addRoundedRect(QRectF(118, 80, 28, 14), 5, 5);
        Shadow(p, car, QPointF(2, 2), 90);
        p.setPen(QPen(QColor(110, 20, 20), 0.8));
        p.setBrush(VerticalGradient(80, 94, QColor(240, 80, 70), QColor(170, 30, 30)));
        p.drawPath(car);
        p.setBrush(QColor(150, 200, 240));
        p.drawRoundedRect(QRectF(124, 82, 6, 10), 1.5, 1.5);
        p.drawRoundedRect(QRectF(136, 82, 4, 10), 1.5, 1.5);
        p.setBrush(QColor(200, 40, 40));
        p.drawRect(QRectF(130.5, 82.5, 5, 9));
    }
    Path(p, QRectF(50, 86, 18, 34));
    p.setRenderHint(QPainter::Antialiasing);
    DropShadow(p, QRectF(10, 12, 96, 74));
    // Hip roof of red tiles: four slopes, each in its own light.
    const QPointF a(8, 10), b(108, 10), c(108, 58), d(8, 58), r1(36, 33), r2(80, 33);
    const QColor tile(190, 78, 52);
    auto slope = [&](std::initializer_list<QPointF> pts, const QColor &col) {
        QPolygonF poly(pts);
        p.setPen(QPen(Shade(tile, 0.5), 0.8));
        p.setBrush(col);
        p.drawPolygon(poly);
    };
    slope({a, b, r2, r1}, Shade(tile, 1.18));
    slope({d, c, r2, r1}, tile);
    slope({a, r1, d}, Shade(tile, 1.32));
    slope({b, r2, c}, Shade(tile, 0.78));
    p.setPen(QPen(QColor(120, 40, 26, 120), 0.6));
    for (double t = 0.2; t < 1.0; t += 0.2) {
        p.drawLine(QPointF(a.x() + (r1.x() - a.x()) * t, a.y() + (r1.y() - a.y()) * t),
                   QPointF(b.x() + (r2.x() - b.x()) * t, b.y() + (r2.y() - b.y()) * t));
        p.drawLine(QPointF(d.x() + (r1.x() - d.x()) * t, d.y() + (r1.y() - d.y()) * t),
                   QPointF(c.x() + (r2.x() - c.x()) * t, c.y() + (r2.y() - c.y()) * t));
    }
    p.setPen(QPen(QColor(110, 36, 24), 1.4));
    p.drawLine(r1, r2);
    p.setRenderHint(QPainter::Antialiasing, false);
    Wall(p, QRectF(12, 58, 92, 28), QColor(248, 244, 232));
    for (double x : {17.0, 30.0, 75.0, 88.0}) Window(p, QRectF(x, 64, 10, 10));
    p.fillRect(QRectF(52, 68, 14, 18), QColor(140, 86, 44));  // door
    p.fillRect(QRectF(58.5, 69, 1, 17), QColor(90, 50, 20));
    p.fillRect(QRectF(48, 64, 22, 4), QColor(40, 110, 60));  // canopy
    // The club emblem over the door: a tennis ball on a blue plate.
    p.fillRect(QRectF(50, 58.5, 18, 5.5), QColor(30, 60, 130));
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(255, 255, 255), 0.6));
    p.setBrush(QColor(220, 240, 60));
    p.drawEllipse(QPointF(59, 61.2), 2.2, 2.2);
    p.setRenderHint(QPainter::Antialiasing, false);
    Bush(p, QRectF(13, 87, 30, 6), QColor(70, 160, 70));
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 7; ++i) {  // flower bed beside the path
        p.setBrush(i % 2 ? QColor(250, 90, 120) : QColor(255, 220, 60));
        p.drawEllipse(QPointF(76 + i * 4, 90 + (i % 2)), 1.4, 1.4);
    }
    // Flag pole with the club pennant, and a tree behind the car park.
    p.setPen(QPen(QColor(0, 0, 0, 60), 1.2));
    p.drawLine(QPointF(120, 50), QPointF(134, 56));
    p.setPen(QPen(QColor(200, 200, 210), 1.3));
    p.drawLine(QPointF(120, 50), QPointF(120, 14));
    QPolygonF flag({QPointF(121, 14), QPointF(136, 17), QPointF(121, 21)});
    p.setPen(QPen(QColor(20, 60, 140), 0.6));
    p.setBrush(QColor(255, 210, 40));
    p.drawPolygon(flag);
    Tree(p, QPointF(146, 26), 11, QColor(60, 150, 60));
    Tree(p, QPointF(134, 8), 7, QColor(80, 165, 70));
}

void DrawTrainingRoomLot(QPainter &p) {
    Rng rng(606);
    Grass(p, QRectF(0, 0, 160, 120), rng);
    Path(p, QRectF(98, 96, 24, 24));
    DropShadow(p, QRectF(12, 10, 134, 86));
    // Flat concrete roof with a parapet and the air-conditioning units.
    p.fillRect(QRectF(12, 10, 134, 56), QColor(188, 190, 196));
    p.fillRect(QRectF(15, 13, 128, 50), QColor(168, 172, 180));
    p.setPen(QPen(QColor(150, 154, 162), 0.6));
    for (double x = 15; x < 143; x += 16) p.drawLine(QPointF(x, 13), QPointF(x, 63));
    p.setRenderHint(QPainter::Antialiasing);
    for (double x : {24.0, 44.0}) {
        p.setPen(QPen(QColor(90, 94, 104), 0.8));
        p.setBrush(QColor(226, 228, 232));
        p.drawRect(QRectF(x, 20, 14, 12));
        p.setBrush(QColor(120, 126, 136));
        p.drawEllipse(QPointF(x + 7, 26), 4.5, 4.5);
        p.drawLine(QPointF(x + 3, 26), QPointF(x + 11, 26));
        p.drawLine(QPointF(x + 7, 22), QPointF(x + 7, 30));
    }
    p.setPen(QPen(QColor(80, 110, 150), 0.8));
    p.setBrush(VerticalGradient(20, 50, QColor(190, 230, 250), QColor(110, 170, 220)));
    p.drawRect(QRectF(80, 22, 52, 26));  // skylight
    p.setPen(QPen(QColor(255, 255, 255, 150), 0.8));
    for (double x = 93; x < 132; x += 13) p.drawLine(QPointF(x, 22), QPointF(x, 48));
    p.setRenderHint(QPainter::Antialiasing, false);
    Wall(p, QRectF(12, 66, 134, 30), QColor(236, 236, 230));
    p.fillRect(QRectF(12, 66, 134, 7), QColor(238, 120, 40));  // orange band with the name
    OutlinedText(p, QRectF(12, 66, 134, 7), QStringLiteral("TRAINING ROOM"), ArtFont(6), Qt::white,
                 Qt::transparent, 0);
    // Big windows with the machines inside.
    const QRectF glass(16, 76, 80, 16);
    p.fillRect(glass, VerticalGradient(glass.top(), glass.bottom(), QColor(170, 220, 245),
                                       QColor(80, 140, 200)));
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 50, 70));
    for (double x : {22.0, 50.0}) {  // dumbbells
        p.drawRect(QRectF(x, 86, 8, 1.5));
        p.drawRect(QRectF(x - 1, 84, 2.5, 5.5));
        p.drawRect(QRectF(x + 6.5, 84, 2.5, 5.5));
    }
    p.drawRect(QRectF(34, 83, 10, 7));  // a running machine
    p.drawRect(QRectF(41, 79, 2, 5));
    p.drawRect(QRectF(64, 82, 2, 8));  // a bench press
    p.drawRect(QRectF(60, 81, 10, 1.5));
    p.drawRect(QRectF(74, 87, 16, 2));
    p.setPen(QPen(QColor(255, 255, 255, 170), 0.8));
    for (double x = 16; x < 96; x += 20) p.drawLine(QPointF(x, 76), QPointF(x, 92));
    p.drawLine(QPointF(20, 91), QPointF(30, 77));
    p.drawLine(QPointF(60, 91), QPointF(70, 77));
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillRect(QRectF(100, 76, 20, 20), QColor(60, 70, 90));
    Window(p, QRectF(102, 78, 7.5, 18));
    Window(p, QRectF(110.5, 78, 7.5, 18));
    Window(p, QRectF(126, 78, 14, 10));
    Bush(p, QRectF(14, 98, 44, 7), QColor(60, 150, 60));
    Bush(p, QRectF(126, 98, 26, 7), QColor(60, 150, 60));
    Tree(p, QPointF(150, 11), 8, QColor(70, 160, 70));
}

void DrawLandForSaleLot(QPainter &p) {
    Rng rng(707);
    Grass(p, QRectF(0, 0, 160, 120), rng, QColor(150, 176, 88));
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 9; ++i) {  // bare patches of earth
        const QPointF c(rng.Range(20, 140), rng.Range(16, 104));
        p.setBrush(QColor(176, 140, 96, 200));
        p.drawEllipse(c, rng.Range(8, 18), rng.Range(4, 9));
    }
    for (int i = 0; i < 40; ++i) {  // weeds
        const QPointF c(rng.Range(6, 154), rng.Range(8, 112));
        p.setPen(QPen(QColor(70, 120, 40), 0.8));
        p.drawLine(c, c + QPointF(-1.5, -3));
        p.drawLine(c, c + QPointF(1.5, -3));
        p.drawLine(c, c + QPointF(0, -3.5));
    }
    for (int i = 0; i < 8; ++i) {
        const QPointF c(rng.Range(10, 150), rng.Range(12, 110));
        p.setPen(QPen(QColor(110, 110, 100), 0.6));
        p.setBrush(QColor(190, 188, 178));
        p.drawEllipse(c, 2, 1.4);
    }
    // Rope fence on stakes, with red and white flags.
    const QRectF f(8, 12, 144, 98);
    QPolygonF stakes;
    for (double x = f.left(); x <= f.right() + 0.1; x += 24)
        stakes << QPointF(x, f.top()) << QPointF(x, f.bottom());
    for (double y = f.top() + 24.5; y < f.bottom(); y += 24.5)
        stakes << QPointF(f.left(), y) << QPointF(f.right(), y);
    p.setPen(QPen(QColor(250, 250, 240), 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawRect(f.translated(0, -4));
    for (const QPointF &s : stakes) {
        p.setPen(QPen(QColor(120, 80, 40), 1.6));
        p.drawLine(s, s - QPointF(0, 6));
    }
    p.setPen(Qt::NoPen);
    for (double x = f.left() + 12; x < f.right(); x += 24) {
        for (double y : {f.top() - 4, f.bottom() - 4}) {
            p.setBrush(int(x) % 48 < 24 ? QColor(230, 40, 40) : QColor(255, 255, 255));
            p.drawPolygon(QPolygonF({QPointF(x - 2, y), QPointF(x + 2, y), QPointF(x, y + 3.5)}));
        }
    }
    // The sign board: "売地" in red on white, on two legs.
    const QRectF board(50, 34, 60, 34);
    p.setPen(QPen(QColor(0, 0, 0, 60), 2));
    p.drawLine(QPointF(60, 80), QPointF(70, 84));
    p.drawLine(QPointF(100, 80), QPointF(110, 84));
    p.setPen(QPen(QColor(100, 70, 40), 2.2));
    p.drawLine(QPointF(60, 66), QPointF(60, 80));
    p.drawLine(QPointF(100, 66), QPointF(100, 80));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(20, 40, 10, 60));
    p.drawPolygon(
        QPolygonF({QPointF(60, 80), QPointF(100, 80), QPointF(112, 86), QPointF(72, 86)}));
    p.setPen(QPen(QColor(60, 60, 60), 1));
    p.setBrush(QColor(252, 252, 246));
    p.drawRect(board);
    p.setPen(QPen(QColor(220, 30, 30), 1.2));
    p.drawRect(board.adjusted(2, 2, -2, -2));
    OutlinedText(p, QRectF(50, 34, 60, 26), QStringLiteral("売地"), ArtFont(21),
                 QColor(215, 20, 20), Qt::transparent, 0);
    p.setPen(QPen(QColor(90, 90, 90), 1.2));  // the small print under the title
    p.drawLine(QPointF(58, 60), QPointF(102, 60));
    p.drawLine(QPointF(64, 64), QPointF(96, 64));
}

}  // namespace tk::art
