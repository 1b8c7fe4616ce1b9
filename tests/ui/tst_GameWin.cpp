// The match screen: the same match as the engine plays for the same seed, what a finished
// bout shows, and no way out before the end.
#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "core/rules/lookups.h"
#include "core/rules/match_engine.h"
#include "core/rules/match_summary.h"
#include "core/rules/tournament_rules.h"
#include "tests/support/scripted_ui.h"
#include "tests/ui/match_screen_support.h"
#include "tests/ui/modal_helper.h"
#include "tests/ui/ui_test_registry.h"
#include "tests/ui/view_test_support.h"
#include "ui/screens/GameWin.h"
#include "ui/widgets/click_label.h"

using namespace tk;
using namespace tk::test;

namespace {

constexpr int kWeek = 100;

GameState MatchWeek(int kind) {
    GameState s;
    SetSquad(s, {120, 95, 105, 140, 80});
    BookWeek(s, kWeek, kind);
    return s;
}

// Runs the screen modally; a screen that never finishes fails the test instead of hanging.
void PlayOnScreen(GameWin &win) {
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, &win, [&win] { win.done(QDialog::Rejected); });
    guard.start(30000);
    win.exec();
}

}  // namespace

class tst_GameWin : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { TK_VERIFY_NO_LEAKED_WINDOWS(); }

    // At normal pace, in fast mode, and with "結果へ" pressed at some moment of the match
    // (after the first bout's notice, ticks into the second bout): the same match, and with
    // "結果へ" one summary of the rest in place of the notices the player would have read.
    void sameMatchAsTheEngine_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("seed");
        QTest::addColumn<QString>("pace");
        // "notice": 結果へ pressed while the first bout's notice is up, as an accessibility
        // press can: the bout counts once and the match is settled once.
        for (const char *pace : {"normal", "fast", "skip", "notice"}) {
            const QString p = QString::fromLatin1(pace);
            QTest::addRow("Lv.3 lost 2-3, %s", pace) << 3 << 3 << p;
            QTest::addRow("Lv.3 won 3-1, %s", pace) << 3 << 5 << p;
            QTest::addRow("spring second round, %s", pace) << 11 << 7 << p;
            QTest::addRow("autumn semi-final, %s", pace) << 17 << 8 << p;
        }
    }

    void sameMatchAsTheEngine() {
        QFETCH(int, kind);
        QFETCH(int, seed);
        QFETCH(QString, pace);
        const ScopedUiTimingScale fast(0);
        const GameState start = MatchWeek(kind);

        TestGame engine(static_cast<std::uint64_t>(seed));
        engine.state = start;
        const MatchOutcome outcome = PlayWholeMatch(engine.game, true);
        const AfterClose engineNext = SettleMatch(engine.game, outcome.won);

        ScreenGame screen(start, static_cast<std::uint64_t>(seed));
        screen.settings.FastMode = pace == QStringLiteral("fast") ? kTrue : kFalse;
        GameWin win(screen.game);
        QCOMPARE(win.TicksPerRow(), pace == QStringLiteral("fast") ? 10 : 50);
        int ticksSeen = 0;
        if (pace == QStringLiteral("skip")) {
            // The second bout's bars start growing once the first notice has closed.
            ModalAnswerer firstNotice(ModalAnswerer::Watch(), QStringLiteral("MeSForm"));
            QTimer skip;
            connect(&skip, &QTimer::timeout, &win, [&] {
                if (!firstNotice.Closed() || win.MyForceTwips(1) == 0 || ++ticksSeen < 3) return;
                skip.stop();
                QTest::mouseClick(win.ToResult(), Qt::LeftButton);
            });
            skip.start(1);
            PlayOnScreen(win);
            QVERIFY(ticksSeen >= 3);
            QVERIFY(!win.ToResult()->isEnabled());
        } else if (pace == QStringLiteral("notice")) {
            ModalAnswerer firstNotice(
                [&win](QWidget *notice) {
                    win.ToResult()->click();
                    ClickButton(notice, QStringLiteral("閉じる"));
                },
                QStringLiteral("MeSForm"));
            PlayOnScreen(win);
            QVERIFY(firstNotice.Acted());
        } else {
            PlayOnScreen(win);
        }

        QVERIFY(win.Finished());
        QCOMPARE(win.Won(), outcome.won);
        QCOMPARE(win.CurrentMatch().TeamWins(), outcome.wins);
        QCOMPARE(win.CurrentMatch().TeamLosses(), outcome.losses);
        std::vector<std::string> expected = engine.ui.Texts();
        AfterClose expectedNext = engineNext;
        if (pace == QStringLiteral("skip") || pace == QStringLiteral("notice")) {
            // A lost round's result and prize come with the summary, not after the close.
            if (engineNext == AfterClose::kAwardResult) {
                FinishAfterClose(engine.game, engineNext);
                expectedNext = AfterClose::kNothing;
            }
            const std::vector<std::string> texts = engine.ui.Texts();
            const auto watched = texts.begin() + 1;
            const auto bouts = texts.begin() + outcome.wins + outcome.losses;
            expected.assign(texts.begin(), watched);
            expected.push_back(MatchSummaryText(outcome.wins, outcome.losses, {watched, bouts},
                                                {bouts, texts.end()}));
        }
        QCOMPARE(int(win.Next()), int(expectedNext));
        QCOMPARE(screen.ui.log, expected);
        QVERIFY(screen.state == engine.state);
        // Not one draw more or less: the flicker has a source of its own.
        QCOMPARE(screen.rng.Uniform(), engine.rng.Uniform());
    }

    // At the game's own pace, "結果へ" in the first bout brings the one summary at once.
    void toResultShowsOneSummaryAtOnce() {
        ScreenGame screen(MatchWeek(3), 5);
        GameWin win(screen.game);
        QElapsedTimer clock;
        qint64 elapsedMs = -1;
        int notices = 0;
        ModalAnswerer summary(
            [&](QWidget *notice) {
                elapsedMs = clock.elapsed();
                ++notices;
                ClickButton(notice, QStringLiteral("閉じる"));
            },
            QStringLiteral("MeSForm"));
        QTimer::singleShot(0, &win, [&] {
            clock.start();
            QTest::mouseClick(win.ToResult(), Qt::LeftButton);
        });
        PlayOnScreen(win);
        QVERIFY(win.Finished());
        QCOMPARE(notices, 1);
        QCOMPARE(summary.Title(), QString::fromUtf8(kMatchSummaryTitle));
        qInfo("click to summary: %lld ms", elapsedMs);
        QVERIFY2(elapsedMs >= 0 && elapsedMs < 1000, qPrintable(QString::number(elapsedMs)));
        QCOMPARE(screen.ui.log.size(), std::size_t{1});
        QVERIFY(QString::fromStdString(screen.ui.log[0]).contains(QStringLiteral("1人目")));
    }

    void finishedBoutShowsBarsDifferencesAndChance() {
        // Notices stay up long enough (50 ms) to be caught; the bars still run at 1 ms.
        const ScopedUiTimingScale fast(0.01);
        ScreenGame screen(MatchWeek(2), 11);
        GameWin win(screen.game);
        QCOMPARE(win.GameName()->text(), QStringLiteral("練習試合\nLv.2"));
        bool checked = false;
        ModalAnswerer atFirstNotice(
            [&](QWidget *notice) {
                const Match &m = win.CurrentMatch();
                QCOMPARE(win.Men()->text(), QStringLiteral("1人目"));
                QCOMPARE(win.NName()->text(), QString::fromStdString(PersonName(screen.state, 0)));
                QCOMPARE(win.WW()->text(), QStringLiteral("0"));
                QCOMPARE(win.LL()->text(), QStringLiteral("0"));
                int sum = 0;
                for (int row = 1; row <= kComparedRows; ++row) {
                    const int diff = m.OurValue(row) - m.TheirValue(row);
                    sum += diff;
                    QCOMPARE(win.MyForceTwips(row), double(m.OurShare(row)));
                    QCOMPARE(win.ComForceLeftTwips(row),
                             double(GameWin::kStickRightTwips - m.TheirShare(row)));
                    QCOMPARE(win.Pts(row)->text(), QString::fromStdString(PointsText(diff)));
                    QCOMPARE(win.MyPoint(row)->text(),
                             QString::fromStdString(GradeLetter(m.OurValue(row))));
                    // The two bars meet: together they fill the strip.
                    const auto bars = win.Stick(row)->findChildren<QWidget *>();
                    QCOMPARE(bars.size(), 2);
                    QCOMPARE(bars[0]->width() + bars[1]->width(), win.Stick(row)->width());
                }
                QCOMPARE(win.SumPts()->text(), QString::fromStdString(PointsText(sum)));
                QCOMPARE(win.P()->text(),
                         QString::fromStdString(PercentText(WinPercent(WinChanceOf(sum)))));
                QVERIFY(!win.FlickerRunning());
                GrabIfAsked(&win, QStringLiteral("GameWin"));
                checked = true;
                ClickButton(notice, QStringLiteral("閉じる"));
            },
            QStringLiteral("MeSForm"));
        PlayOnScreen(win);
        QVERIFY(checked);
        QVERIFY(win.Finished());
    }

    void cannotBeLeftMidway() {
        const ScopedUiTimingScale fast(0);
        ScreenGame screen(MatchWeek(1), 5);
        GameWin win(screen.game);
        QVERIFY(!(win.windowFlags() & Qt::WindowCloseButtonHint));
        QVERIFY(!(win.windowFlags() & Qt::WindowMinMaxButtonsHint));
        win.show();
        QVERIFY(!win.close());
        QTest::keyClick(&win, Qt::Key_Escape);
        QVERIFY(win.isVisible());
        QVERIFY(!win.Finished());

        // A click on the fifth difference only stops the flicker; the match plays on.
        QVERIFY(win.FlickerRunning());
        QTest::mouseClick(win.Pts(5), Qt::LeftButton);
        QVERIFY(!win.FlickerRunning());
        QTRY_VERIFY_WITH_TIMEOUT(win.Finished(), 30000);
        QVERIFY(!win.isVisible());
        QCOMPARE(int(screen.state.MatchResult(kWeek)), win.CurrentMatch().Result());
    }
};

TK_UI_TEST(tst_GameWin);

#include "tst_GameWin.moc"
