// Yearly events and match entries in the calendar.
#include "core/rules/events.h"

#include "core/rules/camp_rules.h"
#include "core/rules/game.h"
#include "core/rules/grounds_rules.h"
#include "core/rules/lookups.h"

namespace tk {

void EnterGame(GameState &s, int weekOfYear, bool everyYear, int code) {
    const int year = YearOf(s.WeekCount);
    int i = 48 * (year - 1) + weekOfYear;
    if (i <= s.WeekCount) i = 48 * year + weekOfYear;
    const int last = everyYear ? 100 : year;
    for (int j = year; j <= last && i <= kLastWeek; ++j, i += 48)
        if (i >= 0) s.MatchKind(i) = static_cast<std::uint8_t>(code);
}

std::string GyoziName(const GameState &s, int n) {
    const bool camp = s.CampSessions > 0;
    switch (WeekOfYear(n)) {
        case 12: return "契約更新日";
        case 15:
        case 31: return "合宿地決定";
        case 17:
        case 18:
        case 33:
        case 34: return camp ? "合宿" : "なし";
        case 19:
        case 35: return "合宿最終日";
        case 21: return s.Candidates[0].FamilyName != 0 ? "スカウト結果発表" : "なし";
        default: return "なし";
    }
}

void GyoziAct(Game &game) {
    GameState &s = game.state;
    switch (WeekOfYear(s.WeekCount)) {
        case 15:
        case 31: game.ui.ChooseCamp(game); break;
        case 17:
        case 18:
        case 33:
        case 34: RunCampPractice(game); break;
        case 19:
        case 35:
            // The last camp day: the camp's class applies to its own three weeks only.
            RunCampPractice(game);
            s.CampSessions = 0;
            break;
        case 21:
            if (s.Candidates[0].FamilyName != 0) game.ui.ShowScoutResult(game);
            break;
        default: break;
    }
}

void IventAct(Game &game) {
    FinishConstructions(game, game.state.WeekCount);
}

}  // namespace tk
