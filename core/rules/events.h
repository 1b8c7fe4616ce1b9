// The club's yearly events and the booking of matches into the week calendar.
#pragma once

#include <string>

#include "core/state/game_state.h"

namespace tk {

struct Game;

// Writes match code `code` into week w (1..48) of this year, or of next year when that
// week has come; every year up to the end of the calendar when everyYear is set.
void EnterGame(GameState &s, int weekOfYear, bool everyYear, int code);

// The name of week n's event ("なし" when there is none); the camp and scouting conditions
// are read from the current record.
std::string GyoziName(const GameState &s, int n);

// Carries out the event of the current week (camp choice, camp practice, scouting result).
void GyoziAct(Game &game);

// The weekly completion of the buildings due in the current week.
void IventAct(Game &game);

}  // namespace tk
