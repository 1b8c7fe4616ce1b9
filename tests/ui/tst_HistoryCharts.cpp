// The records' charts read well: one season is drawn, each season once on a whole number,
// funds in 万円 or 億円, a player's growth labelled by season and month.
#include <QCategoryAxis>
#include <QChartView>
#include <QTest>

#include <memory>

#include "tests/ui/ui_test_registry.h"
#include "tests/ui/view_test_support.h"
#include "ui/widgets/history_charts.h"

using namespace tk;

namespace {

std::vector<SeasonRecord> Seasons(int count, std::int64_t funds) {
    std::vector<SeasonRecord> seasons(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        seasons[static_cast<std::size_t>(i)].season = count - i;  // any order
        seasons[static_cast<std::size_t>(i)].funds = funds;
    }
    return seasons;
}

QStringList Labels(const ChartAxis &axis) {
    QStringList texts;
    for (const ChartLabel &label : axis.labels) texts << label.text;
    return texts;
}

}  // namespace

class tst_HistoryCharts : public QObject {
    Q_OBJECT

private slots:
    void seasonCharts_data() {
        QTest::addColumn<int>("seasons");
        QTest::addColumn<qlonglong>("funds");
        QTest::addColumn<QString>("moneyTitle");
        QTest::addColumn<double>("top");
        QTest::addColumn<QString>("labels");
        QTest::newRow("one season") << 1 << 3000LL << "万円" << 3000.0 << "1";
        QTest::newRow("three seasons, 413億") << 3 << 4133034LL << "億円" << 413.3034 << "1 2 3";
        QTest::newRow("1.2億") << 2 << 12000LL << "億円" << 1.2 << "1 2";
        QTest::newRow("thirty seasons")
            << 30 << -500LL << "万円" << 1.0 << "1 4 7 10 13 16 19 22 25 28";
    }

    void seasonCharts() {
        QFETCH(int, seasons);
        QFETCH(qlonglong, funds);
        QFETCH(QString, moneyTitle);
        QFETCH(double, top);
        QFETCH(QString, labels);
        for (SeasonChart kind : {SeasonChart::Funds, SeasonChart::Level, SeasonChart::WinsLosses}) {
            const ChartSpec drawing = SeasonChartDrawing(kind, Seasons(seasons, funds));
            for (const ChartLine &line : drawing.lines) {
                QVERIFY(line.markers);  // a single season is still seen
                QCOMPARE(line.points.size(), seasons);
                QCOMPARE(line.points.first().x(), 1.0);  // in season order
            }
            // Each season once, on a whole number, at most ten labels, all inside the axis.
            QCOMPARE(Labels(drawing.x).join(' '), labels);
            QCOMPARE(drawing.x.low, 0.5);
            QCOMPARE(drawing.x.high, seasons + 0.5);
        }
        const ChartSpec money = SeasonChartDrawing(SeasonChart::Funds, Seasons(seasons, funds));
        QCOMPARE(money.y.title, moneyTitle);
        QCOMPARE(money.y.high, top);
        QCOMPARE(money.lines.front().points.last().y(), funds < 0 ? -500.0 : top);
        if (!qEnvironmentVariableIsEmpty("TK_UI_GRAB_DIR")) {
            std::unique_ptr<QWidget> view(
                MakeSeasonChart(SeasonChart::Funds, Seasons(seasons, funds), nullptr));
            view->resize(420, 240);
            test::GrabIfAsked(view.get(), QStringLiteral("funds-%1").arg(QTest::currentDataTag()));
        }
    }

    void playerChartBySeasonAndMonth_data() {
        QTest::addColumn<int>("fromWeek");
        QTest::addColumn<int>("toWeek");
        QTest::addColumn<QString>("labels");
        QTest::newRow("one month") << 16 << 16 << "1年目4月";
        QTest::newRow("three months") << 16 << 24 << "1年目4月 5月 6月";
        QTest::newRow("a season") << 16 << 60 << "1年目4月 7月 10月 2年目1月";
        QTest::newRow("two years, a month named twice")
            << 25 << 121 << "1年目7月 2年目1月 7月 3年目1月 7月";
        QTest::newRow("three seasons") << 13 << 156 << "2年目1月 3年目1月 4年目1月";
    }

    void playerChartBySeasonAndMonth() {
        QFETCH(int, fromWeek);
        QFETCH(int, toWeek);
        QFETCH(QString, labels);
        ProgressChart chart;
        std::vector<CurvePoint> points;
        for (int week = fromWeek; week <= toWeek; week += 4) points.push_back({week, {}});
        chart.Show(points, fromWeek, QStringLiteral("入団"));
        const ChartSpec &drawing = chart.Drawing();
        QCOMPARE(Labels(drawing.x).join(' '), labels);
        QVERIFY(drawing.x.low < YearPosition(fromWeek) && YearPosition(toWeek) < drawing.x.high);
        QVERIFY(drawing.lines.front().markers);
        QVERIFY(!drawing.lines.back().markers);  // the dashed mark where he joined
        // The module draws every label, a month named twice ("7月" of two years) too.
        auto *view = chart.findChild<QChartView *>();
        QVERIFY(view);
        auto *x = qobject_cast<QCategoryAxis *>(view->chart()->axes(Qt::Horizontal).value(0));
        QVERIFY(x);
        QCOMPARE(x->count(), static_cast<int>(drawing.x.labels.size()));
        chart.resize(560, 300);
        test::GrabIfAsked(&chart, QStringLiteral("progress-%1").arg(QTest::currentDataTag()));
    }
};

TK_UI_TEST(tst_HistoryCharts);

#include "tst_HistoryCharts.moc"
