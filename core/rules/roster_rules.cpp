// Dismissal and the packing of the squad.
#include "core/rules/roster_rules.h"

#include "core/rules/game.h"
#include "core/rules/lookups.h"

namespace tk {

bool SquadPacked(const GameState &s) {
    const int n = PlayerCount(s);
    for (int i = 0; i < kSquadSlots; ++i)
        if (s.Players[static_cast<std::size_t>(i)].Occupied() != (i < n)) return false;
    return true;
}

bool CanDismiss(const GameState &s) {
    return PlayerCount(s) > kMinimumSquad;
}

std::int64_t TotalPlayerSalary(const GameState &s) {
    std::int64_t sum = 0;
    const int n = PlayerCount(s);
    for (int i = 0; i < n; ++i) sum += s.Players[static_cast<std::size_t>(i)].Salary;
    return sum;
}

std::string RosterTitle(const GameState &s) {
    return "全選手合計年俸は" + MoneyText(TotalPlayerSalary(s)) + "です。";
}

bool DismissPlayer(GameState &s, int p) {
    const int count = PlayerCount(s);
    if (p < 0 || p >= count || !CanDismiss(s)) return false;
    if (!s.Players[static_cast<std::size_t>(p)].Occupied()) return false;
    const int last = count - 1;
    // Slot last + 1 is at most 20, the spare slot, so the copy stays inside the array.
    for (int i = p; i <= last; ++i)
        s.Players[static_cast<std::size_t>(i)] = s.Players[static_cast<std::size_t>(i + 1)];
    s.Players[static_cast<std::size_t>(last + 1)] = PlayerRecord{};
    return true;
}

bool AskAndDismissPlayer(Game &game, int p) {
    const GameState &s = game.state;
    if (p < 0 || p >= PlayerCount(s) || !CanDismiss(s)) return false;
    if (!game.ui.AskQuestion(PersonName(s, p) + "さんを\r解雇しますか？", "解雇の確認", 14))
        return false;
    return DismissPlayer(game.state, p);
}

}  // namespace tk
