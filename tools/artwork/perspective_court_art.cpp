// A court seen from behind one baseline, for the construction screen and the match picture:
// the flat court of the lot tiles laid on a ground plane, with the net, fences and light
// towers standing up from it.
#include <QTransform>

#include "tools/artwork/art_kit.h"
#include "tools/artwork/art_pictures.h"
#include "tools/artwork/scene_kit.h"

namespace tk::art {
namespace {

constexpr double kScale = 3;  // flat image pixels per tile unit
constexpr double kFlatWidth = 120 * kScale, kFlatDepth = 160 * kScale;

// Tile point (x along the court's length, y across it) to the flat, upright image.
QPointF Flat(double tx, double ty) {
    return QPointF(kFlatWidth - ty * kScale, tx * kScale);
}

void FenceSide(QPainter &p, const QTransform &t, const QPointF &a, const QPointF &b,
               double heightShare) {
    // heightShare: the fence height as a share of the doubles width at the same depth.
    auto height = [&](const QPointF &flat) {
        const QPointF l = t.map(QPointF(Flat(0, 34).x(), flat.y()));
        const QPointF r = t.map(QPointF(Flat(0, 86).x(), flat.y()));
        return heightShare * (l.x() - r.x());
    };
    const QPointF sa = t.map(a), sb = t.map(b);
    const double ha = height(a), hb = height(b);
    QPolygonF quad({sa, sb, sb - QPointF(0, hb), sa - QPointF(0, ha)});
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 80, 50, 70));
    p.drawPolygon(quad);
    p.setBrush(QBrush(QColor(30, 70, 45, 150), Qt::DiagCrossPattern));
    p.drawPolygon(quad);
    p.setPen(QPen(QColor(28, 70, 44), 1.6));
    p.drawLine(sa - QPointF(0, ha), sb - QPointF(0, hb));
    for (int i = 0; i <= 6; ++i) {
        const double s = i / 6.0;
        const QPointF g = sa + (sb - sa) * s;
        const double h = ha + (hb - ha) * s;
        p.drawLine(g, g - QPointF(0, h));
    }
}

void Tower(QPainter &p, const QPointF &base, double height, double scale, bool glowing) {
    const QPointF top = base - QPointF(0, height);
    p.setPen(QPen(QColor(100, 106, 120), std::max(1.5, scale * 1.2)));
    p.drawLine(base, top);
    const QRectF head(top.x() - 7 * scale, top.y() - 5 * scale, 14 * scale, 7 * scale);
    p.setPen(QPen(QColor(60, 64, 76), 1));
    p.setBrush(QColor(150, 156, 170));
    p.drawRect(head);
    p.setPen(Qt::NoPen);
    p.setBrush(glowing ? QColor(255, 255, 220) : QColor(225, 235, 245));
    for (int i = 0; i < 4; ++i) {
        for (int j = 0; j < 2; ++j) {
            p.drawRect(QRectF(head.left() + (1 + i * 3.2) * scale,
                              head.top() + (0.8 + j * 3) * scale, 2.4 * scale, 2.4 * scale));
        }
    }
}

}  // namespace

void DrawPerspectiveCourt(QPainter &p, const QPolygonF &ground, bool lights, bool fences) {
    QImage flat = NewImage(static_cast<int>(kFlatWidth), static_cast<int>(kFlatDepth));
    {
        QPainter f(&flat);
        f.translate(kFlatWidth, 0);
        f.rotate(90);
        DrawCourtSurface(f, QRectF(0, 0, kFlatDepth, kFlatWidth), lights);
    }
    QTransform t;
    const QPolygonF flatQuad({QPointF(0, 0), QPointF(kFlatWidth, 0),
                              QPointF(kFlatWidth, kFlatDepth), QPointF(0, kFlatDepth)});
    if (!QTransform::quadToQuad(flatQuad, ground, t)) return;
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.setTransform(t, true);
    p.drawImage(0, 0, flat);
    p.restore();
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    auto screen = [&](double tx, double ty) { return t.map(Flat(tx, ty)); };
    auto widthAt = [&](double tx) { return screen(tx, 34).x() - screen(tx, 86).x(); };
    // Back and side fences (the near side is left open for the view).
    if (fences) {
        FenceSide(p, t, Flat(8, 110), Flat(8, 10), 0.3);
        FenceSide(p, t, Flat(8, 110), Flat(152, 110), 0.3);
        FenceSide(p, t, Flat(8, 10), Flat(152, 10), 0.3);
    }
    // The net: a band between the posts, its white tape on top.
    const QPointF l = screen(80, 30), r = screen(80, 90);
    const double h = 0.1 * widthAt(80);
    QPolygonF net({l, r, r - QPointF(0, h), l - QPointF(0, h * 1.02)});
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(20, 20, 30, 120));
    p.drawPolygon(net);
    p.setBrush(QBrush(QColor(10, 10, 20, 170), Qt::CrossPattern));
    p.drawPolygon(net);
    p.setPen(QPen(Qt::white, std::max(1.5, h * 0.14)));
    p.drawLine(l - QPointF(0, h), r - QPointF(0, h));
    p.setPen(QPen(QColor(50, 50, 60), std::max(1.5, h * 0.12)));
    p.drawLine(l, l - QPointF(0, h * 1.1));
    p.drawLine(r, r - QPointF(0, h * 1.1));
    if (lights) {
        for (double tx : {16.0, 72.0}) {
            for (double ty : {6.0, 114.0}) {
                const double scale = widthAt(tx) / 110;
                Tower(p, screen(tx, ty), 0.9 * widthAt(tx), scale, false);
            }
        }
    }
    p.restore();
}

}  // namespace tk::art
