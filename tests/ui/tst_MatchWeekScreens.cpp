// A match week on screen: the three screens in order, a same-day next round nested inside the
// settlement of the round before, titles, defeats and the every-year offer.
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "core/rules/match_week.h"
#include "tests/ui/match_screen_support.h"
#include "tests/ui/modal_helper.h"
#include "tests/ui/ui_test_registry.h"
#include "ui/screens/GameWin.h"
#include "ui/screens/match_week_screens.h"

using namespace tk;
using namespace tk::test;

namespace {

constexpr int kTournamentWeek = 48 + 9;  // year 2, 3月1週: the spring tournament

GameState TournamentWeek(int code, int strength) {
    GameState s;
    SetSquad(s, {strength, strength, strength, strength, strength});
    BookWeek(s, kTournamentWeek, code);
    return s;
}

// The screens shown, without the notices in between.
QStringList ScreensShown(const QStringList &shown) {
    QStringList screens;
    for (const QString &w : shown)
        if (!w.endsWith(QStringLiteral("MeSForm")) && !w.endsWith(QStringLiteral("MesQWin")))
            screens << w.mid(4);  // without "tk::"
    return screens;
}

std::vector<std::string> BoutsWon(int count) {
    std::vector<std::string> texts;
    for (int n = 1; n <= count; ++n) texts.push_back(std::to_string(n) + "人目\r勝利しました！！");
    return texts;
}

}  // namespace

class tst_MatchWeekScreens : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { TK_VERIFY_NO_LEAKED_WINDOWS(); }

    void wonRoundGoesOnToTheNextRoundTheSameDay() {
        const ScopedUiTimingScale fast(0);
        ScreenGame g(TournamentWeek(10, 250), 3);
        MatchDriver driver;
        int announcements = 0;
        int matchWindowsUpAtSecondAnnouncement = -1;
        int secondMatchStarted = 0;
        driver.onShow = [&](QWidget *w) {
            if (w->objectName() == QStringLiteral("BeforeGame") && ++announcements == 2) {
                matchWindowsUpAtSecondAnnouncement = 0;
                for (QWidget *top : QApplication::topLevelWidgets())
                    if (top->objectName() == QStringLiteral("GameWin") && top->isVisible())
                        ++matchWindowsUpAtSecondAnnouncement;
            }
            // No second match while one is on screen, whoever asks.
            if (w->objectName() == QStringLiteral("GameWin"))
                secondMatchStarted += PlayMatchRoundOnScreen(g.game, nullptr) ? 1 : 0;
        };

        QVERIFY(PlayMatchWeekOnScreen(g.game, g.qt, nullptr));

        QCOMPARE(ScreensShown(driver.shown),
                 QStringList({QStringLiteral("BeforeGame 一回戦"), QStringLiteral("RegurarSetWin"),
                              QStringLiteral("GameWin"), QStringLiteral("BeforeGame 二回戦"),
                              QStringLiteral("RegurarSetWin"), QStringLiteral("GameWin")}));
        // The first round's window had gone before the second round was announced.
        QCOMPARE(matchWindowsUpAtSecondAnnouncement, 0);
        QCOMPARE(secondMatchStarted, 0);

        std::vector<std::string> expected = BoutsWon(3);
        expected.push_back("春季大会\r一回戦\r勝利！");
        expected.push_back("<next round>");
        for (const std::string &t : BoutsWon(3)) expected.push_back(t);
        expected.push_back("春季大会\r二回戦\r勝利！");
        QCOMPARE(g.ui.log, expected);

        QCOMPARE(int(g.state.MatchKind(kTournamentWeek)), 99);
        QCOMPARE(int(g.state.MatchKind(kTournamentWeek + 1)), 12);
        QCOMPARE(int(g.state.MatchResult(kTournamentWeek)), 7);
        QCOMPARE(int(g.state.Category[1].Wins), 2);
        QCOMPARE(g.state.Category[2].Qualified, kTrue);
    }

    void finalDayEndsWithTheTitleAndItsPrize() {
        const ScopedUiTimingScale fast(0);
        ScreenGame g(TournamentWeek(12, 250), 4);
        g.state.Money = 1000;
        MatchDriver driver;
        QVERIFY(PlayMatchWeekOnScreen(g.game, g.qt, nullptr));
        QCOMPARE(ScreensShown(driver.shown).size(), 6);
        QCOMPARE(int(g.state.MatchKind(kTournamentWeek)), 14);
        QCOMPARE(g.state.Money, 1000 + 3000);
        QVERIFY(g.state.TeamLevel >= 2);
        const std::vector<std::string> tail(g.ui.log.end() - 3, g.ui.log.end());
        QCOMPARE(tail, (std::vector<std::string>{"春季大会\r決勝戦\r優勝！！", "春季大会\r優勝",
                                                 "賞金3000万円ゲット！"}));
    }

    void lostRoundShowsItsResultOnceTheMatchHasClosed() {
        const ScopedUiTimingScale fast(0);
        ScreenGame g(TournamentWeek(10, 0), 5);
        MatchDriver driver;
        int matchUpAtResult = -1;
        driver.onShow = [&](QWidget *w) {
            if (w->objectName() != QStringLiteral("MeSForm")) return;
            const auto *text = w->findChild<QLabel *>(QStringLiteral("Comment"));
            if (text && text->text().contains(QStringLiteral("敗退")))
                matchUpAtResult = MatchOnScreen() ? 1 : 0;
        };
        QVERIFY(PlayMatchWeekOnScreen(g.game, g.qt, nullptr));
        QCOMPARE(ScreensShown(driver.shown).size(), 3);
        QCOMPARE(g.ui.log.back(), std::string("春季大会\r一回戦敗退"));
        QCOMPARE(matchUpAtResult, 0);
        QCOMPARE(int(g.state.MatchKind(kTournamentWeek)), 10);
        QCOMPARE(int(g.state.Category[1].Losses), 1);
    }

    void everyYearOfferIsAnsweredOnTheRealQuestion() {
        const ScopedUiTimingScale fast(0);
        ScreenGame g(TournamentWeek(24, 0), 6);  // the 関東選抜 final, lost
        MatchDriver driver(QStringLiteral("はい"));
        QVERIFY(PlayMatchWeekOnScreen(g.game, g.qt, nullptr));
        QCOMPARE(g.ui.log.back(), std::string("今後も常に関東選抜\rに出場しますか？"));
        QCOMPARE(g.state.Category[2].AlwaysEnter, kTrue);
        QCOMPARE(int(g.state.MatchKind(48 + 23)), 20);
        QCOMPARE(int(g.state.MatchKind(48 + 45)), 20);
        QCOMPARE(int(g.state.MatchKind(48 * 2 + 23)), 20);
    }

    // "結果へ" on every match of the week: the same week as watching it (rounds, titles,
    // prizes, flags, the every-year question, the next draw), one summary per match and no
    // notice after a match has closed.
    void toResultSettlesTheWeekAsWatchingIt_data() {
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("strength");
        QTest::addColumn<int>("seed");
        QTest::addRow("won round, next round the same day") << 10 << 250 << 3;
        QTest::addRow("final day: title and prize") << 12 << 250 << 4;
        QTest::addRow("lost round: result after the match") << 10 << 0 << 5;
        QTest::addRow("lost final: every-year offer") << 24 << 0 << 6;
        QTest::addRow("practice match won: prize") << 4 << 250 << 7;
    }

    void toResultSettlesTheWeekAsWatchingIt() {
        QFETCH(int, code);
        QFETCH(int, strength);
        QFETCH(int, seed);
        const ScopedUiTimingScale fast(0);
        ScreenGame watched(TournamentWeek(code, strength), static_cast<std::uint64_t>(seed));
        {
            MatchDriver driver(QStringLiteral("はい"));
            QVERIFY(PlayMatchWeekOnScreen(watched.game, watched.qt, nullptr));
        }

        ScreenGame skipped(TournamentWeek(code, strength), static_cast<std::uint64_t>(seed));
        MatchDriver driver(QStringLiteral("はい"));
        int matches = 0;
        int noticesAfterClose = 0;
        driver.onShow = [&](QWidget *w) {
            if (w->objectName() == QStringLiteral("MeSForm") && !MatchOnScreen())
                ++noticesAfterClose;
            if (w->objectName() != QStringLiteral("GameWin")) return;
            ++matches;
            QTimer::singleShot(0, w, [w] {
                QTest::mouseClick(static_cast<GameWin *>(w)->ToResult(), Qt::LeftButton);
            });
        };
        QVERIFY(PlayMatchWeekOnScreen(skipped.game, skipped.qt, nullptr));

        QVERIFY(skipped.state == watched.state);
        QCOMPARE(skipped.rng.Uniform(), watched.rng.Uniform());
        QCOMPARE(noticesAfterClose, 0);
        QCOMPARE(ScreensShown(driver.shown).size(), 3 * matches);
        // One summary per match; the questions and the further rounds as they were.
        const auto passing = [](const std::vector<std::string> &log) {
            std::vector<std::string> kept;
            for (const std::string &t : log)
                if (t == "<next round>" || t.find("出場しますか") != std::string::npos)
                    kept.push_back(t);
            return kept;
        };
        QCOMPARE(passing(skipped.ui.log), passing(watched.ui.log));
        QCOMPARE(skipped.ui.log.size(), std::size_t(matches) + passing(watched.ui.log).size());
    }

    void practiceWeekOpensNothing() {
        ScreenGame g(GameState{}, 1);
        g.state.WeekCount = kTournamentWeek;
        MatchDriver driver;
        QVERIFY(!PlayMatchWeekOnScreen(g.game, g.qt, nullptr));
        QVERIFY(driver.shown.isEmpty());
    }
};

TK_UI_TEST(tst_MatchWeekScreens);

#include "tst_MatchWeekScreens.moc"
