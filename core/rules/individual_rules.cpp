// Individual-practice places: who holds them, who may be chosen, and the two commands.
#include "core/rules/individual_rules.h"

#include "core/rules/game.h"
#include "core/rules/lookups.h"
#include "core/rules/rating_rules.h"

namespace tk {

namespace {

bool ValidPlace(int place) {
    return place >= 1 && place <= kPracticePlaces;
}

PlayerRecord &PlayerAt(GameState &s, int i) {
    return s.Players[static_cast<std::size_t>(i)];
}
const PlayerRecord &PlayerAt(const GameState &s, int i) {
    return s.Players[static_cast<std::size_t>(i)];
}

void ClearPlace(GameState &s, int place) {
    for (int i = 0; i < kSquadSlots; ++i)
        if (PlayerAt(s, i).PracticeSlot == place) PlayerAt(s, i).PracticeSlot = 0;
}

}  // namespace

SquadListRow MakeSquadListRow(const GameState &s, int player) {
    SquadListRow row;
    if (player < 0 || player >= kSquadSlots || !PlayerAt(s, player).Occupied()) return row;
    const PlayerRecord &p = PlayerAt(s, player);
    row.player = player;
    row.name = PersonName(p);
    row.age = std::to_string(AgeOf(s, player));
    const std::array<int, 5> levels = {p.Skill[0], p.Skill[1], p.Skill[2], p.Skill[3],
                                       ShotOrVolley(p)};
    for (std::size_t k = 0; k < levels.size(); ++k) {
        row.grades[k] = GradeLetter(levels[k]);
        row.gradeColours[k] = GradeColour(row.grades[k]);
    }
    row.style = StyleText(p.Style);
    row.styleColour = StyleColour(p.Style);
    row.salary = MoneyText(p.Salary);
    return row;
}

int PracticePlaceHolder(const GameState &s, int place) {
    if (!ValidPlace(place)) return -1;
    int holder = -1;
    for (int i = 0; i < kSquadSlots; ++i)
        if (PlayerAt(s, i).Occupied() && PlayerAt(s, i).PracticeSlot == place) holder = i;
    return holder;
}

int PlayerListScrollMax(const GameState &s) {
    const int count = PlayerCount(s);
    return count > kVisibleRows ? count - kVisibleRows : 0;
}

std::vector<int> SelectablePlayers(const GameState &s, int scroll) {
    std::vector<int> rows;
    if (scroll < 0) scroll = 0;
    for (int i = scroll; i < scroll + kVisibleRows && i < kSquadSlots; ++i)
        if (PlayerAt(s, i).Occupied() && PlayerAt(s, i).PracticeSlot == 0) rows.push_back(i);
    return rows;
}

bool CanChoosePracticePlayer(const GameState &s, int place, int player) {
    return ValidPlace(place) && player >= 0 && player < kSquadSlots &&
           PlayerAt(s, player).Occupied() && PlayerAt(s, player).PracticeSlot == 0;
}

std::string ChoosePracticePlayerQuestion(const GameState &s, int player) {
    return PersonName(s, player) + "さん\rでよろしいですか？";
}

bool ChoosePracticePlayer(Game &game, int place, int player) {
    if (!CanChoosePracticePlayer(game.state, place, player)) return false;
    if (!game.ui.AskQuestion(ChoosePracticePlayerQuestion(game.state, player), "", 12))
        return false;
    ClearPlace(game.state, place);
    PlayerAt(game.state, player).PracticeSlot = static_cast<std::uint8_t>(place);
    return true;
}

bool CanReleasePracticePlayer(const GameState &s, int place) {
    return PracticePlaceHolder(s, place) >= 0;
}

std::string ReleasePracticePlayerQuestion(const GameState &s, int place) {
    return PersonName(s, PracticePlaceHolder(s, place)) + "さんをはずします。\rよろしいですか？";
}

bool ReleasePracticePlayer(Game &game, int place) {
    if (!CanReleasePracticePlayer(game.state, place)) return false;
    if (!game.ui.AskQuestion(ReleasePracticePlayerQuestion(game.state, place), "", 12))
        return false;
    ClearPlace(game.state, place);
    return true;
}

}  // namespace tk
