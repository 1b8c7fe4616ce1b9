// The fixed tables of people's names and of the lots' facilities, and the growth rule that
// turns practice experience into levels.
#pragma once

#include <cstdint>
#include <string>

#include "core/state/game_state.h"

namespace tk {

// Name pools: family names 1..50, first names 1..66; anything else is the empty text.
std::string FamNames(int number);
std::string FirNames(int number);

// Display kind 0..10 of a lot: an outdoor court also tells whether it is dark or rained on.
int DisplayKind(int kind, int timeOfDay, int weather);
int DisplayKind(const GameState &s, int kind);

// Texts of a lot by stored kind, seen at the record's time of day and weather.
std::string CNames(const GameState &s, int kind);
std::string CCan(const GameState &s, int kind);
std::string Comments(const GameState &s, int kind);
// The same texts by display kind.
std::string NameOfDisplayKind(int displayKind);
std::string UsabilityOfDisplayKind(int displayKind);
std::string CommentOfDisplayKind(int displayKind);

// Upkeep per month (万円) and construction weeks of a stored kind.
int CIzi(int kind);
int CKenDay(int kind);

// Adds v experience to skill index 0..10 of a person aged `age` and turns it into levels.
// Net players' shot practice goes to the volley.
void SkillUp(PlayerRecord &p, int age, int skill, int v);
// The same for squad player 0..20 at the record's current age.
void PlayerSkillUp(GameState &s, int player, int skill, int v);
inline std::uint8_t PlayerSkillLevel(const GameState &s, int player, int skill) {
    return s.Players[static_cast<std::size_t>(player)].Level(skill);
}

}  // namespace tk
