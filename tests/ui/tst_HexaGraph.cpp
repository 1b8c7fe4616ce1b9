// The hexagon chart: corners and lines of the six levels, and what is painted.
#include <QImage>
#include <QTest>

#include "tests/ui/modal_helper.h"
#include "tests/ui/ui_test_registry.h"
#include "tests/ui/view_test_support.h"
#include "ui/widgets/hexa_graph.h"

using namespace tk;
using namespace tk::test;

Q_DECLARE_METATYPE(HexaGraph::Levels)

class tst_HexaGraph : public QObject {
    Q_OBJECT

    static bool Near(const QPointF &a, const QPointF &b) {
        return qAbs(a.x() - b.x()) < 1e-9 && qAbs(a.y() - b.y()) < 1e-9;
    }

private slots:
    void cleanup() { TK_VERIFY_NO_LEAKED_WINDOWS(); }

    void corners_data() {
        QTest::addColumn<HexaGraph::Levels>("levels");
        QTest::addColumn<int>("corner");
        QTest::addColumn<QPointF>("at");
        const HexaGraph::Levels zero{};
        QTest::newRow("all 0: top at the centre") << zero << 0 << QPointF(1200, 1200);
        QTest::newRow("all 0: lower left 10 lower") << zero << 4 << QPointF(1200, 1210);
        QTest::newRow("all 0: upper left") << zero << 5 << QPointF(1200, 1200);
        const HexaGraph::Levels spike{250, 0, 0, 0, 0, 0};
        QTest::newRow("stamina spike") << spike << 0 << QPointF(1200, 247.5);
        QTest::newRow("spike leaves the rest") << spike << 1 << QPointF(1200, 1200);
        const HexaGraph::Levels each{100, 100, 100, 100, 100, 100};
        QTest::newRow("top") << each << 0 << QPointF(1200, 819);
        QTest::newRow("upper right") << each << 1 << QPointF(1581, 1009.5);
        QTest::newRow("lower right") << each << 2 << QPointF(1581, 1390.5);
        QTest::newRow("bottom") << each << 3 << QPointF(1200, 1581);
        QTest::newRow("lower left") << each << 4 << QPointF(819, 1400.5);
        QTest::newRow("upper left") << each << 5 << QPointF(819, 1009.5);
        const HexaGraph::Levels order{10, 20, 30, 40, 50, 60};
        QTest::newRow("d2 goes upper right") << order << 1 << QPointF(1276.2, 1161.9);
        QTest::newRow("d6 goes upper left") << order << 5 << QPointF(971.4, 1085.7);
    }

    void corners() {
        QFETCH(HexaGraph::Levels, levels);
        QFETCH(int, corner);
        QFETCH(QPointF, at);
        const QPointF got = HexaGraph::Corners(levels)[static_cast<std::size_t>(corner)];
        QVERIFY2(qAbs(got.x() - at.x()) < 1e-6 && qAbs(got.y() - at.y()) < 1e-6,
                 qPrintable(QStringLiteral("(%1, %2)").arg(got.x()).arg(got.y())));
    }

    void linesShareTheirCornersAndCloseTheHexagon() {
        const HexaGraph::Levels levels{120, 80, 200, 30, 250, 5};
        const auto corner = HexaGraph::Corners(levels);
        const auto lines = HexaGraph::Lines(levels);
        for (std::size_t i = 0; i < 6; ++i) {
            QVERIFY(Near(lines[i].p1(), corner[i]));
            QVERIFY(Near(lines[i].p2(), corner[(i + 1) % 6]));
        }
        QVERIFY(Near(lines[5].p2(), lines[0].p1()));
    }

    void everyAxisIsAbout950UnitsLong() {
        const auto axes = HexaGraph::Axes();
        QCOMPARE(axes[0].p2(), QPointF(1200, 247.5));
        QCOMPARE(axes[3].p2(), QPointF(1200, 2152.5));
        const HexaGraph::Levels full{250, 250, 250, 250, 250, 250};
        const auto corners = HexaGraph::Corners(full);
        for (std::size_t k = 0; k < axes.size(); ++k) {
            QCOMPARE(axes[k].p1(), QPointF(1200, 1200));
            QVERIFY(qAbs(axes[k].length() - 952.5) < 1e-9);
            // Each points towards its corner.
            const QLineF toCorner(QPointF(1200, 1200), corners[k]);
            QVERIFY(qAbs(axes[k].angleTo(toCorner)) < 1e-6 ||
                    qAbs(axes[k].angleTo(toCorner) - 360) < 1e-6);
        }
        QCOMPARE(QString::fromUtf8(HexaGraph::Captions()[4]), QStringLiteral("ショット"));
    }

    void paintsTheOutlineInLightYellow() {
        HexaGraph graph;
        QCOMPARE(graph.sizeHint(), QSize(160, 160));  // 2400 twips
        graph.resize(graph.sizeHint());
        graph.MakeGraph(250, 0, 0, 0, 0, 0);
        QCOMPARE(graph.CurrentLevels(), (HexaGraph::Levels{250, 0, 0, 0, 0, 0}));
        const QImage image = graph.grab().toImage();
        // The spike runs up the middle, from the centre (80, 80) to (80, 16.5).
        QCOMPARE(image.pixelColor(79, 40), QColor(255, 255, 128));
        QVERIFY(image.pixelColor(40, 100) != QColor(255, 255, 128));

        graph.MakeGraph(200, 180, 150, 220, 120, 90);
        GrabIfAsked(&graph, QStringLiteral("HexaGraph"));
    }
};

TK_UI_TEST(tst_HexaGraph);

#include "tst_HexaGraph.moc"
