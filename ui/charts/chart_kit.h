// What the screens draw as line charts, as plain values, and the interface of the module
// that draws them with Qt Charts (opened on first use, so that no screen before it pays for
// Qt Charts and OpenGL).
#pragma once

#include <vector>

#include <QColor>
#include <QList>
#include <QPointF>
#include <QString>

class QWidget;

namespace tk {

// A label the axis shows at one value.
struct ChartLabel {
    double at = 0;
    QString text;
};

struct ChartAxis {
    double low = 0, high = 1;
    QString title;
    QString format;  // printf style, "%d"
    int ticks = 0;   // 0: Qt's choice
    // When given, the axis shows exactly these labels (and format and ticks are unused).
    std::vector<ChartLabel> labels;
};

struct ChartLine {
    QString name;
    QColor colour;
    QList<QPointF> points;
    bool dashed = false;
    bool markers = false;  // each point drawn, so that a single one is seen
};

struct ChartSpec {
    QString title;
    bool legend = true;
    bool legendRight = false;  // else below the chart
    ChartAxis x, y;
    std::vector<ChartLine> lines;
};

class ChartKit {
public:
    virtual ~ChartKit() = default;
    // A new chart view, empty, that takes no keyboard focus.
    virtual QWidget *MakeView(QWidget *parent, int minWidth, int minHeight) const = 0;
    // Replaces what a view made by MakeView shows.
    virtual void Draw(QWidget *view, const ChartSpec &drawing) const = 0;
};

// The module's one entry point, looked up by this name.
inline constexpr const char *kChartModule = "tennis-kantoku-charts";
inline constexpr const char *kChartKitSymbol = "tk_chart_kit";
using ChartKitEntry = const ChartKit *(*)();

}  // namespace tk
