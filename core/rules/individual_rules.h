// Choosing the players of the three individual-practice places (SelectPlayer).
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "core/state/game_state.h"

namespace tk {

struct Game;

inline constexpr int kPracticePlaces = 3;
inline constexpr int kVisibleRows = 8;

// A row of the squad lists: the roster and dismissal lists show every column, the
// individual-practice list all but the salary (colours as 0xRRGGBB).
struct SquadListRow {
    int player = -1;
    std::string name;                   // family name, space, first name
    std::string age;                    // bare number
    std::array<std::string, 5> grades;  // スタミナ, パワー, 技術, 敏捷, shot or volley
    std::array<std::uint32_t, 5> gradeColours{};
    std::string style;  // "前衛" / "後衛"
    std::uint32_t styleColour = 0;
    std::string salary;  // money text
};

SquadListRow MakeSquadListRow(const GameState &s, int player);

// The player holding individual-practice place 1..3; -1 when nobody does.
int PracticePlaceHolder(const GameState &s, int place);

// Highest scroll position of an 8-row list over the squad (0 when it all fits).
int PlayerListScrollMax(const GameState &s);
// The players listed from scroll position `scroll`: of squad slots scroll..scroll+7, those
// not already in an individual place, in slot order. Rows beyond the result are blank.
std::vector<int> SelectablePlayers(const GameState &s, int scroll);

// "上記の選手に決定": only a squad player outside every place, for places 1..3. A blank row
// (player -1) chooses nobody.
bool CanChoosePracticePlayer(const GameState &s, int place, int player);
std::string ChoosePracticePlayerQuestion(const GameState &s, int player);
// Asks, then gives `player` the place and sends its former holder back to team practice.
bool ChoosePracticePlayer(Game &game, int place, int player);

// "現在の選手をやめる": only when the place is held.
bool CanReleasePracticePlayer(const GameState &s, int place);
std::string ReleasePracticePlayerQuestion(const GameState &s, int place);
bool ReleasePracticePlayer(Game &game, int place);

}  // namespace tk
