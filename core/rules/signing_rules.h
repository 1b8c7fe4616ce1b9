// Signing the scouted candidates on the scouting result screen (SkautWIn).
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "core/state/game_state.h"

namespace tk {

struct Game;

inline constexpr int kMaxSquad = 20;

inline constexpr const char *kSignTitleChoose = "契約する選手を選択してください。";
inline constexpr const char *kSignTitleOverLimit =
    "選手が20人を超えています。誰か解雇してください。";

// Colours are 0xRRGGBB (take them with ColorFromRgb).
inline constexpr std::uint32_t kMarkedColour = 0x00FF00;    // "契約", green
inline constexpr std::uint32_t kUnmarkedColour = 0xFF0000;  // "未契約" after a toggle, red

// One row of the candidate list (colours as 0xRRGGBB).
struct CandidateRow {
    std::string mark;    // "未契約" / "契約"
    std::string name;    // family name, space, first name
    std::string salary;  // money text
    std::string age;     // "23歳"
    std::string style;   // "前衛" / "後衛"
    std::uint32_t styleColour = 0;
    std::array<std::string, 6> grades;  // skills 1..6
    std::array<std::uint32_t, 6> gradeColours{};
};

CandidateRow MakeCandidateRow(const GameState &s, int candidate);
std::string CandidateMarkText(bool marked);
std::uint32_t CandidateMarkColour(bool marked);

// Marks or unmarks a candidate for signing; false for a row that holds no candidate.
bool ToggleCandidateMark(GameState &s, int candidate);
int MarkedCandidateCount(const GameState &s);            // CntKeiyaku
std::int64_t MarkedCandidateSalary(const GameState &s);  // the contract money

// "上記の選手と契約": at least one mark and no more than 20 players after signing.
bool CanSignCandidates(const GameState &s);
// The screen's title for the current marks and squad size.
std::string SigningTitle(const GameState &s);
std::string SignCandidatesQuestion(const GameState &s);
// Asks, then appends the marked candidates to the squad in candidate order, pays each
// one's salary and clears all five candidates. True when signed (the screen closes).
bool SignCandidates(Game &game);

inline constexpr const char *kDeclineCandidatesQuestion = "誰とも契約しなくて\rいいですか？";
// "契約しない": asks, then clears all five candidates. True when declined (the screen closes).
bool DeclineCandidates(Game &game);

}  // namespace tk
