// Squads of chosen strength and forced match endings for the match and tournament tests.
#pragma once

#include <initializer_list>

#include "core/rules/game.h"
#include "core/rules/match_engine.h"
#include "core/rules/match_week.h"
#include "core/rules/tournament_rules.h"
#include "core/state/game_state.h"
#include "tests/support/scripted_ui.h"

namespace tk::test {

// Six named players (slots 0..5); regular n has every skill at strengths[n-1], slot 5 sits
// on the bench at `benchSkill`.
inline void SetSquad(GameState &s, std::initializer_list<int> strengths, int benchSkill = 100) {
    int slot = 0;
    for (int value : strengths) {
        PlayerRecord &p = s.Players[static_cast<std::size_t>(slot)];
        p = {};
        p.FamilyName = static_cast<std::uint8_t>(slot + 1);
        p.FirstName = static_cast<std::uint8_t>(slot + 1);
        for (int k = 1; k <= 6; ++k) p.Level(k) = static_cast<std::uint8_t>(value);
        p.Order = static_cast<std::uint8_t>(slot + 1);
        ++slot;
    }
    PlayerRecord &bench = s.Players[static_cast<std::size_t>(slot)];
    bench = {};
    bench.FamilyName = 9;
    bench.FirstName = 9;
    for (int k = 1; k <= 6; ++k) bench.Level(k) = static_cast<std::uint8_t>(benchSkill);
}

inline void SetStrongSquad(GameState &s) {
    SetSquad(s, {250, 250, 250, 250, 250});
}
inline void SetWeakSquad(GameState &s) {
    SetSquad(s, {0, 0, 0, 0, 0});
}

// A match week at week number w holding `code`.
inline void BookWeek(GameState &s, int w, int code) {
    s.WeekCount = static_cast<std::int16_t>(w);
    s.MatchKind(w) = static_cast<std::uint8_t>(code);
}

// Ends this week's match as the engine would at 3-0 or 0-3, without any draws, and settles
// it: for tournament rounds whose opponents a squad cannot be sure to beat.
inline void ForceRound(Game &game, bool won) {
    GameState &s = game.state;
    const int code = s.MatchKind(s.WeekCount);
    if (won) {
        RecordTeamWin(s, code);
        FinishMatch(s, 3, 0);
    } else {
        RecordTeamLoss(s, code);
        FinishMatch(s, 0, 3);
    }
    AfterMatch(game, won);
}

}  // namespace tk::test
