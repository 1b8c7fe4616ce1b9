// The news line of the week and what it says.
#include "ui/widgets/week_status.h"

#include <algorithm>

#include <QAccessible>

#include "core/rules/alert_rules.h"
#include "core/rules/lookups.h"

namespace tk {

namespace {
QString Q(const std::string &text) {
    return QString::fromStdString(text).replace(QLatin1Char('\r'), QLatin1Char(' '));
}
}  // namespace

WeekStatus::WeekStatus(QWidget *parent) : QLabel(parent) {
    setObjectName(QStringLiteral("WeekStatus"));
    setWordWrap(true);
    setTextFormat(Qt::PlainText);
}

WeekStatus::Seen WeekStatus::Take(const GameState &s) {
    Seen seen;
    seen.week = s.WeekCount;
    seen.money = s.Money;
    for (std::size_t c = 0; c < kCategories; ++c) {
        seen.wins[c] = s.Category[c].Wins;
        seen.losses[c] = s.Category[c].Losses;
    }
    return seen;
}

QString WeekNewsText(const GameState &s, std::int64_t money, int wins, int losses) {
    const int w = s.WeekCount;
    QString text = QStringLiteral("%1年目 %2月%3週になりました。資金 %4")
                       .arg(YearOf(w))
                       .arg(MonthOf(w))
                       .arg(WeekOfMonth(w))
                       .arg(Q(MoneyText(s.Money)));
    const std::int64_t change = std::int64_t{s.Money} - money;
    if (change != 0)
        text += QStringLiteral("（%1%2）")
                    .arg(change > 0 ? QStringLiteral("+") : QString())
                    .arg(Q(MoneyText(change)));
    text += QStringLiteral("。");
    if (wins + losses > 0) text += QStringLiteral("試合結果 %1勝%2敗。").arg(wins).arg(losses);
    const int kind = ThisWeekMatchKind(s);
    text += QStringLiteral("今週の試合 ") +
            (kind == 0 ? QStringLiteral("なし") : Q(CompetitionName(kind))) + QStringLiteral("。");
    // The 要対応 list is told with the week, so a screen reader hears that it is not empty.
    if (const std::size_t alerts = CurrentAlerts(s).size(); alerts > 0)
        text += QStringLiteral("要対応 %1件。").arg(alerts);
    return text;
}

void WeekStatus::Update(const GameState &s) {
    const Seen now = Take(s);
    if (seen_.week < 0) {
        seen_ = now;
        setText(WeekNewsText(s, s.Money, 0, 0));
        setAccessibleName(QStringLiteral("今週のお知らせ ") + text());
        return;
    }
    // Within a week nothing is said: the match and the purchases of the week are told with
    // the next date, measured from the last one told.
    if (now.week == seen_.week) return;
    // Every bout counts in 総合 as well as in its own category.
    constexpr std::size_t kTotal = kCategories - 1;
    const int wins = std::max(0, now.wins[kTotal] - seen_.wins[kTotal]);
    const int losses = std::max(0, now.losses[kTotal] - seen_.losses[kTotal]);
    setText(WeekNewsText(s, seen_.money, wins, losses));
    seen_ = now;
    ++announced_;
    setAccessibleName(QStringLiteral("今週のお知らせ ") + text());
    QAccessibleEvent changed(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&changed);
}

}  // namespace tk
