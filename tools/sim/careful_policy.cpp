// The careful manager: plays the strongest five, keeps the wage bill within the season's
// means, enters what the team can win and invests in courts, coaches and camps only when the
// coming March check can bear it.
#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

#include "core/rules/booking_rules.h"
#include "core/rules/camp_rules.h"
#include "core/rules/catalogue.h"
#include "core/rules/coach_rules.h"
#include "core/rules/court_rules.h"
#include "core/rules/game.h"
#include "core/rules/grounds_rules.h"
#include "core/rules/land_rules.h"
#include "core/rules/lookups.h"
#include "core/rules/office_rules.h"
#include "core/rules/plan_rules.h"
#include "core/rules/practice_rules.h"
#include "core/rules/roster_rules.h"
#include "core/rules/scout_rules.h"
#include "core/rules/signing_rules.h"
#include "core/rules/sponsors.h"
#include "core/rules/tournament_rules.h"
#include "tools/sim/careful_outlook.h"
#include "tools/sim/careful_squad.h"
#include "tools/sim/policy.h"
#include "tools/sim/sim_ui.h"

namespace tk::sim {
namespace {

using namespace careful;

// Courts are restored before they wear down to the point where they cannot be used.
constexpr int kMaintainBelow = 600;
// The level-1 budget of 2000万円 hardly pays five salaries and the upkeep: a coach or drinks
// there shorten the club's life more than their practice lengthens it. From level 2 on.
constexpr int kFirstPaidLevel = 2;
// A coach may take this share of the season's income.
constexpr double kCoachShare = 0.25;
// A sponsor with a penalty is signed only when its condition is this sure to be kept.
constexpr double kSureKeep = 0.9;

const PlayerRecord &Player(const GameState &s, int p) {
    return s.Players[static_cast<std::size_t>(p)];
}

// What a season of a sponsor is expected to bring; negative when not worth the risk.
double SponsorWorth(const GameState &s, int n) {
    if (SPenalty(n) == 0) return SSalaly(n);
    const double keep = KeepChance(s, n);
    if (keep < kSureKeep || FundsAtCheck(s) < SPenalty(n)) return -1;
    return keep * SSalaly(n) - (1 - keep) * SPenalty(n);
}

bool BookedAhead(const GameState &s, int code) {
    for (int w = s.WeekCount + 1; w <= std::min(s.WeekCount + 48, kLastWeek); ++w)
        if (s.MatchKind(w) == code) return true;
    return false;
}

class CarefulPolicy : public Policy {
public:
    std::string Name() const override { return "careful"; }
    // Every question is one of its own commands, or the offer to enter a tournament every
    // year, which costs nothing.
    bool Answer(const std::string &) override { return true; }

    void BeforeWeek(Game &game, SimUi &) override {
        GameState &s = game.state;
        FieldStrongestFive(s);
        ChooseMenu(s);
        if (CanChooseCoaches(s) && s.TeamLevel >= kFirstPaidLevel) ChooseCoach(game);
        if (CanSignSponsors(s)) ChooseSponsors(game);
        MaintainCourts(game);
        EnterTournaments(game);
        Build(game);
        if (const auto r = PlanScoutRequest(s); r && ScoutRequestAllowed(game))
            PlaceScoutRequest(game, *r);
        BookPracticeMatch(game);
        UseDrink(game);
    }

    void ChooseCamp(Game &game, SimUi &ui) override {
        const std::int64_t spare = Spare(game.state);
        int campClass = 0;
        if (spare >= 3 * CampPrice(2)) {
            campClass = 2;
        } else if (spare >= 3 * CampPrice(1)) {
            campClass = 1;
        }
        ui.Confirming([&] { return DecideCamp(game, campClass); });
    }

    void ScoutResult(Game &game, SimUi &ui) override {
        GameState &s = game.state;
        for (const int c : CandidatesToSign(s)) ToggleCandidateMark(s, c);
        if (CanSignCandidates(s)) {
            ui.Confirming([&] { return SignCandidates(game); });
        } else {
            ui.Confirming([&] { return DeclineCandidates(game); });
        }
    }

    void DismissAtRenewal(Game &game, SimUi &) override {
        // From the last slot down, so that every dismissal leaves the others where they are.
        for (const int p : PlayersToRelease(game.state))
            if (CanDismiss(game.state)) AskAndDismissPlayer(game, p);
    }

private:
    static void ChooseMenu(GameState &s) {
        for (const int menu : {7, 6, 0}) {
            if (CanChoosePracticeMenu(s, menu)) {
                if (s.TeamPracticeMenu != menu) StorePracticeMenu(s, menu);
                return;
            }
        }
    }

    // In April: the whole-team coach whose practice is best for what the season can pay,
    // the cheapest of those that practise equally well.
    static void ChooseCoach(Game &game) {
        GameState &s = game.state;
        const int holder = CoachHolder(s, kCoachTeam);
        const std::int64_t current =
            holder == 0 ? 0 : s.Coaches[static_cast<std::size_t>(holder)].Salary;
        const double income = TeamBudget(s) + std::max<std::int64_t>(0, SponsorIncome(s));
        int best = 0;
        double bestYield = 0;
        std::int64_t bestSalary = 0;
        for (int c = 0; c < kCoachSlots; ++c) {
            if (c != 0 && c != holder && !CanHireCoach(s, kCoachTeam, c)) continue;
            const std::int64_t salary = c == 0 ? 0 : s.Coaches[static_cast<std::size_t>(c)].Salary;
            if (salary > kCoachShare * income ||
                (salary > current && SpareWith(s, salary - current) < 0))
                continue;
            GameState trial = s;
            for (auto &coach : trial.Coaches)
                if (coach.Hired == kCoachTeam) coach.Hired = kCoachFree;
            if (c != 0) trial.Coaches[static_cast<std::size_t>(c)].Hired = kCoachTeam;
            CountUsableCourts(trial);
            const double y = PracticeYield(trial);
            if (y > bestYield + 1e-9 || (y > bestYield - 1e-9 && salary < bestSalary)) {
                best = c;
                bestYield = y;
                bestSalary = salary;
            }
        }
        if (best == holder) return;
        if (best == 0) {
            ReleaseCoach(game, kCoachTeam);
        } else {
            HireCoach(game, kCoachTeam, best);
        }
    }

    // In April: the two sponsors worth most of those the team may sign, the signed ones
    // kept where they are.
    static void ChooseSponsors(Game &game) {
        GameState &s = game.state;
        std::vector<int> open;
        for (int n = kFirstSponsor; n <= kLastSponsor; ++n)
            if (SSelectAble(s, n) && SponsorWorth(s, n) > 0) open.push_back(n);
        std::stable_sort(open.begin(), open.end(),
                         [&](int a, int b) { return SponsorWorth(s, a) > SponsorWorth(s, b); });
        if (open.size() > 2) open.resize(2);
        auto wanted = [&](int n) { return std::find(open.begin(), open.end(), n) != open.end(); };
        for (const int n : open) {
            if (SponsorSigned(s, n)) continue;
            // Into the slot of a sponsor that is not among the two best.
            for (int slot = 1; slot <= 2; ++slot) {
                if (wanted(s.SponsorState.Contract[static_cast<std::size_t>(slot)])) continue;
                SignSponsor(game, slot, n);
                break;
            }
        }
    }

    static void MaintainCourts(Game &game) {
        GameState &s = game.state;
        MaintainMarks marks;
        for (int lot = 0; lot < kLots; ++lot)
            if (IsCourt(s.Facilities[static_cast<std::size_t>(lot)].Kind) &&
                s.Facilities[static_cast<std::size_t>(lot)].Durability < kMaintainBelow)
                MarkForMaintenance(s, marks, lot);
        const int count = MarkedLotCount(marks);
        constexpr int kLevel = 3;  // しっかり
        if (count > 0 && CanMaintain(count, kLevel)) Maintain(game, marks, count, kLevel);
    }

    // The higher tournaments cost nothing to enter: every one the team is open to.
    static void EnterTournaments(Game &game) {
        for (int index = 2; index <= 4; ++index)
            if (CanApplyForTournament(game.state, index) && !BookedAhead(game.state, index * 10))
                AskAndApplyForTournament(game, index);
    }

    // The grounds, one building at a time: the first court roofed over, a training room,
    // then indoor courts on every lot.
    static void Build(Game &game) {
        GameState &s = game.state;
        int land = -1, outdoor = -1;
        for (int lot = 0; lot < kLots; ++lot) {
            const int kind = s.Facilities[static_cast<std::size_t>(lot)].Kind;
            if (kind == kUnderConstruction) return;
            if (kind == kLandForSale && land < 0) land = lot;
            if ((kind == kOutdoorCourt || kind == kLitCourt) && outdoor < 0) outdoor = lot;
        }
        if (outdoor >= 0) {
            const int extra = 12 * (CIzi(kIndoorCourt) -
                                    CIzi(s.Facilities[static_cast<std::size_t>(outdoor)].Kind));
            if (SpareWith(s, extra) < ConstructionCost(kIndoorCourt)) return;
            std::optional<ConstructionChoice> c = OpenConstruction(s, outdoor);
            if (c && ChooseBuilding(*c, kIndoorCourt)) tk::Build(game, *c);
            return;
        }
        if (land < 0) return;
        const int kind = HasTrainingRoom(s) ? kIndoorCourt : kTrainingRoom;
        if (SpareWith(s, 12 * CIzi(kind)) < kLandPrice + ConstructionCost(kind)) return;
        std::optional<ConstructionChoice> c = BuyLand(game, land);
        if (!c) return;
        ChooseBuilding(*c, kind);
        if (tk::Build(game, *c) == BuildResult::Declined) CancelPurchase(game, *c);
    }

    // The level whose prize the team can expect to win most of, if that is worth a week.
    static void BookPracticeMatch(Game &game) {
        GameState &s = game.state;
        if (ThisWeekMatchKind(s) != 0 || !CanBookPracticeMatch(s)) return;
        const PracticeMatchPick pick = BestPracticeMatch(s, LineupStrengths(s));
        if (pick.level != 0) AskAndBookPracticeMatch(game, pick.level);
    }

    // A cheap drink when a player would have to rest from this week's practice.
    static void UseDrink(Game &game) {
        GameState &s = game.state;
        if (ThisWeekMatchKind(s) != 0 || (s.Weather == 2 && s.TeamCourtsRain == 0)) return;
        bool tired = false;
        for (int p = 0; p < PlayerCount(s); ++p)
            tired = tired || Player(s, p).Condition < kTiredBelow;
        constexpr int kDrink = 0;  // 栄養ドリンク（安）
        if (tired && s.TeamLevel >= kFirstPaidLevel && Spare(s) >= 20 * Item(kDrink).cost)
            UseItem(game, kDrink);
    }
};

}  // namespace

std::unique_ptr<Policy> MakeCarefulPolicy() {
    return std::make_unique<CarefulPolicy>();
}

}  // namespace tk::sim
