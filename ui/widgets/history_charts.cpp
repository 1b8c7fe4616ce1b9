// Line charts of the seasons and of a player's growth.
#include "ui/widgets/history_charts.h"

#include <algorithm>

#include <QChart>
#include <QLineSeries>
#include <QPen>
#include <QValueAxis>

#include "core/rules/lookups.h"
#include "history/history_store.h"
#include "ui/widgets/accessible_item.h"

namespace tk {

namespace {

const char *const kSkillNames[] = {"スタミナ", "パワー", "技術", "敏捷", "ショット", "ボレー"};

QValueAxis *Axis(QChart *chart, Qt::Alignment side, double low, double high, const QString &title,
                 const char *format) {
    auto *axis = new QValueAxis;
    axis->setRange(low, high);
    axis->setTitleText(title);
    axis->setLabelFormat(QString::fromLatin1(format));
    chart->addAxis(axis, side);
    return axis;
}

QLineSeries *Line(QChart *chart, const QString &name, const QColor &colour) {
    auto *series = new QLineSeries;
    series->setName(name);
    QPen pen(colour);
    pen.setWidth(2);
    series->setPen(pen);
    chart->addSeries(series);
    return series;
}

void Attach(QChart *chart, QValueAxis *x, QValueAxis *y) {
    for (QAbstractSeries *s : chart->series()) {
        s->attachAxis(x);
        s->attachAxis(y);
    }
}

QChartView *View(QChart *chart, QWidget *parent) {
    auto *view = new QChartView(chart, parent);
    view->setRenderHint(QPainter::Antialiasing);
    view->setMinimumSize(420, 240);
    // A chart is only looked at: the keys stay with the screen's lists and buttons.
    view->setFocusPolicy(Qt::NoFocus);
    return view;
}

}  // namespace

double YearPosition(int week) {
    return YearOf(week) + (MonthOf(week) - 1) / 12.0;
}

QChartView *MakeSeasonChart(SeasonChart kind, const std::vector<SeasonRecord> &seasons,
                            QWidget *parent) {
    std::vector<const SeasonRecord *> order;
    for (const SeasonRecord &s : seasons) order.push_back(&s);
    std::sort(order.begin(), order.end(),
              [](const SeasonRecord *a, const SeasonRecord *b) { return a->season < b->season; });

    auto *chart = new QChart;
    chart->legend()->setAlignment(Qt::AlignBottom);
    double low = 0, high = 1;
    QString title, axisTitle;
    const char *format = "%.0f";
    if (kind == SeasonChart::Funds) {
        title = QStringLiteral("年度末の資金");
        axisTitle = QStringLiteral("万円");
        QLineSeries *funds = Line(chart, QStringLiteral("資金"), QColor(0, 128, 0));
        for (const SeasonRecord *s : order) {
            funds->append(s->season, static_cast<double>(s->funds));
            low = std::min(low, static_cast<double>(s->funds));
            high = std::max(high, static_cast<double>(s->funds));
        }
        chart->legend()->hide();
    } else if (kind == SeasonChart::Level) {
        title = QStringLiteral("チームレベル");
        axisTitle = QStringLiteral("Lv.");
        high = 5;
        QLineSeries *level = Line(chart, QStringLiteral("レベル"), QColor(255, 128, 0));
        for (const SeasonRecord *s : order) level->append(s->season, s->teamLevel);
        chart->legend()->hide();
    } else {
        title = QStringLiteral("シーズンの勝敗");
        axisTitle = QStringLiteral("試合");
        QLineSeries *wins = Line(chart, QStringLiteral("勝"), QColor(0, 0, 255));
        QLineSeries *losses = Line(chart, QStringLiteral("敗"), QColor(255, 0, 0));
        for (const SeasonRecord *s : order) {
            const CategoryResult &all = s->results[kCategories - 1];
            wins->append(s->season, all.wins);
            losses->append(s->season, all.losses);
            high = std::max({high, static_cast<double>(all.wins), static_cast<double>(all.losses)});
        }
    }
    chart->setTitle(title);
    const double first = order.empty() ? 1 : order.front()->season;
    const double last = order.empty() ? 1 : order.back()->season;
    QValueAxis *x = Axis(chart, Qt::AlignBottom, first, std::max(last, first + 1),
                         QStringLiteral("シーズン（年目）"), "%d");
    x->setTickCount(std::min(11, static_cast<int>(last - first) + 2));
    QValueAxis *y = Axis(chart, Qt::AlignLeft, low, high, axisTitle, format);
    if (kind == SeasonChart::Level) y->setTickCount(6);
    Attach(chart, x, y);
    return View(chart, parent);
}

ProgressChart::ProgressChart(QWidget *parent) : QChartView(new QChart, parent) {
    setObjectName(QStringLiteral("ProgressChart"));
    setRenderHint(QPainter::Antialiasing);
    setMinimumSize(460, 260);
    setFocusPolicy(Qt::NoFocus);
    chart()->legend()->setAlignment(Qt::AlignRight);
}

void ProgressChart::ShowNothing(const QString &why) {
    chart()->removeAllSeries();
    for (QAbstractAxis *axis : chart()->axes()) {
        chart()->removeAxis(axis);
        delete axis;
    }
    chart()->setTitle(why);
    SetAccessibleText(this, why);
    SetAccessibleText(viewport(), why);
    markWeek_ = -1;
}

void ProgressChart::Show(const std::vector<CurvePoint> &points, int markWeek,
                         const QString &markName) {
    ShowNothing(QStringLiteral("能力の推移（月末）"));
    static const QColor kColours[] = {QColor(220, 0, 0), QColor(255, 128, 0),
                                      QColor(0, 160, 0), QColor(0, 160, 200),
                                      QColor(0, 0, 255), QColor(160, 0, 200)};
    QChart *c = chart();
    for (int k = 0; k < 6; ++k) {
        QLineSeries *line = Line(c, QString::fromUtf8(kSkillNames[k]), kColours[k]);
        QList<QPointF> at;
        at.reserve(static_cast<qsizetype>(points.size()));
        for (const CurvePoint &p : points)
            at.append({YearPosition(p.week), static_cast<double>(p.levels.skills[k])});
        line->replace(at);
    }
    double first = points.empty() ? 1 : YearPosition(points.front().week);
    double last = points.empty() ? 2 : YearPosition(points.back().week);
    if (markWeek >= 0) {
        markWeek_ = markWeek;
        first = std::min(first, YearPosition(markWeek));
        auto *mark = Line(c, markName, QColor(96, 96, 96));
        QPen pen = mark->pen();
        pen.setStyle(Qt::DashLine);
        mark->setPen(pen);
        mark->append(YearPosition(markWeek), 0);
        mark->append(YearPosition(markWeek), 250);
    }
    QValueAxis *x = Axis(c, Qt::AlignBottom, first, std::max(last, first + 1.0 / 12),
                         QStringLiteral("年目"), "%.1f");
    QValueAxis *y = Axis(c, Qt::AlignLeft, 0, 250, QStringLiteral("能力"), "%d");
    y->setTickCount(6);
    Attach(c, x, y);
    // The curves in words: each skill from the first month end charted to the last.
    if (!points.empty()) {
        QStringList skills;
        for (int k = 0; k < 6; ++k)
            skills << QStringLiteral("%1 %2→%3")
                          .arg(QString::fromUtf8(kSkillNames[k]))
                          .arg(int{points.front().levels.skills[static_cast<std::size_t>(k)]})
                          .arg(int{points.back().levels.skills[static_cast<std::size_t>(k)]});
        SetAccessibleText(this, QStringLiteral("能力の推移（月末）"),
                          skills.join(QStringLiteral("、")));
    }
}

QString JoinMarkText(const PlayerRow &player) {
    return player.joined ? QStringLiteral("入団") : QStringLiteral("記録開始");
}

void ShowSquadProgress(ProgressChart *chart, const HistoryStore *history, const GameState &state,
                       int player) {
    if (history == nullptr) {
        chart->ShowNothing(QStringLiteral("このゲームの記録は取られていません。"));
        return;
    }
    const std::vector<MonthPlayer> squad = MakeMonthRecord(state);
    if (player < 0 || player >= static_cast<int>(squad.size())) {
        chart->ShowNothing(QString());
        return;
    }
    const PlayerKey key = squad[static_cast<std::size_t>(player)].key;
    const std::vector<CurvePoint> curve = history->Curve(key);
    const std::optional<PlayerRow> row = history->Player(key);
    if (curve.empty() || !row) {
        chart->ShowNothing(QStringLiteral("まだ月末の記録がありません。"));
        return;
    }
    chart->Show(curve, row->firstWeek, JoinMarkText(*row));
}

int ProgressChart::Points(int skill) const {
    const QList<QAbstractSeries *> all = chart()->series();
    if (skill < 0 || skill >= all.size()) return 0;
    return static_cast<int>(static_cast<QLineSeries *>(all[skill])->count());
}

}  // namespace tk
