// Loads the game's pictures from the resources and cuts faces and tiles from their strips.
#include "ui/widgets/pictures.h"

#include <QApplication>
#include <QImageReader>
#include <QPainter>
#include <QPixmapCache>

// The resources live in the static ui library; registering them by hand keeps the linker
// from dropping them. Outside any namespace, as Q_INIT_RESOURCE requires.
static void RegisterPictureResources() {
    Q_INIT_RESOURCE(assets);
}

namespace tk {
namespace {

void EnsureResources() {
    static const bool registered = (RegisterPictureResources(), true);
    Q_UNUSED(registered);
}

}  // namespace

QString PicturePath(PictureId id) {
    const std::string_view file = PictureInfoOf(id).file;
    return QStringLiteral(":/pictures/") +
           QString::fromLatin1(file.data(), static_cast<qsizetype>(file.size()));
}

QPixmap Picture(PictureId id) {
    EnsureResources();
    // On a screen at 150 % or more the picture drawn at twice the size is used, so the
    // words of the command bar and the lots stay sharp.
    const bool high = qApp != nullptr && qApp->devicePixelRatio() > 1.0;
    QString path = PicturePath(id);
    if (high) path.insert(path.lastIndexOf(QLatin1Char('.')), QStringLiteral("@2x"));
    QPixmap pixmap;
    // Kept in QPixmapCache, so asking again is cheap.
    if (QPixmapCache::find(path, &pixmap)) return pixmap;
    // Every picture is a PNG: told so, the reader loads no image plugin to guess the format,
    // and the decoded picture becomes the pixmap in place instead of being copied once more.
    QImageReader reader(path, "png");
    reader.setAutoDetectImageFormat(false);
    pixmap = QPixmap::fromImage(reader.read());
    if (high) pixmap.setDevicePixelRatio(2.0);
    QPixmapCache::insert(path, pixmap);
    return pixmap;
}

QPixmap CommandFace(int button, bool pressed) {
    if (button < 0 || button >= kCommandStripFaces) return {};
    const QPixmap strip = Picture(PictureId::CommandBar);
    // copy() counts in the pixels of the picture, twice as many in the sharp one.
    const qreal ratio = strip.devicePixelRatio();
    QPixmap face =
        strip.copy(QRect(qRound(button * kCommandColumnStep * ratio),
                         qRound((pressed ? kCommandPressedOffset : 0) * ratio),
                         qRound(kCommandFaceWidth * ratio), qRound(kCommandFaceHeight * ratio)));
    face.setDevicePixelRatio(ratio);
    return face;
}

QPoint CommandFacePos(int button) {
    return {button * kCommandDrawStep, kCommandDrawTop};
}

QPixmap LotTile(int displayKind) {
    if (displayKind < 0 || displayKind >= kLotTileCount) return {};
    return Picture(LotTileId(displayKind));
}

QPixmap SmallLotTile(int displayKind) {
    const QPixmap tile = LotTile(displayKind);
    if (tile.isNull()) return {};
    const qreal ratio = tile.devicePixelRatio();
    QPixmap small = tile.scaled(qRound(kSmallTileWidth * ratio), qRound(kSmallTileHeight * ratio),
                                Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    small.setDevicePixelRatio(ratio);
    return small;
}

QPoint GroundsLotPos(int lot) {
    return {lot % 3 * kLotTileWidth, kGroundsBandHeight + lot / 3 * kLotTileHeight};
}

QPoint WholeGroundsLotPos(int lot) {
    return {lot % 3 * kSmallTileStepX, lot / 3 * kSmallTileStepY};
}

QPixmap GroundsSidePicture(int side, int flag) {
    const bool decorated = flag != 0;
    if (side == 0) {
        return Picture(decorated ? PictureId::GroundsSideLeft1 : PictureId::GroundsSideLeft0);
    }
    return Picture(decorated ? PictureId::GroundsSideRight1 : PictureId::GroundsSideRight0);
}

QPixmap GroundsBand(int leftFlag, int rightFlag) {
    QPixmap band(kGroundsViewWidth, kGroundsBandHeight);
    band.fill(Qt::transparent);
    QPainter p(&band);
    p.drawPixmap(0, 0, GroundsSidePicture(0, leftFlag));
    p.drawPixmap(kGroundsBandPieceWidth, 0, Picture(PictureId::GroundsGate));
    p.drawPixmap(2 * kGroundsBandPieceWidth, 0, GroundsSidePicture(1, rightFlag));
    return band;
}

QPixmap BuildingPicture(int storedKind) {
    switch (storedKind) {
        case 0: return Picture(PictureId::BuildingOutdoorCourt);
        case 1: return Picture(PictureId::BuildingLitCourt);
        case 4: return Picture(PictureId::BuildingIndoorCourt);
        case 6: return Picture(PictureId::BuildingTrainingRoom);
        default: return {};
    }
}

}  // namespace tk
