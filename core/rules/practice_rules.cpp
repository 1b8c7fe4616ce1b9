// Whole-team, individual and rainy-day practice, and the time-of-day steps of a practice week.
#include "core/rules/practice_rules.h"

#include "core/rules/catalogue.h"
#include "core/rules/game.h"
#include "core/rules/lookups.h"

namespace tk {

namespace {

constexpr int kRain = 2;
constexpr int kLastTimeOfDay = 7;
constexpr int kRestGain = 200;
constexpr int kRestedInRain = 230;

int CoachAbility(const GameState &s, int role) {
    const int n = CoachOfRole(s, role);
    return n == 0 ? 0 : s.Coaches[static_cast<std::size_t>(n)].Ability;
}

PlayerRecord &Player(GameState &s, int p) {
    return s.Players[static_cast<std::size_t>(p)];
}

bool Tired(const PlayerRecord &p) {
    return p.Condition < kTiredBelow;
}

void Rest(PlayerRecord &p) {
    p.Condition = static_cast<std::uint8_t>(p.Condition + kRestGain);
}

// The experience of one whole-team practice with base value `base`, by the menu.
void PracticeMenu(Game &game, int p, int base) {
    const int menu = game.state.TeamPracticeMenu;
    int high = 0, low = 0;
    switch (menu) {
        case 0: high = base + 4, low = base + 2; break;
        case 1:
        case 2:
        case 3:
        case 4:
        case 5: high = base + 3, low = base + 1; break;
        case 6: high = base + 5, low = base + 3; break;
        case 7: high = base + 7, low = base + 3; break;
        default: return;  // no such menu: nothing is practised
    }
    for (int k = 1; k <= 5; ++k) PlayerSkillUp(game.state, p, k, game.Random(high, low));
    // The specialised menus train their own skill a little more.
    if (menu >= 1 && menu <= 5) PlayerSkillUp(game.state, p, menu, game.Random(4, 1));
}

void IndividualDraws(Game &game, int p, int high, int low) {
    for (int k = 1; k <= 5; ++k) PlayerSkillUp(game.state, p, k, game.Random(high, low));
}

void TeamPractice(Game &game, int n, int base) {
    if (base == 0) return;
    for (int p = 0; p < n; ++p) {
        PlayerRecord &pl = Player(game.state, p);
        if (pl.PracticeSlot != 0) continue;
        if (Tired(pl))
            Rest(pl);
        else
            PracticeMenu(game, p, base);
    }
}

void IndividualPractice(Game &game, int n, int v) {
    if (v == 3) return;
    for (int p = 0; p < n; ++p) {
        PlayerRecord &pl = Player(game.state, p);
        if (pl.PracticeSlot == 0) continue;
        if (Tired(pl))
            Rest(pl);
        else
            IndividualDraws(game, p, v + 1, v - 1);
    }
}

void RainyDayPractice(Game &game, int n, const PracticeValues &v) {
    const bool noTeamCourt = game.state.TeamCourtsRain == 0;
    for (int p = 0; p < n; ++p) {
        PlayerRecord &pl = Player(game.state, p);
        if (Tired(pl))
            Rest(pl);
        else if (noTeamCourt)
            pl.Condition = kRestedInRain;  // nobody can practise: the whole squad rests
        else if (pl.PracticeSlot != 0)
            IndividualDraws(game, p, v.rainIndividual + 4, v.rainIndividual + 2);
        else
            PracticeMenu(game, p, v.rainTeam);
    }
}

}  // namespace

PracticeValues ComputePracticeValues(const GameState &s, const CourtCounts &c) {
    PracticeValues out;
    const int n = PlayerCount(s);
    if (n == 0) return out;
    const double level = s.TeamLevel;
    const double at = CoachAbility(s, kCoachTeam) / 100.0;
    const double ai = CoachAbility(s, kCoachIndividual) / 100.0;
    const int d = s.TeamCourtsDay, nt = s.TeamCourtsNight, r = s.TeamCourtsRain;
    const int c0 = c[kCourtsFineDay], c1 = c[kCourtsFineNight], c2 = c[kCourtsRain];

    const int day = d != 0 ? RoundAway(level + 5.0 * d / n + at) : 0;
    const int night = nt != 0 ? RoundAway((level + 5.0 * nt / n + at) / 2) : 0;
    out.team = RoundAway((day + night) / 3.0);

    const int g = d != c0 ? RoundAway(5.0 * (c0 - d) / 4 + ai + level) : 0;
    const int u = nt != c1 ? RoundAway((5.0 * (c1 - nt) / 4 + ai + level) / 2) : 0;
    out.individual = RoundDown((g + u) / 2.0) + 3;

    out.rainTeam = RoundAway((level + 5.0 * r / n + at) / 2);
    out.rainIndividual = RoundAway((5.0 * (c2 - r) / 4 + ai + level) / 2);
    return out;
}

void ApplyWeekPractice(Game &game) {
    GameState &s = game.state;
    const CourtCounts counts = CountUsableCourts(s);
    const int n = PlayerCount(s);
    // The squad never has fewer than five players; an empty one has nobody to train.
    if (n == 0) return;
    const PracticeValues v = ComputePracticeValues(s, counts);
    if (s.Weather == kRain) {
        RainyDayPractice(game, n, v);
    } else {
        TeamPractice(game, n, v.team);
        IndividualPractice(game, n, v.individual);
    }
    WearCourts(game);
    const bool trainingRoom = HasTrainingRoom(s);
    for (int p = 0; p < n; ++p) {
        if (trainingRoom) TrainingRoomBonus(s, p);
        PlayerRecord &pl = Player(s, p);
        if (!Tired(pl)) pl.Condition = static_cast<std::uint8_t>(pl.Condition - game.Random(25, 5));
    }
}

bool AdvanceTimeOfDay(Game &game) {
    GameState &s = game.state;
    if (game.settings.FastMode == kTrue) s.TimeOfDay = kLastTimeOfDay - 1;
    // A time of day past the last step (never stored by the game) ends the practice too.
    s.TimeOfDay =
        static_cast<std::uint8_t>(s.TimeOfDay >= kLastTimeOfDay ? kLastTimeOfDay : s.TimeOfDay + 1);
    if (s.TimeOfDay < kLastTimeOfDay) return false;
    ApplyWeekPractice(game);
    s.TimeOfDay = 0;
    return true;
}

int PlayPracticeWeek(Game &game) {
    int steps = 1;
    while (!AdvanceTimeOfDay(game)) ++steps;
    return steps;
}

}  // namespace tk
