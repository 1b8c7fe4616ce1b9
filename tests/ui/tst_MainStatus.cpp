// The main screen's status column: next week's fixture beside this week's, and the records
// as totals with this season's figures beside them.
#include <QGroupBox>
#include <QLabel>
#include <QTest>

#include "tests/ui/key_test_support.h"
#include "tests/ui/modal_helper.h"
#include "tests/ui/ui_test_registry.h"
#include "ui/shell/MainWin.h"

using namespace tk;
using namespace tk::test;

namespace {

struct StatusSession : MainScreenSession {
    StatusSession() : MainScreenSession(5) {}
};

}  // namespace

class tst_MainStatus : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { TK_VERIFY_NO_LEAKED_WINDOWS(); }

    void nextWeeksFixtureBesideThisWeeks_data() {
        QTest::addColumn<int>("week");
        QTest::addColumn<int>("thisKind");
        QTest::addColumn<int>("nextKind");
        QTest::addColumn<QString>("thisText");
        QTest::addColumn<QString>("nextText");
        QTest::newRow("nothing booked") << 13 << 0 << 0 << "なし"
                                        << "なし";
        QTest::newRow("a practice match next week") << 13 << 0 << 3 << "なし"
                                                    << "練習試合";
        QTest::newRow("a tournament goes on") << 57 << 99 << 12 << ""
                                              << "春季大会";
        QTest::newRow("this week only") << 20 << 30 << 0 << "日本選手権"
                                        << "なし";
        QTest::newRow("the last week of the calendar") << 4800 << 0 << 0 << "なし"
                                                       << "なし";
    }

    void nextWeeksFixtureBesideThisWeeks() {
        QFETCH(int, week);
        QFETCH(int, thisKind);
        QFETCH(int, nextKind);
        QFETCH(QString, thisText);
        QFETCH(QString, nextText);
        StatusSession s;
        GameState &state = s.app.State();
        state.WeekCount = static_cast<std::int16_t>(week);
        state.MatchKind(week) = static_cast<std::uint8_t>(thisKind);
        if (week < kLastWeek) state.MatchKind(week + 1) = static_cast<std::uint8_t>(nextKind);
        s.main->FormLoad();
        QCOMPARE(s.main->FixtureBox()->text(), thisText);
        QCOMPARE(s.main->NextFixtureBox()->text(), nextText);
    }

    void recordsShowTotalsAndThisSeason_data() {
        QTest::addColumn<int>("category");
        QTest::addColumn<QString>("total");
        QTest::addColumn<QString>("season");
        QTest::newRow("practice") << 0 << "成績 7勝 5敗"
                                  << "今季 成績 2勝 1敗";
        QTest::newRow("all") << 5 << "成績 20勝 9敗"
                             << "今季 成績 6勝 3敗";
    }

    void recordsShowTotalsAndThisSeason() {
        QFETCH(int, category);
        QFETCH(QString, total);
        QFETCH(QString, season);
        StatusSession s;
        GameState &state = s.app.State();
        state.Category[0] = {7, 5, 1500, 0, 0};
        state.LastYear.Results[0] = {5, 4, 1000, 0, 0};
        state.Category[5] = {20, 9, 30000, 0, 0};
        state.LastYear.Results[5] = {14, 6, 12000, 0, 0};
        s.main->SelectRecords(category);
        QCOMPARE(s.main->RecordLabel()->text(), total);
        QCOMPARE(s.main->SeasonRecordLabel()->text(), season);
        QCOMPARE(s.main->PrizeLabel()->text(), category == 0 ? QStringLiteral("賞金　1500万円")
                                                             : QStringLiteral("賞金　3億0000万円"));
        QCOMPARE(s.main->SeasonPrizeLabel()->text(),
                 category == 0 ? QStringLiteral("今季 賞金　500万円")
                               : QStringLiteral("今季 賞金　1億8000万円"));
        // The frame says what it shows.
        bool titled = false;
        for (QGroupBox *box : s.main->findChildren<QGroupBox *>())
            titled = titled || box->title() == QStringLiteral("成績（通算・今季）");
        QVERIFY(titled);
    }
};

TK_UI_TEST(tst_MainStatus);

#include "tst_MainStatus.moc"
