// The coach catalogue's contracts: at most one coach per kind, chosen only from the free ones.
#include "core/rules/coach_rules.h"

#include "core/rules/catalogue.h"
#include "core/rules/game.h"
#include "core/rules/lookups.h"

namespace tk {

namespace {

bool IsCoachKind(int kind) {
    return kind == kCoachTeam || kind == kCoachIndividual;
}

const CoachRecord &CoachAt(const GameState &s, int coach) {
    return s.Coaches[static_cast<std::size_t>(coach)];
}

}  // namespace

int CoachHolder(const GameState &s, int kind) {
    return IsCoachKind(kind) ? CoachOfRole(s, kind) : 0;
}

std::vector<CoachRow> CoachListRows(const GameState &s) {
    std::vector<CoachRow> rows;
    for (int j = 1; j < kCoachSlots; ++j) {
        const CoachRecord &c = CoachAt(s, j);
        if (c.Hired != kCoachFree) continue;
        CoachRow row;
        row.coach = j;
        row.name = FamNames(c.FamilyName) + FirNames(c.FirstName);
        row.rank = GradeLetter(c.Ability);
        row.rankColour = GradeColour(row.rank);
        row.salary = MoneyText(c.Salary);
        rows.push_back(row);
    }
    return rows;
}

bool CanHireCoach(const GameState &s, int kind, int coach) {
    return IsCoachKind(kind) && coach >= 1 && coach < kCoachSlots &&
           CoachAt(s, coach).Hired == kCoachFree;
}

std::string HireCoachQuestion(const GameState &s, int coach) {
    return CoachName(CoachAt(s, coach)) + "さんと契約します。\rよろしいですか？";
}

bool HireCoach(Game &game, int kind, int coach) {
    if (!CanHireCoach(game.state, kind, coach)) return false;
    if (!game.ui.AskQuestion(HireCoachQuestion(game.state, coach), "", 12)) return false;
    // Every holder of the kind is let go, so a kind never has two coaches even in a record
    // that came in with two.
    for (int j = 1; j < kCoachSlots; ++j) {
        CoachRecord &c = game.state.Coaches[static_cast<std::size_t>(j)];
        if (c.Hired == kind) c.Hired = kCoachFree;
    }
    game.state.Coaches[static_cast<std::size_t>(coach)].Hired = static_cast<std::uint8_t>(kind);
    return true;
}

bool CanReleaseCoach(const GameState &s, int kind) {
    return CoachHolder(s, kind) != 0;
}

std::string ReleaseCoachQuestion(const GameState &s, int kind) {
    return "現在のコーチ" + CoachName(CoachAt(s, CoachHolder(s, kind))) +
           "さんを\r解約します。よろしいですか？";
}

bool ReleaseCoach(Game &game, int kind) {
    if (!CanReleaseCoach(game.state, kind)) return false;
    if (!game.ui.AskQuestion(ReleaseCoachQuestion(game.state, kind), "", 12)) return false;
    for (int j = 1; j < kCoachSlots; ++j) {
        CoachRecord &c = game.state.Coaches[static_cast<std::size_t>(j)];
        if (c.Hired == kind) c.Hired = kCoachFree;
    }
    return true;
}

}  // namespace tk
