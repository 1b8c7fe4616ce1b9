// One look on every system: the font chosen by name with its fallbacks, the message when
// it is missing, the game's own copy of the font drawing as the full face, and the Japanese
// locale and Qt texts once the look is set up.
#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <functional>
#include <vector>

#include <QApplication>
#include <QBackingStore>
#include <QDialog>
#include <QFontDatabase>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QStyle>
#include <QStyleFactory>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>
#include <QVBoxLayout>

#include "storage/game_modules.h"
#include "tests/ui/modal_helper.h"
#include "tests/ui/ui_test_registry.h"
#include "ui/base/app_look.h"
#include "ui/base/first_paint.h"
#include "ui/base/game_style.h"

using namespace tk;
using namespace tk::test;

namespace {

// The folder of the game's font copy; a build that makes none skips its tests.
QString FontCopyFolder() {
#ifdef TK_FONT_COPY_MADE
    return GameFontFolder();
#else
    return {};
#endif
}

// A text drawn black on white in `font`.
QImage Drawn(const QString &text, const QFont &font) {
    const QFontMetrics metrics(font);
    QImage image(metrics.horizontalAdvance(text) + 4, metrics.height() + 4, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(2, 2 + metrics.ascent(), text);
    return image;
}

// Runs `check` at the watched object's paint events.
class PaintProbe : public QObject {
public:
    explicit PaintProbe(std::function<void()> check) : check_(std::move(check)) {}
    bool eventFilter(QObject *, QEvent *event) override {
        if (event->type() == QEvent::Paint) check_();
        return false;
    }

private:
    std::function<void()> check_;
};

// How many of the pages of [begin, begin + size) are in memory.
long ResidentPages(const void *begin, long long size) {
    const long page = sysconf(_SC_PAGESIZE);
    const auto first = reinterpret_cast<std::uintptr_t>(begin) & ~std::uintptr_t(page - 1);
    const std::size_t length = reinterpret_cast<std::uintptr_t>(begin) + size - first;
    std::vector<unsigned char> pages((length + page - 1) / page);
    if (mincore(reinterpret_cast<void *>(first), length, pages.data()) != 0) return -1;
    return std::count_if(pages.begin(), pages.end(), [](unsigned char p) { return p & 1; });
}

}  // namespace

class tst_AppLook : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { TK_VERIFY_NO_LEAKED_WINDOWS(); }

    void choosesTheFontByName_data() {
        QTest::addColumn<QStringList>("installed");
        QTest::addColumn<QString>("family");
        QTest::addColumn<bool>("exact");
        QTest::addColumn<QString>("told");
        QTest::newRow("the game's font")
            << QStringList{"Noto Sans CJK JP", "IPAGothic"} << "Noto Sans CJK JP" << true << "";
        QTest::newRow("names match in any case")
            << QStringList{"noto sans cjk jp"} << "Noto Sans CJK JP" << true << "";
        QTest::newRow("first fallback found")
            << QStringList{"VL Gothic", "IPAGothic"} << "IPAGothic" << false << "IPAGothic";
        QTest::newRow("no Japanese font")
            << QStringList{} << "" << false << "システムの標準フォント";
    }

    void choosesTheFontByName() {
        QFETCH(QStringList, installed);
        QFETCH(QString, family);
        QFETCH(bool, exact);
        QFETCH(QString, told);
        // fontconfig gives its default font for a family it does not have.
        const FontChoice choice = ChooseGameFont([&](const QString &asked) {
            return installed.contains(asked, Qt::CaseInsensitive) ? asked.toLower()
                                                                  : QStringLiteral("DejaVu Sans");
        });
        QCOMPARE(choice.family.toLower(), family.toLower());
        QCOMPARE(choice.exact, exact);
        const QString message = MissingFontMessage(choice);
        QCOMPARE(message.isEmpty(), told.isEmpty());
        if (!told.isEmpty()) {
            QVERIFY(message.contains(told));
            QVERIFY(message.contains(QStringLiteral("sudo apt-get install fonts-noto-cjk")));
            QVERIFY(message.contains(QStringLiteral("Noto Sans CJK JP")));
        }
    }

    // Before the whole copy is added: half of it is refused, and leaves no family behind.
    void halfAFontCopyIsRefused() {
        const QString folder = FontCopyFolder();
#ifndef TK_FONT_COPY_MADE
        QSKIP("this build makes no font copy (no libharfbuzz-dev)");
#endif
        QVERIFY(!folder.isEmpty());
        QTemporaryDir half;
        QVERIFY(QFile::copy(folder + QStringLiteral("/KantokuSans-Regular.otf"),
                            half.filePath(QStringLiteral("KantokuSans-Regular.otf"))));
        QVERIFY(!AddOwnFontCopy(half.path()));
        QVERIFY(!AddOwnFontCopy(QStringLiteral("/nonexistent")));
        QVERIFY(!QFontDatabase::families().contains(QString::fromUtf8(kOwnFontFamily)));
    }

    // The copy draws every text as the full face does, in both weights, and a character it
    // lacks (a name the player types) comes from the full face.
    void fontCopyDrawsAsTheFullFace_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("inCopy");
        QTest::newRow("title") << "テニス監督　データ1　新しく始める　ゲーム設定　終了" << true;
        QTest::newRow("week") << "1年目 4月1週 天気 晴れ 資金 3000万円（-20万円）" << true;
        QTest::newRow("marks") << "要対応 → 土地（8） ☐コート ☑スカウト（済）「」・…" << true;
        QTest::newRow("ascii") << "ABCxyz 0123 !?#%&()[]{}<>+-*/=@_~" << true;
        QTest::newRow("full and half width") << "ＡＢＣ０１２３！？　ｱｲｳｴｵﾃﾆｽ" << true;
        QTest::newRow("typed name") << "鬱金 躑躅丸 髙﨑" << false;
    }

    void fontCopyDrawsAsTheFullFace() {
        QFETCH(QString, text);
        QFETCH(bool, inCopy);
        const QString folder = FontCopyFolder();
#ifndef TK_FONT_COPY_MADE
        QSKIP("this build makes no font copy (no libharfbuzz-dev)");
#endif
        QVERIFY(!folder.isEmpty());
        static const bool added = AddOwnFontCopy(folder);
        QVERIFY(added);
        const QString copyFamily = QString::fromUtf8(kOwnFontFamily);
        for (const bool bold : {false, true}) {
            QFont full(QString::fromUtf8(kGameFontFamily), kGameFontPointSize);
            full.setBold(bold);
            QFont copy = full;
            copy.setFamilies({copyFamily, full.family()});
            QCOMPARE(QFontInfo(copy).family(), copyFamily);
            QCOMPARE(QFontInfo(copy).bold(), bold);
            QFont copyAlone(copyFamily);
            copyAlone.setStyleStrategy(QFont::NoFontMerging);
            QCOMPARE(QFontMetrics(copyAlone).inFontUcs4(text.toUcs4().first()), inCopy);
            QCOMPARE(Drawn(text, copy), Drawn(text, full));
        }
    }

    void setsTheLocaleAndQtsOwnTexts() {
        const QFont font = QApplication::font();
        const QPalette palette = QApplication::palette();
        // Should the font be missing after all, its message box must not hang the test.
        ModalAnswerer missingFont([](QWidget *box) { box->close(); });
        const AppLook look = SetUpAppLook(*qApp);
        QCOMPARE(QLocale().language(), QLocale::Japanese);
        QVERIFY(look.translationsLoaded);
        QVERIFY(look.font.exact);
        QCOMPARE(QApplication::font().family(), QStringLiteral("Noto Sans CJK JP"));
        QCOMPARE(QApplication::font().pointSize(), kGameFontPointSize);
        // A text field's context menu speaks Japanese.
        QLineEdit edit;
        edit.setText(QStringLiteral("テスト"));
        QScopedPointer<QMenu> menu(edit.createStandardContextMenu());
        QStringList texts;
        for (QAction *a : menu->actions()) texts << a->text();
        QVERIFY2(texts.join(QLatin1Char(' ')).contains(QStringLiteral("コピー")),
                 qPrintable(texts.join(QLatin1Char(' '))));

        for (QTranslator *t : qApp->findChildren<QTranslator *>()) {
            QCoreApplication::removeTranslator(t);
            delete t;
        }
        QLocale::setDefault(QLocale::c());
        QApplication::setFont(font);
        QApplication::setPalette(palette);
    }

    // The game style draws frames as Fusion does, and the frames of a coloured form as the
    // style sheet rule "#Form, QGroupBox { background: ... }" over Fusion drew them: filled,
    // their titles centred over the border's gap, in the form and in a dialog it owns.
    void framesLookAsBefore_data() {
        QTest::addColumn<QString>("title");
        QTest::addColumn<bool>("coloured");
        QTest::addColumn<bool>("owned");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("titled") << "予定" << false << false << true;
        QTest::newRow("untitled") << "" << false << false << true;
        QTest::newRow("coloured, titled") << "成績（通算・今季）" << true << false << true;
        QTest::newRow("coloured, untitled") << "" << true << false << true;
        QTest::newRow("coloured, disabled") << "土地" << true << false << false;
        QTest::newRow("coloured, in an owned dialog") << "土地情報" << true << true << true;
    }

    void framesLookAsBefore() {
        QFETCH(QString, title);
        QFETCH(bool, coloured);
        QFETCH(bool, owned);
        QFETCH(bool, enabled);
        const QString before = QApplication::style()->name();
        const QColor yellow(0xFF, 0xFF, 0xC0);
        const auto draw = [&](bool game) {
            QApplication::setStyle(game ? MakeGameStyle() : QStyleFactory::create("Fusion"));
            QWidget form;
            form.setObjectName(QStringLiteral("Form"));
            QDialog dialog(&form);
            auto *box = new QGroupBox(title);
            box->setEnabled(enabled);
            (new QVBoxLayout(box))->addWidget(new QLabel(QStringLiteral("なし")));
            (new QVBoxLayout(owned ? static_cast<QWidget *>(&dialog) : &form))->addWidget(box);
            if (coloured && game) {
                SetFormColour(&form, yellow);
                SetFrameColour(&form, yellow);
            } else if (coloured) {
                form.setStyleSheet(
                    QStringLiteral("#Form, QGroupBox { background: %1; }").arg(yellow.name()));
            }
            QWidget &window = owned ? static_cast<QWidget &>(dialog) : form;
            window.resize(240, 120);
            window.show();
            return window.grab().toImage();
        };
        const QImage fusion = draw(false), game = draw(true);
        QApplication::setStyle(before);
        QCOMPARE(game, fusion);
        // Drawn at all: the frame's border, and the colour where asked.
        QCOMPARE(game.pixelColor(120, 119).alpha(), 255);
        int filled = 0;
        for (int y = 0; y < game.height(); ++y)
            for (int x = 0; x < game.width(); ++x) filled += game.pixelColor(x, y) == yellow;
        QCOMPARE(filled > 500, coloured);
    }

    // A window's backing store is mapped in one call before its first paint, not a page
    // fault at a time as the paint first touches it.
    void backingStoreIsMappedBeforeTheFirstPaint() {
        QWidget window;
        window.setAttribute(Qt::WA_OpaquePaintEvent);  // nothing drawn before its paint event
        window.resize(1000, 800);
        long pages = 0, resident = -1;
        PaintProbe probe([&] {
            if (resident >= 0) return;
            const auto *image = static_cast<const QImage *>(window.backingStore()->paintDevice());
            pages = (image->sizeInBytes() + sysconf(_SC_PAGESIZE) - 1) / sysconf(_SC_PAGESIZE);
            resident = ResidentPages(image->constBits(), image->sizeInBytes());
        });
        window.installEventFilter(&probe);  // the filter installed last acts first
        MapBackingStoreBeforeFirstPaint(&window);
        window.show();
        QTRY_VERIFY(resident >= 0);
        QVERIFY2(resident >= pages,
                 qPrintable(QStringLiteral("%1 of %2").arg(resident).arg(pages)));
    }

    // The overflow arrows, made only when first used, are Fusion's own at every size.
    void overflowArrowsAreFusions_data() {
        QTest::addColumn<int>("arrow");
        QTest::addColumn<int>("size");
        QTest::addColumn<qreal>("ratio");
        for (const auto &[name, arrow] :
             {std::pair{"across", QStyle::SP_ToolBarHorizontalExtensionButton},
              {"down", QStyle::SP_ToolBarVerticalExtensionButton}}) {
            QTest::addRow("%s 16", name) << int(arrow) << 16 << 1.0;
            QTest::addRow("%s 32", name) << int(arrow) << 32 << 1.0;
            QTest::addRow("%s 16 at 200 %%", name) << int(arrow) << 16 << 2.0;
        }
    }

    void overflowArrowsAreFusions() {
        QFETCH(int, arrow);
        QFETCH(int, size);
        QFETCH(qreal, ratio);
        const QScopedPointer<QStyle> game(MakeGameStyle()), fusion(QStyleFactory::create("Fusion"));
        const auto which = static_cast<QStyle::StandardPixmap>(arrow);
        const QIcon lazy = game->standardIcon(which), own = fusion->standardIcon(which);
        QVERIFY(!lazy.isNull());
        QCOMPARE(lazy.availableSizes(), own.availableSizes());
        QCOMPARE(lazy.actualSize(QSize(size, size)), own.actualSize(QSize(size, size)));
        const QPixmap drawn = lazy.pixmap(QSize(size, size), ratio);
        QCOMPARE(drawn.devicePixelRatio(), own.pixmap(QSize(size, size), ratio).devicePixelRatio());
        QCOMPARE(drawn.toImage(), own.pixmap(QSize(size, size), ratio).toImage());
        QCOMPARE(QIcon(lazy).pixmap(size, QIcon::Disabled).toImage(),
                 own.pixmap(size, QIcon::Disabled).toImage());
    }
};

TK_UI_TEST(tst_AppLook);

#include "tst_AppLook.moc"
