// The club's history as charts: funds, team level and wins and losses over the seasons, and one
// player's six skills month by month. They are drawn by the chart module (Qt Charts), opened
// when the first chart is made.
#pragma once

#include <vector>

#include <QWidget>

#include "history/history_rows.h"
#include "ui/charts/chart_kit.h"

namespace tk {

class HistoryStore;

enum class SeasonChart { Funds, Level, WinsLosses };

// The chart module, opened on first use; null (with the reason in `why`) when it cannot be.
const ChartKit *Charts(QString *why = nullptr);

// What a chart of the seasons (given in any order) shows, the seasons along the bottom.
ChartSpec SeasonChartDrawing(SeasonChart kind, const std::vector<SeasonRecord> &seasons);

// The same drawn: a chart view of the module, or a line that says why there is none.
QWidget *MakeSeasonChart(SeasonChart kind, const std::vector<SeasonRecord> &seasons,
                         QWidget *parent = nullptr);

// One player's スタミナ, パワー, 技術, 敏捷, ショット and ボレー at each recorded month end, with a
// dashed line at the month he joined (or, for a player already there, where the history
// began).
class ProgressChart : public QWidget {
    Q_OBJECT

public:
    explicit ProgressChart(QWidget *parent = nullptr);

    // markWeek < 0: no mark. markName: "入団" or "記録開始".
    void Show(const std::vector<CurvePoint> &points, int markWeek, const QString &markName);
    // An empty chart with a reason in its title.
    void ShowNothing(const QString &why);

    // The title above the chart (the reason when there is nothing to chart).
    QString Title() const { return spec_.title; }
    void SetTitle(const QString &title);

    // What the chart shows.
    const ChartSpec &Drawing() const { return spec_; }
    // For tests: the points of skill k (0..5), and the week of the mark (-1 for none).
    int Points(int skill) const;
    int MarkWeek() const { return markWeek_; }

private:
    void Describe(const QString &name, const QString &description = QString());
    void Redraw();

    QWidget *view_ = nullptr;  // the module's chart view, or a label without it
    ChartSpec spec_;
    int markWeek_ = -1;
};

// How a player's curve is marked: where he joined, or where the history began for a player
// who was already in the squad.
QString JoinMarkText(const PlayerRow &player);

// Charts squad player `player`'s skills from the history, or says why there is nothing to
// chart (no history kept, no month end yet).
void ShowSquadProgress(ProgressChart *chart, const HistoryStore *history, const GameState &state,
                       int player);

// The position of a week along a chart of months: the year with the month as a fraction
// (1年目4月 = 1.25).
double YearPosition(int week);
// The same in whole months: YearPosition(week) * 12.
int MonthIndex(int week);

// Money in the game's units: 万円, or 億円 once the figures reach 1億.
struct MoneyScale {
    double divisor;
    QString title;
    QString format;
};
MoneyScale MoneyScaleFor(double low, double high);

// The seasons first..last, each once as a whole number (every few when there are many).
ChartAxis SeasonAxis(int first, int last);
// The months firstMonth..lastMonth (MonthIndex), labelled 「N年目M月」 where the year shows
// first or turns and 「M月」 between, at most five labels so that each reads whole.
ChartAxis MonthAxis(int firstMonth, int lastMonth);

}  // namespace tk
