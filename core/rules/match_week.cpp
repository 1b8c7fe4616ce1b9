// The screenless match week.
#include "core/rules/match_week.h"

#include "core/rules/game.h"
#include "core/rules/lineup_rules.h"
#include "core/rules/lookups.h"
#include "core/rules/match_engine.h"
#include "core/rules/tournament_rules.h"

namespace tk {

bool IsMatchWeek(const GameState &s) {
    return ThisWeekMatchKind(s) != 0;
}

void PlayMatchRound(Game &game) {
    if (!AllFilled(game.state)) AutoFillLineup(game.state);
    const MatchOutcome outcome = PlayWholeMatch(game, true);
    AfterMatch(game, outcome.won);
}

void PlayMatchWeek(Game &game) {
    if (IsMatchWeek(game.state)) PlayMatchRound(game);
}

}  // namespace tk
