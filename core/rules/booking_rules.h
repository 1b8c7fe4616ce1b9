// Booking a practice match for next week and applying for the three higher tournaments:
// the checks that enable the booking screen's buttons, its texts, and the bookings.
#pragma once

#include <string>

#include "core/state/game_state.h"

namespace tk {

struct Game;

inline constexpr int kPracticeMatchesPerYear = 10;
inline constexpr int kPracticeLevels = 6;  // Lv.1..Lv.5 and Lv.Max (match kinds 1..6)

// --- Practice matches -------------------------------------------------------------------

enum class PracticeBooking {
    kAvailable,
    kYearLimitReached,  // ten booked this year
    kNextWeekTaken,     // next week already holds a match of any kind
};
PracticeBooking PracticeBookingState(const GameState &s);
inline bool CanBookPracticeMatch(const GameState &s) {
    return PracticeBookingState(s) == PracticeBooking::kAvailable;
}
// The line under the levels: why a match can or cannot be booked.
std::string PracticeBookingText(PracticeBooking state);
// "練習試合　　3(回)/10(回中)"
std::string PracticeFrameCaption(const GameState &s);
// "Lv.1" .. "Lv.5", "Lv.Max" for level 1..6.
std::string PracticeLevelName(int level);
// Lv.Max only once a Lv.5 practice match has been won.
bool CanChoosePracticeLevel(const GameState &s, int level);

inline constexpr const char *kPracticeQuestion = "来週練習試合を\r行いますか？";  // size 14
// Writes a practice match of `level` into next week and counts it; false (nothing changed)
// when booking is not possible or the level is not open.
bool BookPracticeMatch(GameState &s, int level);
// Asks the booking question and books on yes; true when booked (the screen then closes).
bool AskAndBookPracticeMatch(Game &game, int level);

// --- Tournaments (index 2 関東選抜, 3 日本選手権, 4 ワールドテニス) -----------------------

enum class TournamentEntry {
    kNotQualified,
    kCanApply,
    kAlwaysEnters,  // the every-year offer was accepted: nothing to apply for
};
TournamentEntry TournamentEntryState(const GameState &s, int index);
inline bool CanApplyForTournament(const GameState &s, int index) {
    return TournamentEntryState(s, index) == TournamentEntry::kCanApply;
}
// The condition line, or "常時出場しています。" once entered every year.
std::string TournamentConditionText(const GameState &s, int index);
// The fixed dates caption ("日時\r\n7月2週").
std::string TournamentDatesText(int index);
// The week of the year an application books; 関東選抜 takes June when applied for in
// December to May, else December.
int TournamentWeekOfYear(const GameState &s, int index);
// "6月3週に関東選抜を\r行います。よろしいですか？" (empty title, size 12).
std::string TournamentQuestion(const GameState &s, int index);
// Enters the tournament once, in its next week; false when not open to the team.
bool ApplyForTournament(GameState &s, int index);
// Asks and applies on yes; true when applied (the screen then closes).
bool AskAndApplyForTournament(Game &game, int index);

}  // namespace tk
