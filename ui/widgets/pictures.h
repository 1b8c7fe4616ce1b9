// The game's pictures, built into the ui library as pixels from the PNGs of assets/, by id or
// cut from their strips.
#pragma once

#include <QImage>
#include <QPixmap>
#include <QPoint>
#include <QString>

#include "ui/widgets/picture_catalogue.h"

namespace tk {

// The resource path of a picture's packed pixels (":/pictures/<name>.pixels"), or of the one
// drawn at twice the size (":/pictures/<name>@2x.pixels").
QString PicturePath(PictureId id, bool high = false);

// The pixels of a packed picture resource, wrapped where they lie in the program (no copy);
// null when the resource is missing or not a packed picture.
QImage PackedPicture(const QString &path);
// The same as a pixmap sharing those pixels, drawn at the given device pixel ratio.
QPixmap PackedPixmap(const QString &path, qreal ratio);

// The whole picture, of the size given in kPictures (at twice that in pixels on a screen at
// 150 % or more).
QPixmap Picture(PictureId id);

// Face of command-bar button 0..7 (70 x 29), released or pressed; null outside 0..7.
QPixmap CommandFace(int button, bool pressed);
// Where the main screen draws command-bar button i: (i * 85, 5).
QPoint CommandFacePos(int button);

// Tile of a lot's display kind 0..10 (160 x 120); null outside 0..10.
QPixmap LotTile(int displayKind);
// The same tile scaled to the whole-grounds screen's 120 x 90.
QPixmap SmallLotTile(int displayKind);
// Top-left of lot 0..8 on the main screen's grounds view and on the whole-grounds screen.
QPoint GroundsLotPos(int lot);
QPoint WholeGroundsLotPos(int lot);

// A narrow side picture of the grounds view: side 0 is chosen by ViewFlags[0] and stands left
// of the gate, side 1 by ViewFlags[1] at the right end. Flag 0 gives the plain hedge, any
// other value the decorated variant.
QPixmap GroundsSidePicture(int side, int flag);
// The whole 480 x 40 band over the lots: left side picture, gate, right side picture.
QPixmap GroundsBand(int leftFlag, int rightFlag);

// Construction screen picture of stored kind 0, 1, 4 or 6; null for other kinds.
QPixmap BuildingPicture(int storedKind);

}  // namespace tk
