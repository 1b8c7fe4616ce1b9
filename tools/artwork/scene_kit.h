// Pieces of the illustrated scenes: sky, clouds, far hills and the court in perspective.
#pragma once

#include <QPainter>
#include <QPolygonF>
#include <QRectF>

#include "tools/artwork/art_kit.h"

namespace tk::art {

// Blue sky fading to the horizon, with a few clouds and far hills with a tree line.
void Landscape(QPainter &p, const QRectF &rect, double horizon, Rng &rng);
void Cloud(QPainter &p, const QPointF &centre, double size);

// The court of the lot tiles laid onto the ground quad (far left, far right, near right,
// near left), seen from behind a baseline, with fences, net and, if asked, the light towers.
void DrawPerspectiveCourt(QPainter &p, const QPolygonF &ground, bool lights, bool fences = true);

// A tennis racket with its head centred on the origin, pointing up; frame in the given colour.
void Racket(QPainter &p, const QColor &frame);
// A tennis ball with its seam.
void Ball(QPainter &p, const QPointF &centre, double radius);

}  // namespace tk::art
