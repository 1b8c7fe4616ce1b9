// The records' charts read well: one season is drawn, each season once on a whole number,
// funds in 万円 or 億円, a player's growth by season and month.
#include <QCategoryAxis>
#include <QChart>
#include <QLineSeries>
#include <QTest>
#include <QValueAxis>

#include <memory>

#include "tests/ui/ui_test_registry.h"
#include "ui/widgets/history_charts.h"

using namespace tk;

namespace {

std::vector<SeasonRecord> Seasons(int count, std::int64_t funds) {
    std::vector<SeasonRecord> seasons(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        seasons[static_cast<std::size_t>(i)].season = i + 1;
        seasons[static_cast<std::size_t>(i)].funds = funds;
    }
    return seasons;
}

QValueAxis *Axis(QChart *chart, Qt::Orientation orientation) {
    return qobject_cast<QValueAxis *>(chart->axes(orientation).value(0));
}

}  // namespace

class tst_HistoryCharts : public QObject {
    Q_OBJECT

private slots:
    void seasonCharts_data() {
        QTest::addColumn<int>("seasons");
        QTest::addColumn<qlonglong>("funds");
        QTest::addColumn<QString>("moneyTitle");
        QTest::addColumn<int>("ticks");
        QTest::newRow("one season") << 1 << 3000LL << "万円" << 1;
        QTest::newRow("three seasons, 413億") << 3 << 4133034LL << "億円" << 3;
        QTest::newRow("thirty seasons") << 30 << 20000LL << "億円" << 10;
    }

    void seasonCharts() {
        QFETCH(int, seasons);
        QFETCH(qlonglong, funds);
        QFETCH(QString, moneyTitle);
        QFETCH(int, ticks);
        std::unique_ptr<QChartView> view(
            MakeSeasonChart(SeasonChart::Funds, Seasons(seasons, funds), nullptr));
        auto *line = static_cast<QLineSeries *>(view->chart()->series().at(0));
        QVERIFY(line->pointsVisible());  // a single season is still seen
        QCOMPARE(line->count(), seasons);
        QCOMPARE(Axis(view->chart(), Qt::Vertical)->titleText(), moneyTitle);
        QValueAxis *x = Axis(view->chart(), Qt::Horizontal);
        QCOMPARE(x->tickType(), QValueAxis::TicksDynamic);
        QCOMPARE(x->tickAnchor(), 1.0);
        // Each season once, on a whole number, at most ten or so labels.
        QCOMPARE(static_cast<int>((x->max() - x->min()) / x->tickInterval()), ticks);
        QCOMPARE(x->tickInterval(), std::floor(x->tickInterval()));
    }

    void playerChartBySeasonAndMonth() {
        ProgressChart chart;
        std::vector<CurvePoint> points(3);
        points[0].week = 16;  // 1年目4月 … 6月
        points[1].week = 20;
        points[2].week = 24;
        chart.Show(points, -1, QString());
        auto *x = qobject_cast<QCategoryAxis *>(chart.chart()->axes(Qt::Horizontal).value(0));
        QVERIFY(x);
        QCOMPARE(x->categoriesLabels().first(), QStringLiteral("1年目4月"));
        QCOMPARE(x->categoriesLabels().last(), QStringLiteral("6月"));
    }
};

TK_UI_TEST(tst_HistoryCharts);

#include "tst_HistoryCharts.moc"
