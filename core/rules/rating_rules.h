// How a player's and a coach's worth is shown: grade texts, the hexagon's levels, the panels.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "core/state/game_state.h"

namespace tk {

// Colours of the player and coach views, as 0xRRGGBB.
inline constexpr std::uint32_t kRegularNameColour = 0x8080FF;    // light purple: a regular
inline constexpr std::uint32_t kSquadNameColour = 0xFF8080;      // light red: the others
inline constexpr std::uint32_t kNetStyleColour = 0x0000FF;       // "前衛", blue
inline constexpr std::uint32_t kBaselineStyleColour = 0xFF8000;  // "後衛", orange
inline constexpr std::uint32_t kCoachSlotColour = 0x80FFFF;      // light cyan
inline constexpr std::uint32_t kCoachSlotSelected = 0xFF8000;    // orange
inline constexpr std::uint32_t kHexagonColour = 0xFFFF80;        // light yellow outline

inline constexpr const char *kRegularNote = "紫がレギュラーです。";
inline constexpr const char *kNoCoach = "なし";
inline constexpr const char *kNoCoachDetail = "コーチはいません";
inline constexpr const char *kConditionCaption = "体力";
inline constexpr const char *kPlayerState = "状態　普通";
inline constexpr int kCoachSlotCount = 2;  // 0: whole-team coach, 1: individual coach

// The six levels of the hexagon, skills 1..6 in the order the chart takes them.
std::array<int, 6> HexagonLevels(const PlayerRecord &p);
// A 前衛 is rated by his volley, a 後衛 by his shot.
int ShotOrVolley(const PlayerRecord &p);
// Caption of the fifth grade row: "　ショット" for a 後衛, "　 ボレー" for a 前衛.
std::string ShotOrVolleyCaption(const PlayerRecord &p);
std::uint32_t StyleColour(int style);
// The condition bar is six layout units (twips) per level: 1500 at full condition.
int ConditionBarTwips(int condition);

// The player a click on name slot `index` shows: nothing for a negative index, player 0 for
// an index outside the squad.
std::optional<int> PlayerToShow(const GameState &s, int index);

// --- Main screen: the squad's names and the selected player ----------------------------

struct SquadNameRow {
    std::string name;  // empty for an empty slot
    std::uint32_t background = kSquadNameColour;
};
std::array<SquadNameRow, kSquadSlots> SquadNameRows(const GameState &s);

struct PlayerSummary {
    std::array<int, 6> levels{};
    int conditionTwips = 0;
    std::string style;  // "前衛" / "後衛"
    std::uint32_t styleColour = kBaselineStyleColour;
    std::string salary;  // "年俸 " + money text
    std::string age;     // "23歳"
};
PlayerSummary MakePlayerSummary(const GameState &s, int player);

// --- Main screen: the two coach slots ---------------------------------------------------

// The name in each slot, "なし" when nobody holds it.
std::array<std::string, kCoachSlotCount> CoachSlotNames(const GameState &s);
// The coach holding slot 0 or 1; 0 when the slot is empty or not a slot.
int CoachInSlot(const GameState &s, int slot);

struct CoachSummary {
    std::string salary;  // "年俸 " + money text, or "コーチはいません"
    std::string grade;   // grade letter of the ability, empty without a coach
    std::uint32_t gradeColour = 0;
};
CoachSummary MakeCoachSummary(const GameState &s, int slot);

// --- The player detail screen -----------------------------------------------------------

struct PlayerDetail {
    std::array<int, 6> levels{};
    std::string title;                  // "No.1　" + name
    std::string age;                    // "年齢 23歳"
    std::array<std::string, 5> grades;  // stamina, power, technique, agility, shot or volley
    std::array<std::uint32_t, 5> gradeColours{};
    std::string fifthCaption;
    std::string style;
    std::uint32_t styleColour = kBaselineStyleColour;
    std::string regular;   // "レギュラー　○" / "レギュラー　×"
    std::string practice;  // "個人練習　○" / "個人練習　×"
};
PlayerDetail MakePlayerDetail(const GameState &s, int player);

// The player the detail screen may show: an index outside the squad shows player 0.
int ClampToSquad(const GameState &s, int player);
bool CanBrowsePrevious(int player);
bool CanBrowseNext(const GameState &s, int player);

}  // namespace tk
