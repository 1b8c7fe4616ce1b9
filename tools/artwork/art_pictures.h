// The painters of the game's pictures; each returns one finished picture of its catalogue size.
#pragma once

#include <QImage>
#include <QPainter>
#include <QRectF>

namespace tk::art {

// Command bar strip: button i released at (i * 100, 0), pressed at (i * 100, 35), 70 x 29.
QImage PaintCommandBar();

// One lot tile, 160 x 120, for display kind 0..10.
QImage PaintLotTile(int displayKind);

// Pieces of the court tiles that the larger pictures reuse.
void DrawCourtLot(QPainter &p, const QRectF &lot, bool lights);      // top-down court with fences
void DrawCourtSurface(QPainter &p, const QRectF &lot, bool lights);  // lawn, clay and lines only
void DrawLightTowers(QPainter &p, const QRectF &lot, bool glowing);
QRectF CourtRunOff(const QRectF &lot);  // the fenced surface

// Building lots (display kinds 4..8), each drawn into a 160 x 120 tile.
void DrawIndoorCourtLot(QPainter &p);
void DrawOfficeLot(QPainter &p);
void DrawTrainingRoomLot(QPainter &p);
void DrawLandForSaleLot(QPainter &p);
void DrawBuildingSiteLot(QPainter &p);

// Grounds view pieces and markers.
QImage PaintLotMarker();
QImage PaintMaintainFrame();
QImage PaintPracticeOverlay();
QImage PaintGroundsGate();
QImage PaintGroundsSide(bool right, int variant);

// Illustrations.
QImage PaintBuilding(int storedKind);  // 0, 1, 4 or 6
QImage PaintMatchIntro();
QImage PaintTitleLogo();
// The window icon at 64 x 64, and the desktop icons at every size of kIconSizes.
QImage PaintAppIcon(int size = 64);

// The sizes of the desktop icons, assets/icons/app_icon_<size>.png (installed in the hicolor
// theme by dist/CMakeLists.txt, which lists the same sizes).
inline constexpr int kIconSizes[] = {16, 22, 24, 32, 48, 64, 128, 256, 512};

}  // namespace tk::art
