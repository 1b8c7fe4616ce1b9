// The match announcement: this week's competition and round, gone after two seconds, on a
// click or on any key.
#include <QLabel>
#include <QTest>

#include "tests/support/scripted_ui.h"
#include "tests/ui/match_screen_support.h"
#include "tests/ui/modal_helper.h"
#include "tests/ui/ui_test_registry.h"
#include "ui/screens/BeforeGame.h"

using namespace tk;
using namespace tk::test;

class tst_BeforeGame : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { TK_VERIFY_NO_LEAKED_WINDOWS(); }

    void announcesThisWeeksMatch() {
        GameState s;
        BookWeek(s, 200, 43);
        BeforeGame screen(s);
        QCOMPARE(screen.GameKind()->text(), QStringLiteral("ワールドテニス"));
        QCOMPARE(screen.Pro()->text(), QStringLiteral("準々決勝"));
        QVERIFY(!screen.Picture()->pixmap().isNull());
    }

    void fastModeShortensTheAnnouncement() {
        TestGame t;
        BookWeek(t.state, 100, 1);
        for (const bool fast : {false, true}) {
            t.settings.FastMode = fast ? kTrue : kFalse;
            BeforeGame screen(t.game);
            QCOMPARE(screen.Timer1().interval(), fast ? 400 : 2000);
        }
    }

    void closes_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("after two seconds") << QStringLiteral("timer");
        QTest::newRow("on a click") << QStringLiteral("click");
        QTest::newRow("on a key") << QStringLiteral("key");
    }

    void closes() {
        QFETCH(QString, how);
        // The timer case runs at a hundredth of the pace; the others would wait 2 s for it.
        const ScopedUiTimingScale pace(how == QStringLiteral("timer") ? 0.01 : 1.0);
        GameState s;
        BookWeek(s, 100, 1);
        BeforeGame screen(s);
        QCOMPARE(screen.Timer1().interval(), how == QStringLiteral("timer") ? 20 : 2000);
        screen.show();
        QVERIFY(screen.Timer1().isActive());
        if (how == QStringLiteral("click")) QTest::mouseClick(&screen, Qt::LeftButton);
        if (how == QStringLiteral("key")) QTest::keyClick(&screen, Qt::Key_Space);
        QTRY_VERIFY_WITH_TIMEOUT(!screen.isVisible(), 1000);
    }
};

TK_UI_TEST(tst_BeforeGame);

#include "tst_BeforeGame.moc"
