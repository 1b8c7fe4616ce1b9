// Camp classes and prices, camp-week practice, and the nutrition drinks.
#include "core/rules/camp_rules.h"

#include <algorithm>
#include <array>

#include "core/rules/game.h"
#include "core/rules/lookups.h"
#include "core/rules/practice_rules.h"

namespace tk {

namespace {

constexpr std::array<const char *, kCampClassCount> kCampClasses = {"行かない", "普通", "高級"};
constexpr std::int32_t kCampPriceStep = 500;

constexpr std::array<NutritionDrink, kItemCount> kDrinks = {{
    {"栄養ドリンク（安）\r使用料 10万円", 10, 50},
    {"栄養ドリンク（普）\r使用量 50万円", 50, 100},
    {"栄養ドリンク（高）\r使用量 100万円", 100, 150},
}};

bool ValidCampClass(int c) {
    return c >= 0 && c < kCampClassCount;
}

}  // namespace

std::string CampClassCaption(int campClass) {
    return ValidCampClass(campClass) ? kCampClasses[static_cast<std::size_t>(campClass)] : "";
}

std::int32_t CampPrice(int campClass) {
    return ValidCampClass(campClass) ? campClass * kCampPriceStep : 0;
}

std::string CampPriceText(int campClass) {
    return "料金 " + MoneyText(CampPrice(campClass));
}

bool DecideCamp(Game &game, int campClass) {
    if (!ValidCampClass(campClass)) return false;
    if (!game.ui.AskQuestion("よろしいですか？", "", 14)) return false;
    game.state.CampSessions = static_cast<std::uint8_t>(campClass);
    SubtractMoney(game.state, CampPrice(campClass));
    return true;
}

void RunCampPractice(Game &game) {
    const int sessions = game.state.CampSessions;
    for (int i = 0; i < sessions; ++i) ApplyWeekPractice(game);
}

const NutritionDrink &Item(int item) {
    return kDrinks[(item >= 0 && item < kItemCount) ? static_cast<std::size_t>(item) : 0];
}

bool UseItem(Game &game, int item) {
    if (!game.ui.AskQuestion("使用しますか？", "", 12)) return false;
    const NutritionDrink &drink = Item(item);
    SubtractMoney(game.state, drink.cost);
    for (int i = 0; i < kSquadSlots; ++i) {
        PlayerRecord &p = game.state.Players[static_cast<std::size_t>(i)];
        if (!p.Occupied()) continue;
        p.Condition =
            static_cast<std::uint8_t>(std::min(p.Condition + drink.conditionGain, kConditionMax));
    }
    return true;
}

}  // namespace tk
