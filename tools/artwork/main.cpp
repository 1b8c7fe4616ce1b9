// tk-artwork: draws every picture of the game into assets/ and writes assets/assets.qrc.
//
// The pictures are committed; the build never runs this tool. To draw them again after a
// change to a painter (needs the Noto Sans CJK JP font, Debian package fonts-noto-cjk):
//
//     cmake --build <build dir> --target tk-artwork
//     QT_QPA_PLATFORM=offscreen <build dir>/tools/tk-artwork <source dir>/assets
//
// It also draws the desktop icons into assets/icons (only those: give "icons" as the name),
// and every picture once more at twice the size as NAME@2x.png, loaded on screens at 150 %
// and more.
//
// Every painter is deterministic (fixed seeds), so an unchanged painter gives the same picture.
#include <cstdio>
#include <functional>

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QSaveFile>
#include <QString>

#include "tools/artwork/art_kit.h"
#include "tools/artwork/art_pictures.h"
#include "ui/widgets/picture_catalogue.h"

namespace {

QImage Paint(tk::PictureId id) {
    using tk::PictureId;
    namespace art = tk::art;
    if (id >= PictureId::LotTile0 && id <= PictureId::LotTileLast)
        return art::PaintLotTile(static_cast<int>(id) - static_cast<int>(PictureId::LotTile0));
    switch (id) {
        case PictureId::CommandBar: return art::PaintCommandBar();
        case PictureId::LotMarker: return art::PaintLotMarker();
        case PictureId::MaintainFrame: return art::PaintMaintainFrame();
        case PictureId::PracticeOverlay: return art::PaintPracticeOverlay();
        case PictureId::GroundsGate: return art::PaintGroundsGate();
        case PictureId::GroundsSideLeft0: return art::PaintGroundsSide(false, 0);
        case PictureId::GroundsSideLeft1: return art::PaintGroundsSide(false, 1);
        case PictureId::GroundsSideRight0: return art::PaintGroundsSide(true, 0);
        case PictureId::GroundsSideRight1: return art::PaintGroundsSide(true, 1);
        case PictureId::BuildingOutdoorCourt: return art::PaintBuilding(0);
        case PictureId::BuildingLitCourt: return art::PaintBuilding(1);
        case PictureId::BuildingIndoorCourt: return art::PaintBuilding(4);
        case PictureId::BuildingTrainingRoom: return art::PaintBuilding(6);
        case PictureId::MatchIntro: return art::PaintMatchIntro();
        case PictureId::TitleLogo: return art::PaintTitleLogo();
        case PictureId::AppIcon: return art::PaintAppIcon();
        default: break;
    }
    return {};
}

QString HighResolutionName(const QString &name) {
    QString high = name;
    return high.insert(high.lastIndexOf(QLatin1Char('.')), QStringLiteral("@2x"));
}

bool WriteQrc(const QDir &dir) {
    QString text = QStringLiteral(
        "<!-- The game's pictures, drawn by tools/artwork (tk-artwork). -->\n"
        "<RCC>\n  <qresource prefix=\"/pictures\">\n");
    for (const tk::PictureInfo &info : tk::kPictures) {
        const QString name =
            QString::fromLatin1(info.file.data(), static_cast<int>(info.file.size()));
        text += QStringLiteral("    <file>%1</file>\n").arg(name);
        text += QStringLiteral("    <file>%1</file>\n").arg(HighResolutionName(name));
    }
    text += QStringLiteral("  </qresource>\n</RCC>\n");
    QSaveFile file(dir.filePath(QStringLiteral("assets.qrc")));
    if (!file.open(QIODevice::WriteOnly)) return false;
    file.write(text.toUtf8());
    return file.commit();
}

// An opaque picture is written without an alpha channel: a smaller file, and the build
// (tk-picture-pack) packs it as the opaque pixels the screen paints from.
QImage ForSaving(const QImage &painted) {
    const QImage image = painted.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(line[x]) != 255) return image;
        }
    }
    return image.convertToFormat(QImage::Format_RGB32);
}

// The desktop icons in assets/icons; returns the number of failures.
int WriteIcons(const QDir &assets) {
    if (!assets.mkpath(QStringLiteral("icons"))) {
        std::fprintf(stderr, "tk-artwork: cannot make the icons folder\n");
        return 1;
    }
    int failures = 0;
    for (const int size : tk::art::kIconSizes) {
        const QString name = QStringLiteral("icons/app_icon_%1.png").arg(size);
        const QImage image = tk::art::PaintAppIcon(size).convertToFormat(QImage::Format_ARGB32);
        if (!image.save(assets.filePath(name), "PNG", 0)) {
            std::fprintf(stderr, "tk-artwork: cannot write %s\n", qPrintable(name));
            ++failures;
        }
    }
    return failures;
}

}  // namespace

int main(int argc, char **argv) {
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: tk-artwork <assets folder> [file name ... | icons]\n");
        return 2;
    }
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    if (!dir.exists()) {
        std::fprintf(stderr, "tk-artwork: no folder %s\n", argv[1]);
        return 1;
    }
    const QStringList only = app.arguments().mid(2);
    int failures = 0;
    for (const int scale : {1, 2}) {
        tk::art::SetArtScale(scale);
        for (const tk::PictureInfo &info : tk::kPictures) {
            QString name =
                QString::fromLatin1(info.file.data(), static_cast<int>(info.file.size()));
            if (!only.isEmpty() && !only.contains(name)) continue;
            if (scale == 2) name = HighResolutionName(name);
            QImage image = ForSaving(Paint(info.id));
            if (image.width() != info.width * scale || image.height() != info.height * scale) {
                std::fprintf(stderr, "tk-artwork: %s is %dx%d, expected %dx%d\n", qPrintable(name),
                             image.width(), image.height(), info.width * scale,
                             info.height * scale);
                ++failures;
                continue;
            }
            // The file holds plain pixels; the game sets the ratio when it loads it.
            image.setDevicePixelRatio(1.0);
            if (!image.save(dir.filePath(name), "PNG", 0)) {
                std::fprintf(stderr, "tk-artwork: cannot write %s\n", qPrintable(name));
                ++failures;
            }
        }
    }
    tk::art::SetArtScale(1);
    if (only.isEmpty() || only.contains(QStringLiteral("icons"))) failures += WriteIcons(dir);
    if (only.isEmpty() && !WriteQrc(dir)) {
        std::fprintf(stderr, "tk-artwork: cannot write assets.qrc\n");
        ++failures;
    }
    return failures == 0 ? 0 : 1;
}
