// The game's pictures: every one loads from the resources at its size with the pixels of its
// PNG, without a copy, and the faces and tiles cut from the strips are the right pieces.
#include <QImage>
#include <QImageReader>
#include <QResource>
#include <QTest>

#include "tests/ui/ui_test_registry.h"
#include "ui/widgets/pictures.h"

using namespace tk;

class tst_Pictures : public QObject {
    Q_OBJECT

    static QImage Pixels(const QPixmap &pixmap) {
        return pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
    }

    static bool Opaque(const QPixmap &pixmap, int x, int y) {
        return qAlpha(Pixels(pixmap).pixel(x, y)) == 255;
    }

private slots:
    void everyPictureLoadsAtItsSize_data() {
        QTest::addColumn<int>("id");
        QTest::addColumn<QSize>("size");
        for (const PictureInfo &info : kPictures) {
            QTest::newRow(info.file.data())
                << static_cast<int>(info.id) << QSize(info.width, info.height);
        }
    }

    void everyPictureLoadsAtItsSize() {
        QFETCH(int, id);
        QFETCH(QSize, size);
        const QPixmap picture = Picture(static_cast<PictureId>(id));
        QVERIFY2(!picture.isNull(), qPrintable(PicturePath(static_cast<PictureId>(id))));
        QCOMPARE(picture.size(), size);
    }

    void packedPicturesAreTheirPngsInPlace_data() {
        QTest::addColumn<int>("id");
        QTest::addColumn<bool>("high");
        for (const PictureInfo &info : kPictures) {
            for (const bool high : {false, true}) {
                QTest::addRow("%s%s", info.file.data(), high ? " @2x" : "")
                    << static_cast<int>(info.id) << high;
            }
        }
    }

    // Each packed picture holds its PNG's pixels, and its pixmap reads them where the
    // resource lies in the program: a copy or a decode brought back at start fails here.
    void packedPicturesAreTheirPngsInPlace() {
        QFETCH(int, id);
        QFETCH(bool, high);
        const PictureInfo &info = PictureInfoOf(static_cast<PictureId>(id));
        QString png = QStringLiteral(TK_ASSETS_DIR "/") + QLatin1String(info.file.data());
        if (high) png.insert(png.lastIndexOf(QLatin1Char('.')), QStringLiteral("@2x"));
        const QImage decoded = QImageReader(png, "png").read();
        QVERIFY2(!decoded.isNull(), qPrintable(png));

        const QString path = PicturePath(static_cast<PictureId>(id), high);
        const QPixmap pixmap = PackedPixmap(path, high ? 2.0 : 1.0);
        const QImage packed = pixmap.toImage();
        // The pixmap the decoded PNG made: the same format (opaque or premultiplied) and pixels.
        const QImage expected = QPixmap::fromImage(decoded).toImage();
        QCOMPARE(packed.format(), expected.format());
        QCOMPARE(packed, expected);
        QCOMPARE(pixmap.devicePixelRatio(), high ? 2.0 : 1.0);

        const QResource resource(path);
        QCOMPARE(resource.compressionAlgorithm(), QResource::NoCompression);
        const uchar *bits = packed.constBits();
        QVERIFY(bits > resource.data() && bits < resource.data() + resource.size());
        if (!high) QCOMPARE(Picture(static_cast<PictureId>(id)).toImage().constBits(), bits);
    }

    void aMissingResourceGivesNoPicture() {
        QVERIFY(PackedPicture(QStringLiteral(":/pictures/none.pixels")).isNull());
        QVERIFY(PackedPixmap(QStringLiteral(":/pictures/none.pixels"), 1.0).isNull());
    }

    void commandFacesAreCutFromTheStrip() {
        for (int i = 0; i < kCommandStripFaces; ++i) {
            const QPixmap up = CommandFace(i, false), down = CommandFace(i, true);
            QCOMPARE(up.size(), QSize(kCommandFaceWidth, kCommandFaceHeight));
            QCOMPARE(down.size(), up.size());
            // Both faces fill their box (the middle is drawn) and differ from each other.
            QVERIFY(Opaque(up, kCommandFaceWidth / 2, kCommandFaceHeight / 2));
            QVERIFY(Opaque(down, kCommandFaceWidth / 2, kCommandFaceHeight / 2));
            QVERIFY(Pixels(up) != Pixels(down));
            if (i > 0) QVERIFY(Pixels(up) != Pixels(CommandFace(i - 1, false)));
        }
        // Between the faces the strip is empty, so a face never shows a piece of its neighbour.
        const QImage strip = Pixels(Picture(PictureId::CommandBar));
        QCOMPARE(qAlpha(strip.pixel(kCommandFaceWidth + 5, 10)), 0);
        QCOMPARE(qAlpha(strip.pixel(10, kCommandFaceHeight + 2)), 0);
        QVERIFY(CommandFace(-1, false).isNull());
        QVERIFY(CommandFace(kCommandStripFaces, true).isNull());
        QCOMPARE(CommandFacePos(3), QPoint(255, 5));
    }

    void everyDisplayKindHasItsOwnTile() {
        QList<QImage> seen;
        for (int kind = 0; kind < kLotTileCount; ++kind) {
            const QPixmap tile = LotTile(kind);
            QCOMPARE(tile.size(), QSize(kLotTileWidth, kLotTileHeight));
            QVERIFY(Opaque(tile, 0, 0));
            QVERIFY(Opaque(tile, kLotTileWidth - 1, kLotTileHeight - 1));
            QVERIFY2(!seen.contains(Pixels(tile)), qPrintable(QString::number(kind)));
            seen << Pixels(tile);
            QCOMPARE(SmallLotTile(kind).size(), QSize(kSmallTileWidth, kSmallTileHeight));
        }
        QVERIFY(LotTile(-1).isNull());
        QVERIFY(LotTile(kLotTileCount).isNull());
        QVERIFY(SmallLotTile(kLotTileCount).isNull());
    }

    void lotPositions() {
        QCOMPARE(GroundsLotPos(0), QPoint(0, 40));
        QCOMPARE(GroundsLotPos(5), QPoint(320, 160));
        QCOMPARE(GroundsLotPos(8), QPoint(320, 280));
        QCOMPARE(WholeGroundsLotPos(4), QPoint(120, 100));
        QCOMPARE(WholeGroundsLotPos(8), QPoint(240, 200));
    }

    void sidePicturesFollowTheViewFlags() {
        for (int side : {0, 1}) {
            const QImage plain = Pixels(GroundsSidePicture(side, 0));
            const QImage decorated = Pixels(GroundsSidePicture(side, 1));
            QVERIFY(plain != decorated);
            QCOMPARE(Pixels(GroundsSidePicture(side, 3)), decorated);
        }
        const QPixmap band = GroundsBand(1, 0);
        QCOMPARE(band.size(), QSize(kGroundsViewWidth, kGroundsBandHeight));
        QCOMPARE(Pixels(band).copy(0, 0, 160, 40), Pixels(GroundsSidePicture(0, 1)));
        QCOMPARE(Pixels(band).copy(320, 0, 160, 40), Pixels(GroundsSidePicture(1, 0)));
    }

    void buildingPictures_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<bool>("hasPicture");
        QTest::newRow("outdoor court") << 0 << true;
        QTest::newRow("lit outdoor court") << 1 << true;
        QTest::newRow("indoor court") << 4 << true;
        QTest::newRow("office") << 5 << false;
        QTest::newRow("training room") << 6 << true;
        QTest::newRow("land for sale") << 7 << false;
        QTest::newRow("under construction") << 8 << false;
    }

    void buildingPictures() {
        QFETCH(int, kind);
        QFETCH(bool, hasPicture);
        const QPixmap picture = BuildingPicture(kind);
        QCOMPARE(!picture.isNull(), hasPicture);
        if (hasPicture) QCOMPARE(picture.size(), QSize(240, 160));
    }
};

TK_UI_TEST(tst_Pictures);
#include "tst_Pictures.moc"
