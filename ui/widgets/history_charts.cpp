// Line charts of the seasons and of a player's growth, as values for the chart module.
#include "ui/widgets/history_charts.h"

#include <algorithm>
#include <cmath>

#include <QAbstractScrollArea>
#include <QLabel>
#include <QVBoxLayout>

#include "core/rules/lookups.h"
#include "history/history_store.h"
#include "storage/game_modules.h"
#include "ui/widgets/accessible_item.h"

namespace tk {

namespace {

const char *const kSkillNames[] = {"スタミナ", "パワー", "技術", "敏捷", "ショット", "ボレー"};

// A line of values, each point marked so that a single season or month is seen.
ChartLine Line(const QString &name, const QColor &colour) {
    ChartLine line;
    line.name = name;
    line.colour = colour;
    line.markers = true;
    return line;
}

// Without the module a chart is a line of text: its title and why it is not drawn.
QWidget *MakeView(QWidget *parent, int width, int height) {
    QString why;
    if (const ChartKit *kit = Charts(&why)) return kit->MakeView(parent, width, height);
    auto *label = new QLabel(parent);
    label->setWordWrap(true);
    label->setToolTip(why);
    label->setMinimumSize(width, height / 4);
    return label;
}

void Draw(QWidget *view, const ChartSpec &drawing) {
    if (const ChartKit *kit = Charts()) {
        kit->Draw(view, drawing);
    } else if (auto *label = qobject_cast<QLabel *>(view)) {
        label->setText(drawing.title + QStringLiteral("\n（グラフを表示できません）"));
    }
}

}  // namespace

const ChartKit *Charts(QString *why) {
    static QString reason;
    static const ChartKit *const kit = [] {
        auto entry = reinterpret_cast<ChartKitEntry>(
            GameModuleSymbol(kChartModule, kChartKitSymbol, &reason));
        return entry != nullptr ? entry() : nullptr;
    }();
    if (why != nullptr) *why = reason;
    return kit;
}

double YearPosition(int week) {
    return YearOf(week) + (MonthOf(week) - 1) / 12.0;
}

int MonthIndex(int week) {
    return YearOf(week) * 12 + MonthOf(week) - 1;
}

MoneyScale MoneyScaleFor(double low, double high) {
    const double largest = std::max(std::abs(low), std::abs(high));
    if (largest >= 100000.0) return {10000.0, QStringLiteral("億円"), QStringLiteral("%.0f")};
    if (largest >= 10000.0) return {10000.0, QStringLiteral("億円"), QStringLiteral("%.1f")};
    return {1.0, QStringLiteral("万円"), QStringLiteral("%.0f")};
}

ChartAxis SeasonAxis(int first, int last) {
    ChartAxis axis;
    axis.low = first - 0.5;
    axis.high = last + 0.5;
    axis.title = QStringLiteral("シーズン（年目）");
    const int span = last - first;
    const int step = span < 10 ? 1 : (span + 9) / 10;  // about ten labels at most
    for (int season = first; season <= last; season += step)
        axis.labels.push_back({static_cast<double>(season), QString::number(season)});
    return axis;
}

ChartAxis MonthAxis(int firstMonth, int lastMonth) {
    ChartAxis axis;
    axis.title = QStringLiteral("年目・月");
    const int span = std::max(1, lastMonth - firstMonth);
    int step = 120;
    for (int s : {1, 3, 6, 12, 24, 60, 120})
        if (span / s <= 4) {
            step = s;
            break;
        }
    axis.low = firstMonth / 12.0 - 1.0 / 24;
    axis.high = std::max(lastMonth, firstMonth + 1) / 12.0 + 1.0 / 24;
    int shownYear = -1;
    for (int m = (firstMonth + step - 1) / step * step; m <= lastMonth; m += step) {
        const int year = m / 12;
        const int month = m % 12 + 1;
        // The year where it first shows or turns, the month alone between.
        const QString text = year != shownYear ? QStringLiteral("%1年目%2月").arg(year).arg(month)
                                               : QStringLiteral("%1月").arg(month);
        shownYear = year;
        axis.labels.push_back({m / 12.0, text});
    }
    return axis;
}

ChartSpec SeasonChartDrawing(SeasonChart kind, const std::vector<SeasonRecord> &seasons) {
    std::vector<const SeasonRecord *> order;
    for (const SeasonRecord &s : seasons) order.push_back(&s);
    std::sort(order.begin(), order.end(),
              [](const SeasonRecord *a, const SeasonRecord *b) { return a->season < b->season; });

    ChartSpec drawing;
    double low = 0, high = 1;
    drawing.y.format = QStringLiteral("%.0f");
    if (kind == SeasonChart::Funds) {
        drawing.title = QStringLiteral("年度末の資金");
        for (const SeasonRecord *s : order) {
            low = std::min(low, static_cast<double>(s->funds));
            high = std::max(high, static_cast<double>(s->funds));
        }
        const MoneyScale scale = MoneyScaleFor(low, high);
        drawing.y.title = scale.title;
        drawing.y.format = scale.format;
        low /= scale.divisor;
        high /= scale.divisor;
        ChartLine funds = Line(QStringLiteral("資金"), QColor(0, 128, 0));
        for (const SeasonRecord *s : order)
            funds.points.append(
                {static_cast<double>(s->season), static_cast<double>(s->funds) / scale.divisor});
        drawing.lines.push_back(std::move(funds));
        drawing.legend = false;
    } else if (kind == SeasonChart::Level) {
        drawing.title = QStringLiteral("チームレベル");
        drawing.y.title = QStringLiteral("Lv.");
        high = 5;
        ChartLine level = Line(QStringLiteral("レベル"), QColor(255, 128, 0));
        for (const SeasonRecord *s : order)
            level.points.append(
                {static_cast<double>(s->season), static_cast<double>(s->teamLevel)});
        drawing.lines.push_back(std::move(level));
        drawing.legend = false;
        drawing.y.ticks = 6;
    } else {
        drawing.title = QStringLiteral("シーズンの勝敗");
        drawing.y.title = QStringLiteral("試合");
        ChartLine wins = Line(QStringLiteral("勝"), QColor(0, 0, 255));
        ChartLine losses = Line(QStringLiteral("敗"), QColor(255, 0, 0));
        for (const SeasonRecord *s : order) {
            const CategoryResult &all = s->results[kCategories - 1];
            wins.points.append({static_cast<double>(s->season), static_cast<double>(all.wins)});
            losses.points.append({static_cast<double>(s->season), static_cast<double>(all.losses)});
            high = std::max({high, static_cast<double>(all.wins), static_cast<double>(all.losses)});
        }
        drawing.lines.push_back(std::move(wins));
        drawing.lines.push_back(std::move(losses));
    }
    const int first = order.empty() ? 1 : order.front()->season;
    const int last = order.empty() ? 1 : order.back()->season;
    drawing.x = SeasonAxis(first, last);
    drawing.y.low = low;
    drawing.y.high = high;
    return drawing;
}

QWidget *MakeSeasonChart(SeasonChart kind, const std::vector<SeasonRecord> &seasons,
                         QWidget *parent) {
    QWidget *view = MakeView(parent, 420, 240);
    Draw(view, SeasonChartDrawing(kind, seasons));
    return view;
}

ProgressChart::ProgressChart(QWidget *parent) : QWidget(parent) {
    setObjectName(QStringLiteral("ProgressChart"));
    setFocusPolicy(Qt::NoFocus);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    view_ = MakeView(this, 460, 260);
    layout->addWidget(view_);
    spec_.legendRight = true;
}

// The chart and the view the module drew it in say the same: a screen reader meets either.
void ProgressChart::Describe(const QString &name, const QString &description) {
    SetAccessibleText(this, name, description);
    SetAccessibleText(view_, name, description);
    if (auto *area = qobject_cast<QAbstractScrollArea *>(view_))
        SetAccessibleText(area->viewport(), name, description);
}

void ProgressChart::Redraw() {
    Draw(view_, spec_);
}

void ProgressChart::SetTitle(const QString &title) {
    spec_.title = title;
    Redraw();
}

void ProgressChart::ShowNothing(const QString &why) {
    spec_.lines.clear();
    spec_.title = why;
    Describe(why);
    markWeek_ = -1;
    Redraw();
}

void ProgressChart::Show(const std::vector<CurvePoint> &points, int markWeek,
                         const QString &markName) {
    static const QColor kColours[] = {QColor(220, 0, 0), QColor(255, 128, 0),
                                      QColor(0, 160, 0), QColor(0, 160, 200),
                                      QColor(0, 0, 255), QColor(160, 0, 200)};
    spec_.lines.clear();
    spec_.title = QStringLiteral("能力の推移（月末）");
    markWeek_ = -1;
    for (int k = 0; k < 6; ++k) {
        ChartLine line = Line(QString::fromUtf8(kSkillNames[k]), kColours[k]);
        line.points.reserve(static_cast<qsizetype>(points.size()));
        for (const CurvePoint &p : points)
            line.points.append({YearPosition(p.week), static_cast<double>(p.levels.skills[k])});
        spec_.lines.push_back(std::move(line));
    }
    int first = points.empty() ? 12 : MonthIndex(points.front().week);
    const int last = points.empty() ? 12 : MonthIndex(points.back().week);
    if (markWeek >= 0) {
        markWeek_ = markWeek;
        first = std::min(first, MonthIndex(markWeek));
        ChartLine mark = Line(markName, QColor(96, 96, 96));
        mark.dashed = true;
        mark.markers = false;
        mark.points = {{YearPosition(markWeek), 0}, {YearPosition(markWeek), 250}};
        spec_.lines.push_back(std::move(mark));
    }
    spec_.x = MonthAxis(first, last);
    spec_.y = {0, 250, QStringLiteral("能力"), QStringLiteral("%d"), 6, {}};
    // The curves in words: each skill from the first month end charted to the last.
    if (!points.empty()) {
        QStringList skills;
        for (int k = 0; k < 6; ++k)
            skills << QStringLiteral("%1 %2→%3")
                          .arg(QString::fromUtf8(kSkillNames[k]))
                          .arg(int{points.front().levels.skills[static_cast<std::size_t>(k)]})
                          .arg(int{points.back().levels.skills[static_cast<std::size_t>(k)]});
        Describe(QStringLiteral("能力の推移（月末）"), skills.join(QStringLiteral("、")));
    }
    Redraw();
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
    if (skill < 0 || skill >= static_cast<int>(spec_.lines.size())) return 0;
    return static_cast<int>(spec_.lines[static_cast<std::size_t>(skill)].points.size());
}

}  // namespace tk
