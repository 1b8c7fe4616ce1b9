// How a player's and a coach's worth is shown: grade texts, the hexagon's levels, the panels.
#include "core/rules/rating_rules.h"

#include "core/rules/lookups.h"

namespace tk {

namespace {

const PlayerRecord &PlayerAt(const GameState &s, int player) {
    return s.Players[static_cast<std::size_t>(player)];
}

std::string Mark(bool on) {
    return on ? "○" : "×";
}

}  // namespace

std::array<int, 6> HexagonLevels(const PlayerRecord &p) {
    std::array<int, 6> levels{};
    for (std::size_t k = 0; k < levels.size(); ++k) levels[k] = p.Skill[k];
    return levels;
}

int ShotOrVolley(const PlayerRecord &p) {
    return p.Style == 1 ? p.Skill[5] : p.Skill[4];
}

std::string ShotOrVolleyCaption(const PlayerRecord &p) {
    return p.Style == 1 ? "　 ボレー" : "　ショット";
}

std::uint32_t StyleColour(int style) {
    return style == 1 ? kNetStyleColour : kBaselineStyleColour;
}

int ConditionBarTwips(int condition) {
    return condition * 6;
}

std::optional<int> PlayerToShow(const GameState &s, int index) {
    if (index < 0) return std::nullopt;
    // Outside the squad the panel falls back to the first player, even when the squad is
    // empty (asking again for player 0 would never end).
    if (index >= PlayerCount(s)) return 0;
    return index;
}

std::array<SquadNameRow, kSquadSlots> SquadNameRows(const GameState &s) {
    std::array<SquadNameRow, kSquadSlots> rows;
    for (int i = 0; i < kSquadSlots; ++i) {
        const PlayerRecord &p = PlayerAt(s, i);
        auto &row = rows[static_cast<std::size_t>(i)];
        row.name = p.Occupied() ? PersonName(p) : std::string();
        row.background = p.Order != 0 ? kRegularNameColour : kSquadNameColour;
    }
    return rows;
}

PlayerSummary MakePlayerSummary(const GameState &s, int player) {
    const PlayerRecord &p = PlayerAt(s, player);
    PlayerSummary v;
    v.levels = HexagonLevels(p);
    v.conditionTwips = ConditionBarTwips(p.Condition);
    v.style = StyleText(p.Style);
    v.styleColour = StyleColour(p.Style);
    v.salary = "年俸 " + MoneyText(p.Salary);
    v.age = std::to_string(AgeOf(s, player)) + "歳";
    return v;
}

int CoachInSlot(const GameState &s, int slot) {
    if (slot < 0 || slot >= kCoachSlotCount) return 0;
    return CoachOfRole(s, slot + 1);
}

std::array<std::string, kCoachSlotCount> CoachSlotNames(const GameState &s) {
    std::array<std::string, kCoachSlotCount> names;
    for (int slot = 0; slot < kCoachSlotCount; ++slot) {
        const int c = CoachInSlot(s, slot);
        names[static_cast<std::size_t>(slot)] =
            c != 0 ? CoachName(s.Coaches[static_cast<std::size_t>(c)]) : kNoCoach;
    }
    return names;
}

CoachSummary MakeCoachSummary(const GameState &s, int slot) {
    const int c = CoachInSlot(s, slot);
    CoachSummary v;
    if (c == 0) {
        v.salary = kNoCoachDetail;
        return v;
    }
    const CoachRecord &coach = s.Coaches[static_cast<std::size_t>(c)];
    v.salary = "年俸 " + MoneyText(coach.Salary);
    v.grade = GradeLetter(coach.Ability);
    v.gradeColour = GradeColour(v.grade);
    return v;
}

PlayerDetail MakePlayerDetail(const GameState &s, int player) {
    const PlayerRecord &p = PlayerAt(s, player);
    PlayerDetail v;
    v.levels = HexagonLevels(p);
    v.title = "No." + std::to_string(player + 1) + "　" + PersonName(p);
    v.age = "年齢 " + std::to_string(AgeOf(s, player)) + "歳";
    const std::array<int, 5> rated = {p.Skill[0], p.Skill[1], p.Skill[2], p.Skill[3],
                                      ShotOrVolley(p)};
    for (std::size_t k = 0; k < rated.size(); ++k) {
        v.grades[k] = GradeLetter(rated[k]);
        v.gradeColours[k] = GradeColour(v.grades[k]);
    }
    v.fifthCaption = ShotOrVolleyCaption(p);
    v.style = StyleText(p.Style);
    v.styleColour = StyleColour(p.Style);
    v.regular = "レギュラー　" + Mark(p.Order != 0);
    v.practice = "個人練習　" + Mark(p.PracticeSlot != 0);
    return v;
}

int ClampToSquad(const GameState &s, int player) {
    return player >= 0 && player < PlayerCount(s) ? player : 0;
}

bool CanBrowsePrevious(int player) {
    return player > 0;
}

bool CanBrowseNext(const GameState &s, int player) {
    return player < PlayerCount(s) - 1;
}

}  // namespace tk
