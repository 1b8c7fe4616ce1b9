// The starting squad, coaches, grounds, money and fixtures of a new game.
#pragma once

#include <string>

namespace tk {

struct Game;

// Fills a freshly reset record with the starting values; leaves the two names and the
// current slot alone. Draws in a fixed order: the six players, then the ten coaches.
void InitNewGame(Game &game);

// Resets the record, starts a new game and names it.
void StartNewGame(Game &game, const std::string &teamName, const std::string &managerName);

// The notice shown once a new game has begun.
std::string IntroductionText();

}  // namespace tk
