// The random manager of the soak test: each week a few commands picked at random, each one
// only through the check that enables it on its screen, and questions answered at random.
#include <array>
#include <functional>
#include <random>

#include "core/rules/booking_rules.h"
#include "core/rules/camp_rules.h"
#include "core/rules/coach_rules.h"
#include "core/rules/game.h"
#include "core/rules/individual_rules.h"
#include "core/rules/land_rules.h"
#include "core/rules/lineup_rules.h"
#include "core/rules/lookups.h"
#include "core/rules/office_rules.h"
#include "core/rules/plan_rules.h"
#include "core/rules/roster_rules.h"
#include "core/rules/scout_rules.h"
#include "core/rules/signing_rules.h"
#include "tools/sim/policy.h"
#include "tools/sim/sim_ui.h"

namespace tk::sim {
namespace {

class RandomPolicy : public Policy {
public:
    explicit RandomPolicy(std::uint64_t seed) : rng_(seed ^ 0x5eed5eed5eedULL) {}

    std::string Name() const override { return "random"; }
    bool Answer(const std::string &) override { return Chance(70); }

    void BeforeWeek(Game &game, SimUi &ui) override {
        using Action = void (RandomPolicy::*)(Game &, SimUi &);
        static constexpr std::array<Action, 13> kActions = {
            &RandomPolicy::BookPractice, &RandomPolicy::ApplyTournament, &RandomPolicy::Coach,
            &RandomPolicy::Scout,        &RandomPolicy::Dismiss,         &RandomPolicy::Menu,
            &RandomPolicy::Individual,   &RandomPolicy::CourtSplit,      &RandomPolicy::Grounds,
            &RandomPolicy::Maintenance,  &RandomPolicy::Sponsor,         &RandomPolicy::Drink,
            &RandomPolicy::Lineup,
        };
        const int count = Pick(4);
        for (int i = 0; i < count; ++i) (this->*kActions[Pick(kActions.size())])(game, ui);
    }

    void ChooseCamp(Game &game, SimUi &ui) override {
        // A few changes of mind, then the choice is confirmed.
        for (int tries = Pick(3); tries > 0; --tries)
            if (DecideCamp(game, Pick(kCampClassCount))) return;
        ui.Confirming([&] { return DecideCamp(game, Pick(kCampClassCount)); });
    }

    void ScoutResult(Game &game, SimUi &ui) override {
        GameState &s = game.state;
        for (int i = Pick(8); i > 0; --i) ToggleCandidateMark(s, Pick(kCandidateSlots + 1));
        if (Chance(30)) Dismiss(game, ui);  // "チームの選手を解雇" on the same screen
        if (CanSignCandidates(s) && Chance(60) && SignCandidates(game)) return;
        if (Chance(50) && DeclineCandidates(game)) return;
        if (CanSignCandidates(s) && Chance(50)) {
            ui.Confirming([&] { return SignCandidates(game); });
        } else {
            ui.Confirming([&] { return DeclineCandidates(game); });
        }
    }

    void DismissAtRenewal(Game &game, SimUi &ui) override {
        for (int i = Pick(4); i > 0; --i) Dismiss(game, ui);
    }

private:
    int Pick(std::size_t n) {
        return static_cast<int>(std::uniform_int_distribution<std::size_t>(0, n - 1)(rng_));
    }
    bool Chance(int percent) { return Pick(100) < percent; }

    void BookPractice(Game &game, SimUi &) {
        const int level = 1 + Pick(kPracticeLevels);
        if (CanBookPracticeMatch(game.state) && CanChoosePracticeLevel(game.state, level))
            AskAndBookPracticeMatch(game, level);
    }

    void ApplyTournament(Game &game, SimUi &) {
        const int index = 2 + Pick(3);
        if (CanApplyForTournament(game.state, index)) AskAndApplyForTournament(game, index);
    }

    void Coach(Game &game, SimUi &) {
        const GameState &s = game.state;
        if (!CanChooseCoaches(s)) return;
        const int kind = Chance(50) ? kCoachTeam : kCoachIndividual;
        if (CanReleaseCoach(s, kind) && Chance(30)) {
            ReleaseCoach(game, kind);
            return;
        }
        const int coach = 1 + Pick(kCoachSlots - 1);
        if (CanHireCoach(s, kind, coach)) HireCoach(game, kind, coach);
    }

    void Scout(Game &game, SimUi &) {
        if (!ScoutRequestAllowed(game)) return;
        ScoutRequest r;
        r.ageBand = Pick(kScoutAgeBands);
        r.rank = Pick(kScoutRanks);
        if (CanPlaceScoutRequest(game.state, r)) PlaceScoutRequest(game, r);
    }

    void Dismiss(Game &game, SimUi &) {
        if (CanDismiss(game.state)) AskAndDismissPlayer(game, Pick(PlayerCount(game.state)));
    }

    void Menu(Game &game, SimUi &) {
        const int menu = Pick(kPracticeMenus);
        if (CanChoosePracticeMenu(game.state, menu)) StorePracticeMenu(game.state, menu);
    }

    void Individual(Game &game, SimUi &) {
        const GameState &s = game.state;
        if (!CanChoosePracticePlayers(s)) return;
        const int place = 1 + Pick(kPracticePlaces);
        if (CanReleasePracticePlayer(s, place) && Chance(30)) {
            ReleasePracticePlayer(game, place);
            return;
        }
        const std::vector<int> rows = SelectablePlayers(s, Pick(PlayerListScrollMax(s) + 1));
        if (rows.empty()) return;
        const int player = rows[static_cast<std::size_t>(Pick(rows.size()))];
        if (CanChoosePracticePlayer(s, place, player)) ChoosePracticePlayer(game, place, player);
    }

    void CourtSplit(Game &game, SimUi &) {
        GameState &s = game.state;
        CourtSplits(s);
        const CourtSituation k = kCourtSituations[static_cast<std::size_t>(Pick(3))];
        if (Chance(50)) {
            if (CanAddTeamCourt(s, k)) AddTeamCourt(s, k);
        } else if (CanAddIndividualCourt(s, k)) {
            AddIndividualCourt(s, k);
        }
    }

    // The lot screen: buy land and build, or rebuild a court or the training room.
    void Grounds(Game &game, SimUi &) {
        const int lot = Pick(kLots);
        std::optional<ConstructionChoice> c;
        if (CanBuyLand(game.state, lot)) {
            c = BuyLand(game, lot);
        } else {
            c = OpenConstruction(game.state, lot);
        }
        if (!c) return;
        static constexpr std::array<int, 3> kOptions = {kOutdoorCourt, kIndoorCourt, kTrainingRoom};
        ChooseBuilding(*c, kOptions[static_cast<std::size_t>(Pick(kOptions.size()))]);
        if (CanSetLighting(*c)) SetLighting(*c, Chance(50));
        if (Build(game, *c) == BuildResult::Declined) CancelPurchase(game, *c);  // 閉じる
    }

    void Maintenance(Game &game, SimUi &) {
        MaintainMarks marks;
        for (int i = Pick(4); i > 0; --i) ToggleMaintainMark(marks, Pick(kLots));
        const int count = MarkedLotCount(marks);
        const int level = 1 + Pick(3);
        if (CanMaintain(count, level)) Maintain(game, marks, count, level);
    }

    void Sponsor(Game &game, SimUi &) {
        const int slot = 1 + Pick(2);
        const int sponsor = kFirstSponsor + Pick(kLastSponsor - kFirstSponsor + 1);
        if (CanSignSponsor(game.state, slot, sponsor)) SignSponsor(game, slot, sponsor);
    }

    void Drink(Game &game, SimUi &) {
        if (Chance(30)) UseItem(game, Pick(kItemCount));
    }

    void Lineup(Game &game, SimUi &) {
        GameState &s = game.state;
        if (Chance(50)) {
            const BenchMap bench = FillBench(s, Pick(BenchColumns(s)));
            const int cell = bench[static_cast<std::size_t>(Pick(kBenchCells))];
            if (cell != kEmptyCell) SwapIntoPlace(s, cell, 1 + Pick(kPlaces));
        } else {
            MovePlace(s, 1 + Pick(kPlaces), Chance(50) ? -1 : 1);
        }
    }

    std::mt19937_64 rng_;
};

}  // namespace

std::unique_ptr<Policy> MakeRandomPolicy(std::uint64_t seed) {
    return std::make_unique<RandomPolicy>(seed);
}

}  // namespace tk::sim
