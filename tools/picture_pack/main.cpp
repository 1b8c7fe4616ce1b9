// tk-picture-pack: turns the game's PNG pictures into the pixels Qt paints from, for the build.
//
//     tk-picture-pack <output folder> <picture.png>...
//
// Each NAME.png becomes NAME.pixels in the output folder (ui/widgets/packed_picture.h): the
// rows in QImage::Format_RGB32 when every pixel is opaque, in Format_ARGB32_Premultiplied
// otherwise, the formats the raster paint engine draws from, so that the game wraps them
// where they lie in its read-only data instead of decoding a PNG at start.
#include <cstdio>

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QSaveFile>

#include "ui/widgets/packed_picture.h"

namespace {

bool Opaque(const QImage &argb) {
    for (int y = 0; y < argb.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(argb.constScanLine(y));
        for (int x = 0; x < argb.width(); ++x) {
            if (qAlpha(line[x]) != 255) return false;
        }
    }
    return true;
}

// Packs one picture; returns an error message, empty on success.
QString Pack(const QString &png, const QDir &out) {
    QImageReader reader(png, "png");
    reader.setAutoDetectImageFormat(false);
    QImage image = reader.read();
    if (image.isNull()) return QStringLiteral("cannot read %1: %2").arg(png, reader.errorString());
    // The same conversion QPixmap::fromImage makes of the decoded PNG, so the pixels are equal.
    image = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    if (Opaque(image)) image.reinterpretAsFormat(QImage::Format_RGB32);

    // Rows of 32-bit pixels have no padding: the image's bytes are the rows as packed.
    const tk::PackedPictureHeader header{
        tk::kPackedPictureMagic, static_cast<std::uint32_t>(image.width()),
        static_cast<std::uint32_t>(image.height()), static_cast<std::uint32_t>(image.format()),
        static_cast<std::uint32_t>(image.bytesPerLine())};
    QByteArray bytes(reinterpret_cast<const char *>(&header), sizeof header);
    bytes.append(reinterpret_cast<const char *>(image.constBits()), image.sizeInBytes());

    QString name = QFileInfo(png).fileName();
    name.chop(static_cast<int>(tk::kPngSuffix.size()));
    name += QLatin1String(tk::kPackedSuffix.data(), static_cast<int>(tk::kPackedSuffix.size()));
    QSaveFile file(out.filePath(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        return QStringLiteral("cannot write %1: %2").arg(file.fileName(), file.errorString());
    }
    return {};
}

}  // namespace

int main(int argc, char **argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: tk-picture-pack <output folder> <picture.png>...\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    if (!out.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "tk-picture-pack: cannot make %s\n", argv[1]);
        return 1;
    }
    int failures = 0;
    for (int i = 2; i < argc; ++i) {
        const QString png = QString::fromLocal8Bit(argv[i]);
        if (!png.endsWith(
                QLatin1String(tk::kPngSuffix.data(), static_cast<int>(tk::kPngSuffix.size())))) {
            std::fprintf(stderr, "tk-picture-pack: %s is not a .png\n", argv[i]);
            ++failures;
            continue;
        }
        const QString error = Pack(png, out);
        if (!error.isEmpty()) {
            std::fprintf(stderr, "tk-picture-pack: %s\n", qPrintable(error));
            ++failures;
        }
    }
    return failures == 0 ? 0 : 1;
}
