// One look on every system: the font chosen by name with its fallbacks, the message when
// it is missing, and the Japanese locale and Qt texts once the look is set up.
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QStyle>
#include <QStyleFactory>
#include <QTest>
#include <QTranslator>

#include "tests/ui/modal_helper.h"
#include "tests/ui/ui_test_registry.h"
#include "ui/base/app_look.h"
#include "ui/base/focus_mark.h"

using namespace tk;
using namespace tk::test;

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
