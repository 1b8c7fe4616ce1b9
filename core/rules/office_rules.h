// The office (監督室): its accounts, the schedule of three weeks and the sponsor desk.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "core/state/game_state.h"

namespace tk {

struct Game;

inline constexpr const char *kOfficeCaption = "監督室";
inline constexpr const char *kSponsorFrameTitle = "スポンサー-スポンサーは4月のみ契約できます。";
inline constexpr const char *kNoMatchText = "試合予定なし";
inline constexpr std::array<const char *, 3> kScheduleRowCaptions = {"今週", "来週", "来々週"};
// Colours are 0xRRGGBB (take them with ColorFromRgb): red for a balance below its snapshot.
inline constexpr std::uint32_t kLossColour = 0xFF0000;
inline constexpr std::uint32_t kGainColour = 0x000000;

// The office's fields, built from the record (colours as 0xRRGGBB).
struct OfficeFigures {
    std::string level;           // "レベル"
    std::string playerSalaries;  // "選手合計年俸"
    std::string coachSalaries;   // "コーチ合計年俸"
    std::string expectedIncome;  // "来期予定収入"
    std::string landUpkeep;      // "土地・建物"
    std::string tenantUpkeep;    // "テナント"
    std::string monthBalance;    // "今月の収支"
    std::uint32_t monthBalanceColour = 0;
    std::string seasonBalance;  // "今期の収支"
    std::uint32_t seasonBalanceColour = 0;
    std::string yearEndShortfall;  // "年度末の不足": the money text, or "なし"
    std::uint32_t yearEndShortfallColour = 0;
    std::array<std::string, 2> sponsorNames;  // "スポンサー 1", "スポンサー 2"
    std::array<std::string, 2> sponsorDescriptions;
    std::array<std::string, 3> schedule;  // "今週", "来週", "来々週"
};

OfficeFigures MakeOfficeFigures(const GameState &s);

std::int64_t CoachSalaryTotal(const GameState &s);  // coaches under contract
std::int64_t MonthBalance(const GameState &s);      // Money - MoneyAtMonthEnd
std::int64_t SeasonBalance(const GameState &s);     // Money - MoneyAtYearEnd
std::uint32_t BalanceColour(std::int32_t money, std::int32_t snapshot);

// What the coming year end takes from the funds: the salaries as they stand (the squad and
// the employed coaches) less the team budget it pays in. Negative when the budget covers them.
std::int64_t YearEndNeed(const GameState &s);
// How far the funds fall short of that need; 0 when they cover it.
std::int64_t YearEndShortfall(const GameState &s);
inline constexpr const char *kNoShortfallText = "なし";
inline constexpr const char *kShortfallTitle = "資金不足";
// The month end's warning of a shortfall.
std::string ShortfallWarningText(std::int64_t shortfall);
// The month end's step after the upkeep: the warning when the funds fall short (once, since
// a month ends once). March's month end has none: its settlement follows at once.
void WarnOfShortfall(Game &game);

// "  ○" when the keeping condition is met this season, "  ×" when it is not and breaking it
// costs a penalty, nothing for a sponsor without a penalty.
std::string SponsorKeepingMark(const GameState &s, int sponsor);
std::string SponsorSlotName(const GameState &s, int slot);         // slot 1 or 2
std::string SponsorSlotDescription(const GameState &s, int slot);  // slot 1 or 2
// Row m (0 this week, 1 next, 2 the one after): the fixture, a line break, the event.
std::string ScheduleText(const GameState &s, int m);

// --- Sponsor choice (SelectSponWin) ----------------------------------------------------

inline constexpr int kFirstSponsor = 1;
inline constexpr int kLastSponsor = kSponsorCount;

// Both "契約" buttons of the office, and every signing: April only.
bool CanSignSponsors(const GameState &s);

// The screen's state: the slot a signing fills and the sponsor shown (from 1 on opening).
struct SponsorChoice {
    int slot = 1;
    int shown = kFirstSponsor;
};

// "次へ" / "前へ": false (nothing changes) at the ends.
bool ShowNextSponsor(SponsorChoice &c);
bool ShowPreviousSponsor(SponsorChoice &c);

std::string SponsorChoiceCaption(const GameState &s, int sponsor);
std::string SponsorPositionText(int sponsor);  // "3/7"
std::string SponsorFeeText(int sponsor);       // "4000万円/年"
std::string SponsorPenaltyText(int sponsor);
bool SponsorSigned(const GameState &s, int sponsor);             // in either slot
std::string SponsorSignedMark(const GameState &s, int sponsor);  // "済" or ""

// "契約": in April, an unlocked sponsor that holds neither slot, into slot 1 or 2.
bool CanSignSponsor(const GameState &s, int slot, int sponsor);
std::string SignSponsorQuestion(int sponsor);
// Asks, then puts the sponsor in the slot in place of whoever was there. True when signed.
bool SignSponsor(Game &game, int slot, int sponsor);

}  // namespace tk
