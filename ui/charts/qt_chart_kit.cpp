// The chart module: draws a ChartSpec with Qt Charts.
#include <QChart>
#include <QChartView>
#include <QLineSeries>
#include <QPen>
#include <QValueAxis>

#include "ui/charts/chart_kit.h"

namespace tk {
namespace {

QValueAxis *Axis(QChart *chart, Qt::Alignment side, const ChartAxis &a) {
    auto *axis = new QValueAxis;
    axis->setRange(a.low, a.high);
    axis->setTitleText(a.title);
    axis->setLabelFormat(a.format);
    if (a.ticks > 0) axis->setTickCount(a.ticks);
    chart->addAxis(axis, side);
    return axis;
}

class QtChartKit : public ChartKit {
public:
    QWidget *MakeView(QWidget *parent, int minWidth, int minHeight) const override {
        auto *view = new QChartView(new QChart, parent);
        view->setRenderHint(QPainter::Antialiasing);
        view->setMinimumSize(minWidth, minHeight);
        // A chart is only looked at: the keys stay with the screen's lists and buttons.
        view->setFocusPolicy(Qt::NoFocus);
        return view;
    }

    void Draw(QWidget *widget, const ChartSpec &drawing) const override {
        auto *view = qobject_cast<QChartView *>(widget);
        if (view == nullptr) return;
        QChart *chart = view->chart();
        chart->removeAllSeries();
        for (QAbstractAxis *axis : chart->axes()) {
            chart->removeAxis(axis);
            delete axis;
        }
        chart->setTitle(drawing.title);
        chart->legend()->setAlignment(drawing.legendRight ? Qt::AlignRight : Qt::AlignBottom);
        chart->legend()->setVisible(drawing.legend);
        if (drawing.lines.empty()) return;
        for (const ChartLine &l : drawing.lines) {
            auto *series = new QLineSeries;
            series->setName(l.name);
            QPen pen(l.colour);
            pen.setWidth(2);
            if (l.dashed) pen.setStyle(Qt::DashLine);
            series->setPen(pen);
            series->replace(l.points);
            chart->addSeries(series);
        }
        QValueAxis *x = Axis(chart, Qt::AlignBottom, drawing.x);
        QValueAxis *y = Axis(chart, Qt::AlignLeft, drawing.y);
        for (QAbstractSeries *s : chart->series()) {
            s->attachAxis(x);
            s->attachAxis(y);
        }
    }
};

}  // namespace
}  // namespace tk

extern "C" Q_DECL_EXPORT const tk::ChartKit *tk_chart_kit() {
    static const tk::QtChartKit kit;
    return &kit;
}
