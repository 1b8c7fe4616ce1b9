// The match-kind code table: prizes, the flags a win sets, the way on after a win, and the
// result notices, prizes and every-year offers that close a match.
#pragma once

#include <cstdint>
#include <string>

#include "core/state/game_state.h"

namespace tk {

struct Game;

// This week was played and the tournament goes on next week.
inline constexpr std::uint8_t kGoesOnNextWeek = 99;

// Prize money (万円) for the code a match ends on; 0 for codes without one.
std::int32_t PrizeOf(int code);

// Where a won match of a code leads.
enum class WayOn {
    kNone,      // not a played code: nothing follows
    kPrize,     // practice match: prize at once
    kNextWeek,  // last round of a tournament's first day: next round next week, 99 here
    kSameDay,   // next round at once, the same week
    kTitle,     // a final: the title code is written and awarded
};
WayOn WayOnAfterWin(int code);

// Codes that are never played: the five title codes.
bool IsTitleCode(int code);
// A tournament round or title (10..46 with a competition name).
bool IsTournamentCode(int code);

// The qualification, sponsor and team-level flags a won match of `code` earns.
void SetWinFlags(GameState &s, int code);

// Texts of the notices that close a match.
std::string MatchWonText(int code);               // title "おめでとう！", size 16
std::string PracticeLostText(int code);           // title "残念！！", size 16
std::string ResultNoticeText(int code);           // empty title, size 16
std::string PrizeNoticeText(std::int32_t prize);  // empty title, size 12
// The every-year question for a competition name, and its title.
std::string AlwaysEnterQuestion(const std::string &competition);
inline constexpr const char *kAlwaysEnterTitle = "今後の大会出場。";

// Prize, result notice and every-year offer for the code now in this week's entry.
void AwardResult(Game &game);

// What is left to do once the match screen has closed.
enum class AfterClose {
    kNothing,
    kAwardResult,    // a lost tournament round: result and prize
    kPlayNextRound,  // a won round whose next round is played the same day
};

// The steps after a finished match (its result already stored) while the match screen is
// still open: the won or lost notice, the move to the next code and the awards due now.
AfterClose SettleMatch(Game &game, bool won);
// The steps once the match screen has closed; a further round opens through
// game.ui.PlayNextRound, which returns when that round (and any it leads to) is over.
void FinishAfterClose(Game &game, AfterClose next);
// Both, for callers without a screen to close in between.
void AfterMatch(Game &game, bool won);

}  // namespace tk
