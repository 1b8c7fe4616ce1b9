// The records screen over ten headless seasons: the seasons newest first, the competitions
// and titles, the charts, every player's curve (those who left too), the player detail
// chart, and the screens when no history is kept; each closes with Esc and "閉じる".
#include <QChartView>
#include <QLabel>
#include <QLineSeries>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include "core/rules/lookups.h"
#include "history/history_store.h"
#include "tests/ui/modal_helper.h"
#include "tests/ui/ui_test_registry.h"
#include "tests/ui/view_test_support.h"
#include "tools/sim/sim_history.h"
#include "tools/sim/simulation.h"
#include "ui/screens/KirokuWin.h"
#include "ui/screens/SensyuWin.h"
#include "ui/widgets/history_charts.h"

using namespace tk;
using namespace tk::test;

namespace {

constexpr int kSeasons = 10;

// Ten seasons of the active manager with their history in a folder of their own.
struct TenSeasons {
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("Save0.Kumo.history"));
    sim::Simulation sim{11, sim::MakeActivePolicy()};
    std::unique_ptr<HistoryStore> store;

    TenSeasons() {
        sim.StartNew("テニス部", "山田");
        sim.State().Money = 1000000;
        sim::SimHistory history;
        if (!history.Open(path, sim, true)) return;
        sim.Play(48 * kSeasons);
        if (!history.Close()) return;
        store = HistoryStore::Open(path, {"テニス部", sim.State().WeekCount, false}).store;
    }
};

int SeriesPoints(QChartView *view, int series) {
    return static_cast<int>(
        static_cast<QLineSeries *>(view->chart()->series().at(series))->count());
}

}  // namespace

class tst_KirokuWin : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { TK_VERIFY_NO_LEAKED_WINDOWS(); }

    void tenSeasonsNewestFirst() {
        TenSeasons g;
        QVERIFY(g.store);
        KirokuWin screen(g.store.get(), g.sim.State());
        QCOMPARE(screen.windowTitle(), QStringLiteral("記録"));
        QTableWidget *seasons = screen.SeasonTable();
        QCOMPARE(seasons->rowCount(), kSeasons);
        QCOMPARE(seasons->item(0, 0)->text(), QStringLiteral("10年目"));
        QCOMPARE(seasons->item(kSeasons - 1, 0)->text(), QStringLiteral("1年目"));
        const SeasonRecord newest = g.store->Seasons().front();
        QCOMPARE(seasons->item(0, 2)->text(), QString::fromStdString(MoneyText(newest.funds)));
        QVERIFY(
            screen.SeasonDetail()->text().startsWith(QStringLiteral("10年目（11年目3月4週決算）")));
        seasons->selectRow(kSeasons - 1);
        QVERIFY(screen.SeasonDetail()->text().contains(QStringLiteral("選手（")));

        QCOMPARE(screen.CompetitionTable()->rowCount(), 5);
        QCOMPARE(screen.CompetitionTable()->item(0, 0)->text(), QStringLiteral("春季大会"));
        int titles = 0;
        for (const SeasonRecord &s : g.store->Seasons())
            for (const CompetitionResult &c : s.competitions) titles += c.titles;
        QCOMPARE(screen.TitleList()->count(), titles);

        for (const char *name : {"FundsChart", "LevelChart", "WinsChart"}) {
            auto *chart = screen.findChild<QChartView *>(QString::fromLatin1(name));
            QVERIFY2(chart, name);
            QCOMPARE(SeriesPoints(chart, 0), kSeasons);
        }
        GrabIfAsked(&screen, QStringLiteral("KirokuWin"));
    }

    // Players who left stay in the records, each with his months and the month he came.
    void everyPlayersCurve() {
        TenSeasons g;
        QVERIFY(g.store);
        KirokuWin screen(g.store.get(), g.sim.State());
        QTableWidget *players = screen.PlayerTable();
        const auto rows = g.store->Players();
        QCOMPARE(players->rowCount(), static_cast<int>(rows.size()));
        int left = 0;
        for (int r = 0; r < players->rowCount(); ++r)
            left += players->item(r, 3)->text() == QStringLiteral("退団") ? 1 : 0;
        QVERIFY(left > 0);
        QCOMPARE(left, players->rowCount() - PlayerCount(g.sim.State()));
        for (int r : {0, players->rowCount() - 1}) {
            players->selectRow(r);
            const auto curve = g.store->Curve(rows[static_cast<std::size_t>(r)].key);
            QCOMPARE(screen.Progress()->Points(0), static_cast<int>(curve.size()));
            QCOMPARE(screen.Progress()->MarkWeek(), rows[static_cast<std::size_t>(r)].firstWeek);
        }
        screen.Tabs()->setCurrentIndex(3);
        GrabIfAsked(&screen, QStringLiteral("KirokuWin_players"));
    }

    void playerDetailChartsHisMonths() {
        TenSeasons g;
        QVERIFY(g.store);
        SensyuWin screen(g.sim.State(), 0, nullptr, g.store.get());
        const PlayerKey key = MakeMonthRecord(g.sim.State())[0].key;
        QCOMPARE(screen.Progress()->Points(5), static_cast<int>(g.store->Curve(key).size()));
        QCOMPARE(screen.Progress()->MarkWeek(), g.store->Player(key)->firstWeek);
        GrabIfAsked(&screen, QStringLiteral("SensyuWin_progress"));
        SensyuWin without(g.sim.State(), 0);
        QCOMPARE(without.Progress()->Points(0), 0);
        QCOMPARE(without.Progress()->Title(),
                 QStringLiteral("このゲームの記録は取られていません。"));
    }

    void withoutAHistory() {
        NewGameFixture g;
        KirokuWin screen(nullptr, g.state);
        QCOMPARE(screen.SeasonTable()->rowCount(), 0);
        QCOMPARE(screen.PlayerTable()->rowCount(), 0);
        QCOMPARE(screen.findChild<QLabel *>(QStringLiteral("RecordNote"))->text(),
                 QStringLiteral("このゲームの記録は取られていません。"));
    }

    void closesWithEscapeAndTheButton() {
        NewGameFixture g;
        for (const bool escape : {true, false}) {
            KirokuWin screen(nullptr, g.state);
            screen.show();
            QVERIFY(QTest::qWaitForWindowExposed(&screen));
            if (escape)
                QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : &screen,
                                Qt::Key_Escape);
            else
                screen.CloseButton()->click();
            QVERIFY(!screen.isVisible());
        }
    }
};

#include "tst_KirokuWin.moc"
TK_UI_TEST(tst_KirokuWin);
