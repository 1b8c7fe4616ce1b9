// Drawing helpers shared by the artwork painters: a seeded random source, colours, fonts,
// outlined text, grass, trees, shadows, night and rain.
#pragma once

#include <cstdint>

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRectF>
#include <QString>

namespace tk::art {

// A small fixed-seed generator, so that every run draws the same grass, rain and crowd.
class Rng {
public:
    explicit Rng(std::uint32_t seed) : state_(seed ? seed : 0x9E3779B9u) {}
    std::uint32_t Next();
    double Unit();  // [0, 1)
    double Range(double lo, double hi);
    int Int(int lo, int hi);  // lo..hi inclusive

private:
    std::uint32_t state_;
};

QColor Mix(const QColor &a, const QColor &b, double t);
QColor Shade(const QColor &c, double factor);  // < 1 darker, > 1 lighter

// A new transparent ARGB image of the given size, in the pixels of the picture at 100 %.
// At an art scale of 2 it has twice as many pixels each way (device pixel ratio 2), and
// the painters draw the same picture sharper for screens at 150 % and 200 %.
QImage NewImage(int width, int height, const QColor &fill = Qt::transparent);
void SetArtScale(int scale);
int ArtScale();

// The Japanese font of the pictures, by pixel size.
QFont ArtFont(int pixelSize, bool bold = true);

// Text with an outline, centred in rect (flags as in QPainter::drawText alignment).
void OutlinedText(QPainter &p, const QRectF &rect, const QString &text, const QFont &font,
                  const QColor &fill, const QColor &outline, double outlineWidth,
                  Qt::Alignment align = Qt::AlignCenter);

// Lawn with scattered tufts.
void Grass(QPainter &p, const QRectF &rect, Rng &rng, const QColor &base = QColor(96, 178, 72));
// Bare earth with pebbles.
void Earth(QPainter &p, const QRectF &rect, Rng &rng, const QColor &base);

// A round tree seen from above and slightly from the front, with its shadow.
void Tree(QPainter &p, const QPointF &centre, double radius, const QColor &leaves);
// A low clipped bush.
void Bush(QPainter &p, const QRectF &rect, const QColor &leaves);
// A soft shadow of a shape, offset towards the lower right.
void Shadow(QPainter &p, const QPainterPath &shape, const QPointF &offset, int alpha = 70);

// Darkens a part of the image into night (multiply with a deep blue).
void Night(QImage &image, const QRect &rect);
// Grey wet look, puddles and falling rain over a part of the image.
void Rain(QImage &image, const QRect &rect, Rng &rng);

// A vertical gradient brush between two colours over [top, bottom].
QBrush VerticalGradient(double top, double bottom, const QColor &a, const QColor &b);

}  // namespace tk::art
