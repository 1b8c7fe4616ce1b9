// Drawing helpers shared by the artwork painters.
#include "tools/artwork/art_kit.h"

#include <algorithm>
#include <cmath>

#include <QLinearGradient>
#include <QRadialGradient>

namespace tk::art {

std::uint32_t Rng::Next() {
    // xorshift32: the same numbers on every compiler and library.
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return state_;
}

double Rng::Unit() {
    return (Next() >> 8) / 16777216.0;
}

double Rng::Range(double lo, double hi) {
    return lo + (hi - lo) * Unit();
}

int Rng::Int(int lo, int hi) {
    return lo + static_cast<int>(Unit() * (hi - lo + 1));
}

QColor Mix(const QColor &a, const QColor &b, double t) {
    auto lerp = [t](int x, int y) { return static_cast<int>(std::lround(x + (y - x) * t)); };
    return QColor(lerp(a.red(), b.red()), lerp(a.green(), b.green()), lerp(a.blue(), b.blue()),
                  lerp(a.alpha(), b.alpha()));
}

QColor Shade(const QColor &c, double factor) {
    if (factor < 1.0) return Mix(c, QColor(0, 0, 0, c.alpha()), 1.0 - factor);
    return Mix(c, QColor(255, 255, 255, c.alpha()), std::min(1.0, factor - 1.0));
}

namespace {
int g_artScale = 1;  // set once by the tool's main before any painting
}  // namespace

void SetArtScale(int scale) {
    g_artScale = scale < 1 ? 1 : scale;
}

int ArtScale() {
    return g_artScale;
}

QImage NewImage(int width, int height, const QColor &fill) {
    QImage image(width * g_artScale, height * g_artScale, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(g_artScale);
    image.fill(fill);
    return image;
}

QFont ArtFont(int pixelSize, bool bold) {
    QFont font(QStringLiteral("Noto Sans CJK JP"));
    font.setPixelSize(pixelSize);
    font.setWeight(bold ? QFont::Black : QFont::Medium);
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

void OutlinedText(QPainter &p, const QRectF &rect, const QString &text, const QFont &font,
                  const QColor &fill, const QColor &outline, double outlineWidth,
                  Qt::Alignment align) {
    QPainterPath path;
    path.addText(0, 0, font, text);
    const QRectF box = path.boundingRect();
    double x = rect.center().x() - box.center().x();
    if (align & Qt::AlignLeft) x = rect.left() - box.left() + outlineWidth / 2;
    if (align & Qt::AlignRight) x = rect.right() - box.right() - outlineWidth / 2;
    const double y = rect.center().y() - box.center().y();
    path.translate(x, y);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    if (outlineWidth > 0) {
        p.setPen(QPen(outline, outlineWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPath(path);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawPath(path);
    p.restore();
}

void Grass(QPainter &p, const QRectF &rect, Rng &rng, const QColor &base) {
    p.save();
    p.setClipRect(rect);
    p.fillRect(rect, base);
    p.setPen(Qt::NoPen);
    // Broad mowing stripes, then small tufts of a darker and a lighter green.
    for (double x = rect.left(); x < rect.right(); x += 16) {
        p.fillRect(QRectF(x, rect.top(), 8, rect.height()), Shade(base, 1.04));
    }
    const int tufts = static_cast<int>(rect.width() * rect.height() / 60);
    for (int i = 0; i < tufts; ++i) {
        const double x = rng.Range(rect.left(), rect.right());
        const double y = rng.Range(rect.top(), rect.bottom());
        const bool dark = rng.Unit() < 0.6;
        p.setBrush(dark ? Shade(base, 0.84) : Shade(base, 1.18));
        p.drawRect(QRectF(x, y, 2, 1));
        if (dark) p.drawRect(QRectF(x + 1, y - 1, 1, 1));
    }
    p.restore();
}

void Earth(QPainter &p, const QRectF &rect, Rng &rng, const QColor &base) {
    p.save();
    p.setClipRect(rect);
    p.fillRect(rect, base);
    p.setPen(Qt::NoPen);
    const int pebbles = static_cast<int>(rect.width() * rect.height() / 70);
    for (int i = 0; i < pebbles; ++i) {
        const double x = rng.Range(rect.left(), rect.right());
        const double y = rng.Range(rect.top(), rect.bottom());
        p.setBrush(rng.Unit() < 0.5 ? Shade(base, 0.86) : Shade(base, 1.12));
        p.drawRect(QRectF(x, y, rng.Int(1, 2), 1));
    }
    p.restore();
}

void Shadow(QPainter &p, const QPainterPath &shape, const QPointF &offset, int alpha) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(20, 40, 10, alpha));
    p.drawPath(shape.translated(offset));
    p.restore();
}

void Tree(QPainter &p, const QPointF &c, double r, const QColor &leaves) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath crown;
    crown.addEllipse(c, r, r * 0.9);
    Shadow(p, crown, QPointF(r * 0.45, r * 0.35));
    p.setPen(QPen(Shade(leaves, 0.55), 1));
    QRadialGradient g(c + QPointF(-r * 0.35, -r * 0.4), r * 1.3);
    g.setColorAt(0, Shade(leaves, 1.35));
    g.setColorAt(0.55, leaves);
    g.setColorAt(1, Shade(leaves, 0.7));
    p.setBrush(g);
    p.drawPath(crown);
    // Clumps of leaves give the crown its texture.
    p.setPen(Qt::NoPen);
    p.setBrush(Shade(leaves, 1.22));
    p.drawEllipse(c + QPointF(-r * 0.35, -r * 0.3), r * 0.32, r * 0.26);
    p.drawEllipse(c + QPointF(r * 0.15, -r * 0.45), r * 0.25, r * 0.2);
    p.setBrush(Shade(leaves, 0.85));
    p.drawEllipse(c + QPointF(r * 0.35, r * 0.3), r * 0.3, r * 0.24);
    p.restore();
}

void Bush(QPainter &p, const QRectF &rect, const QColor &leaves) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath shape;
    shape.addRoundedRect(rect, rect.height() / 2, rect.height() / 2);
    Shadow(p, shape, QPointF(1.5, 2));
    p.setPen(QPen(Shade(leaves, 0.55), 1));
    p.setBrush(VerticalGradient(rect.top(), rect.bottom(), Shade(leaves, 1.3), Shade(leaves, 0.8)));
    p.drawPath(shape);
    p.setPen(Qt::NoPen);
    p.setBrush(Shade(leaves, 1.4));
    for (double x = rect.left() + rect.height() / 2; x < rect.right() - 2; x += rect.height()) {
        p.drawEllipse(QPointF(x, rect.top() + rect.height() * 0.35), rect.height() * 0.22,
                      rect.height() * 0.14);
    }
    p.restore();
}

void Night(QImage &image, const QRect &rect) {
    QPainter p(&image);
    p.setCompositionMode(QPainter::CompositionMode_Multiply);
    p.fillRect(rect, QColor(88, 100, 165));
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    p.fillRect(rect, QColor(10, 16, 60, 50));
}

void Rain(QImage &image, const QRect &rect, Rng &rng) {
    QPainter p(&image);
    p.setClipRect(rect);
    p.setCompositionMode(QPainter::CompositionMode_Multiply);
    p.fillRect(rect, QColor(150, 160, 178));
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    p.fillRect(rect, QColor(90, 110, 140, 40));
    p.setRenderHint(QPainter::Antialiasing);
    // Puddles catch the grey sky.
    p.setPen(Qt::NoPen);
    for (int i = 0; i < rect.width() * rect.height() / 2400; ++i) {
        const QPointF c(rng.Range(rect.left() + 16, rect.right() - 16),
                        rng.Range(rect.top() + 16, rect.bottom() - 16));
        const double w = rng.Range(4, 8);
        p.setBrush(QColor(170, 190, 215, 120));
        p.drawEllipse(c, w, w * 0.4);
        p.setBrush(QColor(230, 240, 250, 90));
        p.drawEllipse(c + QPointF(-w * 0.3, -w * 0.1), w * 0.35, w * 0.1);
    }
    // Splash rings and streaks of rain.
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < rect.width() * rect.height() / 500; ++i) {
        const QPointF c(rng.Range(rect.left(), rect.right()), rng.Range(rect.top(), rect.bottom()));
        p.setPen(QPen(QColor(225, 235, 250, 120), 0.8));
        p.drawEllipse(c, 2.5, 1.0);
    }
    for (int i = 0; i < rect.width() * rect.height() / 170; ++i) {
        const QPointF a(rng.Range(rect.left() - 10, rect.right()),
                        rng.Range(rect.top() - 10, rect.bottom()));
        const double len = rng.Range(4, 8);
        p.setPen(QPen(QColor(235, 242, 255, rng.Int(100, 170)), 0.9));
        p.drawLine(a, a + QPointF(len * 0.35, len));
    }
}

QBrush VerticalGradient(double top, double bottom, const QColor &a, const QColor &b) {
    QLinearGradient g(0, top, 0, bottom);
    g.setColorAt(0, a);
    g.setColorAt(1, b);
    return QBrush(g);
}

}  // namespace tk::art
