// The small shared vocabulary of the rules: money text, grades, dates, names, counts.
#pragma once

#include <cstdint>
#include <string>

#include "core/state/game_state.h"

namespace tk {

// --- Money (万円) ---------------------------------------------------------------------

inline constexpr std::int32_t kMoneyTextCap = 999999999;

// "3000万円", "1億2345万円", "1兆2345億円"; a negative amount keeps its sign. An amount whose
// size is 10^9 or more shows as the cap (9兆9999億円, or -9兆9999億円).
std::string MoneyText(std::int64_t amount);
// The funds as the main screen shows them: the stored amount is capped to ±999999999 first,
// as the game has always done when it shows the funds.
std::string ShowFunds(GameState &state);

// Money += amount / -= amount, stopping at the 32-bit limits instead of wrapping.
void AddMoney(GameState &state, std::int64_t amount);
void SubtractMoney(GameState &state, std::int64_t amount);
std::int32_t SaturateMoney(std::int64_t amount);

// --- Grades ---------------------------------------------------------------------------

// S (250 and up), A (>220), B (>180), C (>135), D (>105), E (>70), F.
std::string GradeLetter(int value);
// The colour of a grade letter as 0xRRGGBB; black for anything else.
std::uint32_t GradeColour(const std::string &label);
// "前衛" for style 1, "後衛" otherwise.
std::string StyleText(int style);

// --- Dates (w = week number, 1 = year 1, January, week 1) -------------------------------

int YearOf(int w);
int MonthOf(int w);
int WeekOfMonth(int w);
int WeekOfYear(int w);  // 1..48
// Week number of week-of-year w (1..48) in year y.
inline int WeekNumber(int year, int weekOfYear) {
    return 48 * (year - 1) + weekOfYear;
}
inline int CurrentWeek(const GameState &s) {
    return s.WeekCount;
}
int AgeOf(const GameState &s, int player);
// "1年目4月1週" style date text of a week number.
std::string DateText(int w);

// --- Names ----------------------------------------------------------------------------

// Family name, one half-width space, first name.
std::string PersonName(const PlayerRecord &p);
std::string PersonName(const GameState &s, int player);
std::string CoachName(const CoachRecord &c);  // with the space, as in the panels
std::string TimeOfDayText(int t);
std::string WeatherText(int w);
std::string CompetitionName(int code);
std::string RoundName(int code);
std::string ResultText(int code);

// --- Counts and lookups ---------------------------------------------------------------

int PlayerCount(const GameState &s);
// Highest index 0..19 with Order == k; 20 when there is none.
int PlayerWithOrder(const GameState &s, int k);
bool HasTrainingRoom(const GameState &s);
bool HasIndividualCoach(const GameState &s);
int ThisWeekMatchKind(const GameState &s);
std::int32_t TeamBudget(const GameState &s);
std::int32_t CoachSalary(int n);
// The employed coach of a role (kCoachTeam / kCoachIndividual) with the highest index;
// 0 when nobody holds it (coach 0 has ability 0).
int CoachOfRole(const GameState &s, int role);

}  // namespace tk
