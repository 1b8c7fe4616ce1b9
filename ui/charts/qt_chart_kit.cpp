// The chart module: draws a ChartSpec with Qt Charts.
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QLineSeries>
#include <QPen>
#include <QValueAxis>

#include "ui/charts/chart_kit.h"

namespace tk {
namespace {

QAbstractAxis *Axis(QChart *chart, Qt::Alignment side, const ChartAxis &a) {
    if (!a.labels.empty()) {
        auto *axis = new QCategoryAxis;
        axis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
        axis->setRange(a.low, a.high);
        axis->setTitleText(a.title);
        // Qt keys the labels by their text: a repeated one ("4月" of another year) gets
        // zero-width spaces to stay apart.
        QStringList seen;
        for (const ChartLabel &label : a.labels) {
            QString text = label.text;
            while (seen.contains(text)) text += QChar(0x200B);
            seen << text;
            axis->append(text, label.at);
        }
        chart->addAxis(axis, side);
        return axis;
    }
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
            series->setPointsVisible(l.markers);
            series->replace(l.points);
            chart->addSeries(series);
        }
        QAbstractAxis *x = Axis(chart, Qt::AlignBottom, drawing.x);
        QAbstractAxis *y = Axis(chart, Qt::AlignLeft, drawing.y);
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
