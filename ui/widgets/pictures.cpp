// The game's pictures: the pixels packed by the build, wrapped where they lie in the program,
// and the faces and tiles cut from their strips.
#include "ui/widgets/pictures.h"

#include <cstring>

#include <QApplication>
#include <QByteArray>
#include <QPainter>
#include <QPixmapCache>
#include <QResource>

#include "ui/widgets/packed_picture.h"

// The resources live in the static ui library; registering them by hand keeps the linker
// from dropping them. Outside any namespace, as Q_INIT_RESOURCE requires.
static void RegisterPictureResources() {
    Q_INIT_RESOURCE(pictures);
}

namespace tk {
namespace {

void EnsureResources() {
    static const bool registered = (RegisterPictureResources(), true);
    Q_UNUSED(registered);
}

// The header of a packed picture, if it describes pixels that fit in `size` bytes.
bool ReadHeader(const uchar *data, qint64 size, PackedPictureHeader &header) {
    if (size < static_cast<qint64>(sizeof header)) return false;
    std::memcpy(&header, data, sizeof header);
    const bool knownFormat = header.format == QImage::Format_RGB32 ||
                             header.format == QImage::Format_ARGB32_Premultiplied;
    constexpr std::uint32_t kMaxSide = 1U << 14;
    return header.magic == kPackedPictureMagic && knownFormat && header.width > 0 &&
           header.width <= kMaxSide && header.height > 0 && header.height <= kMaxSide &&
           header.bytesPerLine >= header.width * 4 && header.bytesPerLine % 4 == 0 &&
           static_cast<qint64>(header.bytesPerLine) * header.height <=
               size - static_cast<qint64>(sizeof header);
}

}  // namespace

QString PicturePath(PictureId id, bool high) {
    std::string_view file = PictureInfoOf(id).file;
    if (file.ends_with(kPngSuffix)) file.remove_suffix(kPngSuffix.size());
    QString path = QStringLiteral(":/pictures/") +
                   QString::fromLatin1(file.data(), static_cast<qsizetype>(file.size()));
    if (high) path += QStringLiteral("@2x");
    return path + QLatin1String(kPackedSuffix.data(), static_cast<qsizetype>(kPackedSuffix.size()));
}

QImage PackedPicture(const QString &path) {
    EnsureResources();
    const QResource resource(path);
    if (!resource.isValid()) return {};
    const uchar *data = resource.data();
    qint64 size = resource.size();
    // Only a resource compiled in compressed must be unpacked, and its pixels copied.
    QByteArray unpacked;
    if (resource.compressionAlgorithm() != QResource::NoCompression) {
        unpacked = resource.uncompressedData();
        data = reinterpret_cast<const uchar *>(unpacked.constData());
        size = unpacked.size();
    }
    PackedPictureHeader header;
    if (data == nullptr || !ReadHeader(data, size, header)) return {};
    const uchar *pixels = data + sizeof header;
    const QImage image(pixels, static_cast<int>(header.width), static_cast<int>(header.height),
                       static_cast<qsizetype>(header.bytesPerLine),
                       static_cast<QImage::Format>(header.format));
    const bool aligned = reinterpret_cast<quintptr>(pixels) % alignof(quint32) == 0;
    return unpacked.isNull() && aligned ? image : image.copy();
}

QPixmap PackedPixmap(const QString &path, qreal ratio) {
    QImage image = PackedPicture(path);
    if (image.isNull()) return {};
    // Set on the image while nothing else shares it: set on the pixmap, it would copy the
    // read-only pixels.
    image.setDevicePixelRatio(ratio);
    // The format is already the one the raster backends paint from, so the pixmap shares the
    // image; whether it is opaque was settled when it was packed.
    return QPixmap::fromImage(image, Qt::NoOpaqueDetection);
}

QPixmap Picture(PictureId id) {
    // On a screen at 150 % or more the picture drawn at twice the size is used, so the
    // words of the command bar and the lots stay sharp.
    const bool high = qApp != nullptr && qApp->devicePixelRatio() > 1.0;
    const QString path = PicturePath(id, high);
    QPixmap pixmap;
    // Kept in QPixmapCache, so asking again is cheap.
    if (QPixmapCache::find(path, &pixmap)) return pixmap;
    pixmap = PackedPixmap(path, high ? 2.0 : 1.0);
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
