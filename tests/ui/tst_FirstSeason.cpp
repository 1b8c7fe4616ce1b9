// What keeps a new player from losing their first season to haste: the introduction waits to
// be read, and a key meant for a notice that had just closed by itself plays no week.
#include <QTest>

#include "tests/ui/key_test_support.h"
#include "tests/ui/modal_helper.h"
#include "tests/ui/ui_test_registry.h"
#include "ui/base/MeSForm.h"
#include "ui/base/messages.h"
#include "ui/base/notice_key_guard.h"

using namespace tk;
using namespace tk::test;

class tst_FirstSeason : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { TK_VERIFY_NO_LEAKED_WINDOWS(); }

    void introductionWaitsWhateverTheSetting_data() {
        QTest::addColumn<bool>("noticesWait");
        QTest::newRow("notices close by themselves") << false;
        QTest::newRow("notices wait") << true;
    }

    void introductionWaitsWhateverTheSetting() {
        QFETCH(bool, noticesWait);
        const ScopedUiTimingScale fast(0.001);
        QTemporaryDir dir;
        GameApp app(dir.path(), 1);
        app.SetMainScreenFactory(&OpenMainScreen);
        app.GameSettings().SetNoticesWait(noticesWait);
        bool timerRan = true;
        ModalAnswerer intro(
            [&](QWidget *notice) {
                timerRan = static_cast<MeSForm *>(notice)->Timer1().isActive();
                ClickButton(notice, QStringLiteral("閉じる"));
            },
            QStringLiteral("MeSForm"));
        app.BeginNewGame(QStringLiteral("初年度"), QStringLiteral("監督"));
        QVERIFY(intro.Acted());
        QVERIFY(!intro.TimedOut());
        QVERIFY(!timerRan);
        QCOMPARE(app.GameSettings().NoticesWait(), noticesWait);
    }

    // Enter right after a notice: no week when the notice had closed by itself, the week when
    // the player closed it; and once the half second is over Enter plays the week again.
    void enterJustAfterANoticeClosedByItself_data() {
        QTest::addColumn<bool>("byItself");
        QTest::newRow("closed by itself: held") << true;
        QTest::newRow("closed with 閉じる: plays") << false;
    }

    void enterJustAfterANoticeClosedByItself() {
        QFETCH(bool, byItself);
        // A notice of a second, a guard of a tenth: room for the key to come within it.
        const ScopedUiTimingScale pace(0.2);
        MainScreenSession s(7, true);
        QVERIFY(s.main);
        ModalAnswerer answer(
            byItself ? ModalAnswerer::Watch() : ModalAnswerer::Click(QStringLiteral("閉じる")),
            QStringLiteral("MeSForm"));
        MessageRoute().ShowNotice(MessageKind::Report, QStringLiteral("お知らせ"), QString(), 12,
                                  s.main);
        QVERIFY(answer.Acted() || byItself);
        QVERIFY(ActivateLikeAWindowManager(s.main));
        QCOMPARE(NoticeKeyGuardHolds(), byItself);
        TypeIntoFocus(Qt::Key_Return);
        if (byItself) {
            QCOMPARE(s.app.State().WeekCount, std::int16_t{13});
            QVERIFY(!s.main->PracticeRunning());
            QVERIFY(QTest::qWaitFor([] { return !NoticeKeyGuardHolds(); }, 2000));
            TypeIntoFocus(Qt::Key_Return);
        }
        QVERIFY(QTest::qWaitFor([&] { return s.app.State().WeekCount == 14; }, 5000));
    }
};

TK_UI_TEST(tst_FirstSeason);

#include "tst_FirstSeason.moc"
