// The end of every week and its fixed order of steps; ageing; the headless week.
#include "core/rules/week_rules.h"

#include "core/rules/events.h"
#include "core/rules/game.h"
#include "core/rules/grounds_rules.h"
#include "core/rules/lookups.h"
#include "core/rules/match_week.h"
#include "core/rules/office_rules.h"
#include "core/rules/week_run.h"
#include "core/rules/year_end_rules.h"

namespace tk {

int AgeingPercent(int age) {
    if (age > 40) return 85;
    if (age > 35) return 93;
    if (age > 30) return 97;
    return 100;
}

void AgePlayers(GameState &s) {
    const int n = PlayerCount(s);
    for (int p = 0; p < n; ++p) {
        const int percent = AgeingPercent(AgeOf(s, p));
        if (percent == 100) continue;
        // skill x factor rounded up, in whole numbers so that 100 x 0.97 stays exactly 97.
        for (auto &skill : s.Players[static_cast<std::size_t>(p)].Skill)
            skill = static_cast<std::uint8_t>((skill * percent + 99) / 100);
    }
}

void MonthEnd(Game &game) {
    GameState &s = game.state;
    AgePlayers(s);
    // Funds may go below zero here; only the year end judges them.
    SubtractMoney(s, MonthlyUpkeep(s));
    s.LastYear.MoneyAtMonthEnd = s.Money;
    if (game.history != nullptr) game.history->MonthEnd(s);
}

bool WeekPlayable(const GameState &s) {
    return s.WeekCount >= 0 && s.WeekCount <= kLastWeek;
}

void ShowCalendarEnd(Game &game) {
    game.ui.ShowNotice(MessageKind::Warning, "これで全日程が終わりました。\rお疲れさまでした。",
                       "ゲーム終了", 18);
}

WeekOutcome EndOfWeek(Game &game) {
    GameState &s = game.state;
    if (!WeekPlayable(s)) {
        ShowCalendarEnd(game);
        return WeekOutcome::CalendarEnd;
    }
    // 1. The last week of a month, and in March the settlement of the season.
    if (WeekOfMonth(s.WeekCount) == 4) {
        MonthEnd(game);
        if (MonthOf(s.WeekCount) != 3)
            WarnOfShortfall(game);  // the funds will not cover the year end's salaries
        else if (YearEnd(game))
            return WeekOutcome::Bankrupt;
    }
    // 2. Buildings due this week.
    IventAct(game);
    // 3. The week's event: camp choice, camp practice, scouting result.
    GyoziAct(game);
    // 4. The weather of the week that begins.
    s.Weather = static_cast<std::uint8_t>(game.Random(3, 0));
    // 5. The week counter. The calendar's last cell is week 4800: once that week has been
    //    played the counter stands past the calendar and the game is over.
    s.WeekCount = static_cast<std::int16_t>(s.WeekCount + 1);
    if (game.history != nullptr) game.history->WeekEnded(s);
    if (!WeekPlayable(s)) {
        ShowCalendarEnd(game);
        return WeekOutcome::CalendarEnd;
    }
    return WeekOutcome::Next;
}

WeekOutcome PlayWeek(Game &game, const MatchWeekPlayer &playMatchWeek) {
    // The same stages the main screen steps from its timers, here without pauses.
    WeekRun week(game, playMatchWeek);
    week.Begin();
    return week.Finish();
}

WeekOutcome PlayWeek(Game &game) {
    return PlayWeek(game, PlayMatchWeek);
}

}  // namespace tk
