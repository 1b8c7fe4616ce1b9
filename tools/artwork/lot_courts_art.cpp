// Lot tiles of the courts: by day, lit, dark, lit at night and in the rain; and the tile strip.
#include <QLinearGradient>
#include <QRadialGradient>

#include "tools/artwork/art_kit.h"
#include "tools/artwork/art_pictures.h"
#include "ui/widgets/picture_catalogue.h"

namespace tk::art {
namespace {

const QColor kRunOff(196, 98, 60);   // brick-red clay around the court
const QColor kSurface(52, 150, 98);  // green sand-filled playing area
const QColor kFence(34, 84, 52);
const QColor kLine(250, 250, 244);

// A tile-unit painter: everything below is drawn in the 160 x 120 frame of a tile.
void ToTileUnits(QPainter &p, const QRectF &lot) {
    p.translate(lot.topLeft());
    p.scale(lot.width() / kLotTileWidth, lot.height() / kLotTileHeight);
}

void ChainLink(QPainter &p, const QRectF &band) {
    p.save();
    p.setClipRect(band);
    p.fillRect(band, QColor(30, 70, 45, 60));
    p.setPen(QPen(QColor(30, 76, 48, 150), 0.7));
    for (double x = band.left() - band.height(); x < band.right(); x += 3) {
        p.drawLine(QPointF(x, band.bottom()), QPointF(x + band.height(), band.top()));
        p.drawLine(QPointF(x, band.top()), QPointF(x + band.height(), band.bottom()));
    }
    p.restore();
    p.setPen(QPen(kFence, 1.2));
    p.drawLine(band.topLeft(), band.topRight());
    for (double x = band.left(); x <= band.right() + 0.1; x += band.width() / 6) {
        p.drawLine(QPointF(x, band.top()), QPointF(x, band.bottom()));
    }
}

void CourtLines(QPainter &p) {
    p.setPen(Qt::NoPen);
    p.setBrush(kLine);
    auto h = [&](double x0, double x1, double y) { p.drawRect(QRectF(x0, y, x1 - x0, 1)); };
    auto v = [&](double x, double y0, double y1) { p.drawRect(QRectF(x, y0, 1, y1 - y0 + 1)); };
    h(24, 137, 34);  // doubles side lines
    h(24, 137, 86);
    h(24, 137, 40);  // singles side lines
    h(24, 137, 80);
    v(24, 34, 86);  // base lines
    v(136, 34, 86);
    v(50, 40, 80);  // service lines
    v(110, 40, 80);
    h(50, 111, 60);  // centre service line
    h(24, 28, 60);   // centre marks
    h(133, 137, 60);
}

void Net(QPainter &p) {
    p.setRenderHint(QPainter::Antialiasing);
    // The net stands up: its shadow falls to the lower right, the band shows on top.
    p.setPen(QPen(QColor(0, 0, 0, 60), 2.2));
    p.drawLine(QPointF(82.5, 32), QPointF(82.5, 90));
    p.setPen(QPen(QColor(40, 40, 48), 2.0));
    p.drawLine(QPointF(80.5, 30), QPointF(80.5, 89));
    p.setPen(QPen(QColor(255, 255, 255), 0.9));
    p.drawLine(QPointF(80.0, 30), QPointF(80.0, 89));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(70, 70, 80));
    p.drawEllipse(QPointF(80.5, 29.5), 1.8, 1.8);
    p.drawEllipse(QPointF(80.5, 89.5), 1.8, 1.8);
    p.setRenderHint(QPainter::Antialiasing, false);
}

void Furniture(QPainter &p) {
    p.setRenderHint(QPainter::Antialiasing);
    // Umpire chair beside the net post, benches for the players, a ball basket.
    QPainterPath chair;
    chair.addRect(QRectF(84, 90, 5, 7));
    Shadow(p, chair, QPointF(2, 1));
    p.setPen(QPen(QColor(90, 60, 30), 0.8));
    p.setBrush(QColor(230, 200, 140));
    p.drawRect(QRectF(84, 90, 5, 7));
    p.setBrush(QColor(70, 110, 200));
    p.drawRect(QRectF(84.5, 90.5, 4, 3));
    for (double x : {56.0, 98.0}) {
        QPainterPath bench;
        bench.addRect(QRectF(x, 97, 14, 3.5));
        Shadow(p, bench, QPointF(1, 1.5));
        p.setPen(QPen(QColor(80, 50, 20), 0.6));
        p.setBrush(QColor(120, 170, 230));
        p.drawRect(QRectF(x, 97, 14, 3.5));
    }
    p.setPen(QPen(QColor(60, 60, 60), 0.6));
    p.setBrush(QColor(200, 200, 200));
    p.drawEllipse(QPointF(18, 96), 3, 2.4);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(220, 240, 60));
    p.drawEllipse(QPointF(17.2, 95.4), 0.9, 0.9);
    p.drawEllipse(QPointF(19.0, 95.8), 0.9, 0.9);
    p.drawEllipse(QPointF(18.0, 96.8), 0.9, 0.9);
    p.setRenderHint(QPainter::Antialiasing, false);
}

// Base points of the four light towers (tile units) and their height.
const QPointF kTowerBase[4] = {{12, 40}, {148, 40}, {12, 102}, {148, 102}};
constexpr double kTowerHeight = 24;

}  // namespace

QRectF CourtRunOff(const QRectF &lot) {
    const double sx = lot.width() / kLotTileWidth, sy = lot.height() / kLotTileHeight;
    return QRectF(lot.left() + 8 * sx, lot.top() + 10 * sy, 144 * sx, 100 * sy);
}

void DrawCourtSurface(QPainter &p, const QRectF &lot, bool lights) {
    p.save();
    ToTileUnits(p, lot);
    Rng rng(lights ? 4711 : 4242);
    Grass(p, QRectF(0, 0, 160, 120), rng);
    Earth(p, QRectF(8, 10, 144, 100), rng, kRunOff);
    // The playing area is a shade lighter towards the top, as if lit from above.
    p.fillRect(QRectF(24, 34, 113, 53), VerticalGradient(34, 87, Shade(kSurface, 1.1), kSurface));
    CourtLines(p);
    p.restore();
}

void DrawCourtLot(QPainter &p, const QRectF &lot, bool lights) {
    DrawCourtSurface(p, lot, lights);
    p.save();
    ToTileUnits(p, lot);
    ChainLink(p, QRectF(8, 3, 144, 7));
    p.setPen(QPen(kFence, 1.4));
    p.drawLine(QPointF(8, 10), QPointF(8, 110));
    p.drawLine(QPointF(152, 10), QPointF(152, 110));
    for (double y = 10; y <= 110; y += 20) {
        p.fillRect(QRectF(7, y - 1, 3, 3), kFence);
        p.fillRect(QRectF(151, y - 1, 3, 3), kFence);
    }
    Net(p);
    Furniture(p);
    ChainLink(p, QRectF(8, 104, 144, 7));
    p.restore();
    if (lights) DrawLightTowers(p, lot, false);
}

void DrawLightTowers(QPainter &p, const QRectF &lot, bool glowing) {
    p.save();
    ToTileUnits(p, lot);
    p.setRenderHint(QPainter::Antialiasing);
    for (const QPointF &base : kTowerBase) {
        const QPointF top = base - QPointF(0, kTowerHeight);
        if (!glowing) {
            p.setPen(QPen(QColor(0, 0, 0, 55), 1.6));
            p.drawLine(base, base + QPointF(12, 5));
        }
        p.setPen(QPen(QColor(90, 96, 110), 1.6));
        p.drawLine(base, top);
        p.setPen(QPen(QColor(200, 205, 215), 0.6));
        p.drawLine(base - QPointF(0.4, 0), top - QPointF(0.4, 0));
        const QRectF head(top.x() - 5, top.y() - 4, 10, 6);
        if (glowing) {
            QRadialGradient glow(head.center(), 16);
            glow.setColorAt(0, QColor(255, 250, 210, 230));
            glow.setColorAt(0.35, QColor(255, 236, 150, 110));
            glow.setColorAt(1, QColor(255, 220, 120, 0));
            p.setPen(Qt::NoPen);
            p.setBrush(glow);
            p.drawEllipse(head.center(), 16, 16);
        }
        p.setPen(QPen(QColor(60, 64, 76), 0.8));
        p.setBrush(QColor(150, 156, 170));
        p.drawRoundedRect(head, 1, 1);
        p.setPen(Qt::NoPen);
        p.setBrush(glowing ? QColor(255, 255, 235) : QColor(220, 230, 240));
        for (int i = 0; i < 3; ++i) {
            for (int j = 0; j < 2; ++j) {
                p.drawRect(QRectF(head.left() + 1.2 + i * 2.7, head.top() + 1 + j * 2.2, 2, 1.6));
            }
        }
    }
    p.restore();
}

QImage PaintLotTile(int kind) {
    QImage tile = NewImage(kLotTileWidth, kLotTileHeight, Qt::black);
    const QRectF lot(0, 0, kLotTileWidth, kLotTileHeight);
    {
        QPainter p(&tile);
        switch (kind) {
            case 0:
            case 2:
            case 9: DrawCourtLot(p, lot, false); break;
            case 1:
            case 3:
            case 10: DrawCourtLot(p, lot, true); break;
            case 4: DrawIndoorCourtLot(p); break;
            case 5: DrawOfficeLot(p); break;
            case 6: DrawTrainingRoomLot(p); break;
            case 7: DrawLandForSaleLot(p); break;
            case 8: DrawBuildingSiteLot(p); break;
            default: break;
        }
    }
    if (kind == 2 || kind == 3) {
        const QImage day = tile;
        Night(tile, tile.rect());
        if (kind == 3) {
            // The lamps light the fenced court; the grass around stays in the dark.
            QPainter p(&tile);
            p.setRenderHint(QPainter::Antialiasing);
            QImage lit = day;
            {
                QPainter w(&lit);
                w.setCompositionMode(QPainter::CompositionMode_SourceOver);
                w.fillRect(lit.rect(), QColor(255, 230, 150, 36));
                w.setCompositionMode(QPainter::CompositionMode_DestinationIn);
                QRadialGradient mask(QPointF(80, 60), 92);
                mask.setColorAt(0, QColor(0, 0, 0, 255));
                mask.setColorAt(0.62, QColor(0, 0, 0, 235));
                mask.setColorAt(1, QColor(0, 0, 0, 0));
                w.fillRect(lit.rect(), mask);
            }
            p.setClipRect(QRectF(6, 2, 148, 112));
            p.drawImage(0, 0, lit);
            p.setClipping(false);
            DrawLightTowers(p, lot, true);
        } else {
            QPainter p(&tile);
            p.setRenderHint(QPainter::Antialiasing);
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(255, 255, 230, 170));
            Rng rng(77);
            for (int i = 0; i < 5; ++i) {  // a few fireflies over the dark lawn
                p.drawEllipse(QPointF(rng.Range(4, 156),
                                      rng.Int(0, 1) ? rng.Range(1, 8) : rng.Range(112, 119)),
                              0.8, 0.8);
            }
        }
    } else if (kind == 9 || kind == 10) {
        Rng rng(900 + kind);
        Rain(tile, tile.rect(), rng);
    }
    return tile;
}

}  // namespace tk::art
