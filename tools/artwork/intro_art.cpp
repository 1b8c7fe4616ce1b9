// The match announcement picture, the title logo and the window icon.
#include <algorithm>

#include <QLinearGradient>
#include <QRadialGradient>

#include "tools/artwork/art_kit.h"
#include "tools/artwork/art_pictures.h"
#include "tools/artwork/scene_kit.h"

namespace tk::art {
namespace {

// Stands full of spectators behind the court, under the stadium roof.
void Stands(QPainter &p, const QRectF &r, Rng &rng) {
    p.fillRect(r, VerticalGradient(r.top(), r.bottom(), QColor(70, 76, 96), QColor(120, 126, 146)));
    const QColor shirts[] = {QColor(240, 70, 60),   QColor(250, 220, 60), QColor(60, 130, 230),
                             QColor(250, 250, 250), QColor(80, 190, 90),  QColor(250, 140, 40),
                             QColor(200, 90, 200),  QColor(60, 60, 70)};
    p.setPen(Qt::NoPen);
    int row = 0;
    for (double y = r.top() + 6; y < r.bottom() - 2; y += 7, ++row) {
        p.fillRect(QRectF(r.left(), y + 3.5, r.width(), 1), QColor(160, 166, 186));
        for (double x = r.left() + (row % 2) * 3; x < r.right(); x += 6) {
            if (rng.Unit() < 0.08) continue;  // an empty seat here and there
            p.setBrush(shirts[rng.Int(0, 7)]);
            p.drawRect(QRectF(x, y + 1, 4, 3));
            p.setBrush(rng.Unit() < 0.8 ? QColor(250, 210, 170) : QColor(60, 40, 30));
            p.drawEllipse(QPointF(x + 2, y - 0.3), 1.6, 1.6);
        }
    }
    p.fillRect(QRectF(r.left(), r.top(), r.width(), 5), QColor(40, 44, 60));
}

void Boards(QPainter &p, const QRectF &r) {
    p.fillRect(r, QColor(26, 86, 56));
    const struct {
        const char *text;
        QColor colour;
    } boards[] = {{"ACE", QColor(220, 40, 40)},
                  {"SMASH", QColor(30, 90, 200)},
                  {"TENNIS", QColor(250, 200, 30)},
                  {"RALLY", QColor(30, 150, 80)},
                  {"VOLLEY", QColor(240, 120, 20)}};
    const double w = r.width() / 5;
    for (int i = 0; i < 5; ++i) {
        const QRectF b(r.left() + i * w + 3, r.top() + 2, w - 6, r.height() - 4);
        p.fillRect(b, boards[i].colour);
        OutlinedText(p, b, QString::fromLatin1(boards[i].text), ArtFont(9), Qt::white,
                     Shade(boards[i].colour, 0.4), 2);
    }
}

}  // namespace

void Ball(QPainter &p, const QPointF &c, double radius) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient g(c + QPointF(-radius * 0.35, -radius * 0.4), radius * 1.4);
    g.setColorAt(0, QColor(250, 255, 170));
    g.setColorAt(0.6, QColor(214, 236, 40));
    g.setColorAt(1, QColor(150, 180, 0));
    p.setPen(QPen(QColor(80, 90, 0), std::max(1.0, radius / 12)));
    p.setBrush(g);
    p.drawEllipse(c, radius, radius);
    p.setPen(QPen(QColor(255, 255, 255), std::max(1.2, radius / 7)));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(c.x() - radius * 1.6, c.y() - radius * 0.8, radius * 1.2, radius * 1.6),
              -60 * 16, 120 * 16);
    p.drawArc(QRectF(c.x() + radius * 0.4, c.y() - radius * 0.8, radius * 1.2, radius * 1.6),
              120 * 16, 120 * 16);
    p.restore();
}

void Racket(QPainter &p, const QColor &frame) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF head(-24, -32, 48, 64);
    QPainterPath inside;
    inside.addEllipse(head.adjusted(3, 3, -3, -3));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 60));
    p.drawPath(inside);
    p.save();
    p.setClipPath(inside);
    p.setPen(QPen(QColor(250, 250, 240), 1));
    for (double x = -21; x <= 21; x += 5) p.drawLine(QPointF(x, -32), QPointF(x, 32));
    for (double y = -29; y <= 29; y += 5) p.drawLine(QPointF(-24, y), QPointF(24, y));
    p.restore();
    // Throat and handle.
    p.setPen(QPen(Shade(frame, 0.5), 1));
    p.setBrush(frame);
    QPainterPath throat;
    throat.moveTo(-12, 27);
    throat.lineTo(-3, 46);
    throat.lineTo(3, 46);
    throat.lineTo(12, 27);
    throat.lineTo(6, 29);
    throat.lineTo(0, 40);
    throat.lineTo(-6, 29);
    throat.closeSubpath();
    p.drawPath(throat);
    p.setBrush(VerticalGradient(46, 84, QColor(60, 60, 70), QColor(20, 20, 30)));
    p.drawRoundedRect(QRectF(-4.5, 46, 9, 38), 3, 3);
    p.setPen(QPen(QColor(120, 120, 130), 1));
    for (double y = 50; y < 82; y += 4) p.drawLine(QPointF(-4.5, y), QPointF(4.5, y + 2));
    p.setPen(QPen(Shade(frame, 0.45), 7));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(head);
    p.setPen(QPen(frame, 5));
    p.drawEllipse(head);
    p.setPen(QPen(Shade(frame, 1.5), 1.5));
    p.drawArc(head.adjusted(-1, -1, 1, 1), 100 * 16, 70 * 16);
    p.restore();
}

QImage PaintMatchIntro() {
    QImage image = NewImage(400, 240, Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    Rng rng(2024);
    p.fillRect(QRectF(0, 0, 400, 30),
               VerticalGradient(0, 30, QColor(60, 140, 230), QColor(170, 215, 250)));
    Cloud(p, QPointF(60, 12), 12);
    Cloud(p, QPointF(320, 10), 10);
    Stands(p, QRectF(0, 22, 400, 78), rng);
    Boards(p, QRectF(0, 100, 400, 16));
    p.fillRect(QRectF(0, 116, 400, 124), QColor(52, 140, 92));
    DrawPerspectiveCourt(
        p, QPolygonF({QPointF(96, 112), QPointF(304, 112), QPointF(560, 320), QPointF(-160, 320)}),
        false, false);
    // Crossed rackets with the ball flying in over them.
    p.setPen(Qt::NoPen);
    QRadialGradient halo(QPointF(200, 150), 110);
    halo.setColorAt(0, QColor(255, 255, 220, 150));
    halo.setColorAt(1, QColor(255, 255, 220, 0));
    p.setBrush(halo);
    p.drawEllipse(QPointF(200, 150), 110, 90);
    for (const auto &[angle, colour] :
         {std::pair{-38.0, QColor(220, 40, 40)}, std::pair{38.0, QColor(30, 90, 210)}}) {
        p.save();
        p.translate(200, 184);
        p.rotate(angle);
        p.translate(0, -56);
        Racket(p, colour);
        p.restore();
    }
    p.setPen(QPen(QColor(255, 255, 255, 200), 3, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 3; ++i) {
        p.drawLine(QPointF(118 - i * 8, 50 + i * 12), QPointF(170 - i * 4, 82 + i * 6));
    }
    Ball(p, QPointF(200, 96), 18);
    // Banner across the foot of the picture.
    const QRectF banner(70, 196, 260, 32);
    QPainterPath ribbon;
    ribbon.addPolygon(
        QPolygonF({QPointF(banner.left() - 22, banner.top() + 6), banner.topLeft(),
                   banner.topRight(), QPointF(banner.right() + 22, banner.top() + 6),
                   QPointF(banner.right() + 10, banner.center().y() + 6),
                   QPointF(banner.right() + 22, banner.bottom() + 6), banner.bottomRight(),
                   banner.bottomLeft(), QPointF(banner.left() - 22, banner.bottom() + 6),
                   QPointF(banner.left() - 10, banner.center().y() + 6)}));
    ribbon.closeSubpath();
    Shadow(p, ribbon, QPointF(3, 3), 100);
    p.setPen(QPen(QColor(255, 255, 255), 2));
    p.setBrush(
        VerticalGradient(banner.top(), banner.bottom(), QColor(240, 60, 50), QColor(170, 20, 20)));
    p.drawPath(ribbon);
    OutlinedText(p, banner, QStringLiteral("GAME START"), ArtFont(22), QColor(255, 240, 120),
                 QColor(90, 0, 0), 4);
    p.setPen(QPen(QColor(30, 36, 50), 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(1, 1, 398, 238));
    return image;
}

QImage PaintTitleLogo() {
    QImage image = NewImage(480, 140);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    // Speed trail of the ball behind the name.
    QLinearGradient trail(10, 0, 120, 0);
    trail.setColorAt(0, QColor(255, 255, 255, 0));
    trail.setColorAt(1, QColor(255, 255, 255, 200));
    p.setPen(Qt::NoPen);
    p.setBrush(trail);
    p.drawRoundedRect(QRectF(4, 44, 80, 10), 5, 5);
    p.drawRoundedRect(QRectF(14, 62, 70, 10), 5, 5);
    p.drawRoundedRect(QRectF(24, 80, 60, 10), 5, 5);
    Ball(p, QPointF(84, 66), 36);
    const QRectF name(118, 8, 356, 96);
    const QFont font = ArtFont(72);
    OutlinedText(p, name.translated(4, 5), QStringLiteral("テニス監督"), font,
                 QColor(20, 30, 70, 150), QColor(20, 30, 70, 150), 16);
    OutlinedText(p, name, QStringLiteral("テニス監督"), font, Qt::white, Qt::white, 18);
    QPainterPath text;
    text.addText(0, 0, font, QStringLiteral("テニス監督"));
    const QRectF box = text.boundingRect();
    text.translate(name.center() - box.center());
    p.setPen(QPen(QColor(24, 40, 110), 8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(text);
    QLinearGradient fill(0, name.top() + 16, 0, name.bottom() - 16);
    fill.setColorAt(0, QColor(255, 250, 140));
    fill.setColorAt(0.5, QColor(255, 200, 30));
    fill.setColorAt(1, QColor(250, 110, 10));
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawPath(text);
    OutlinedText(p, QRectF(150, 104, 320, 30), QStringLiteral("TENNIS  KANTOKU"), ArtFont(20),
                 QColor(30, 80, 190), Qt::white, 5);
    return image;
}

QImage PaintAppIcon(int size) {
    QImage image = NewImage(size, size);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    // Drawn on a grid of 64 units; on the small icons the lines stay one pixel wide.
    const double scale = size / 64.0;
    p.scale(scale, scale);
    const double line = std::max(2.0, 1.0 / scale);
    const QRectF r(2, 2, 60, 60);
    p.setPen(QPen(QColor(20, 70, 40), line));
    p.setBrush(VerticalGradient(r.top(), r.bottom(), QColor(80, 190, 110), QColor(30, 120, 70)));
    p.drawRoundedRect(r, 12, 12);
    p.setPen(QPen(QColor(255, 255, 255, 220), line));
    p.drawLine(QPointF(6, 46), QPointF(58, 46));
    p.drawLine(QPointF(32, 46), QPointF(32, 60));
    p.drawLine(QPointF(16, 6), QPointF(10, 60));
    p.drawLine(QPointF(48, 6), QPointF(54, 60));
    Ball(p, QPointF(32, 28), 17);
    return image;
}

}  // namespace tk::art
