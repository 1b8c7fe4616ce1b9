// Training camps (the class, its price and the extra practice of the camp weeks) and the
// nutrition drinks of the items screen.
#pragma once

#include <cstdint>
#include <string>

#include "core/state/game_state.h"

namespace tk {

struct Game;

// --- Training camp (合宿) ---------------------------------------------------------------

inline constexpr const char *kCampWindowCaption = "合宿地を決めてください";
// Classes: 0 "行かない", 1 "普通", 2 "高級". The class is also the number of extra
// practices in each camp week.
inline constexpr int kCampClassCount = 3;
inline constexpr int kDefaultCampClass = 1;  // "普通" is selected when the screen opens

std::string CampClassCaption(int campClass);
// Price in 万円: the class times 500 (0 for a class outside 0..2).
std::int32_t CampPrice(int campClass);
// The price label: "料金 " + money text, e.g. "料金 500万円".
std::string CampPriceText(int campClass);

// "決定": asks "よろしいですか？"; on yes books the class and pays for it and returns true
// (the screen closes). On no, or for a class outside 0..2, nothing changes.
bool DecideCamp(Game &game, int campClass);

// A camp week: the week's practice once more for every booked session.
void RunCampPractice(Game &game);

// --- Items (アイテム) -------------------------------------------------------------------

inline constexpr const char *kItemsWindowCaption = "使うアイテムを選んでください。";
inline constexpr int kItemCount = 3;
inline constexpr int kConditionMax = 250;

struct NutritionDrink {
    const char *label;  // the screen's label; '\r' is its line break
    std::int32_t cost;  // 万円
    int conditionGain;  // added to every player's condition, up to 250
};

// Drinks 0 (安), 1 (普), 2 (高); any other number gives drink 0.
const NutritionDrink &Item(int item);

// "使う": asks "使用しますか？"; on yes pays for the drink and raises the condition of every
// player of the squad. Returns true when it was used. Funds are not checked.
bool UseItem(Game &game, int item);

}  // namespace tk
