// The active manager: uses every command of the main screen a careful player would, paying
// only from what the season's salaries and upkeep leave spare.
#include <algorithm>
#include <cstdint>

#include "core/rules/booking_rules.h"
#include "core/rules/camp_rules.h"
#include "core/rules/coach_rules.h"
#include "core/rules/court_rules.h"
#include "core/rules/game.h"
#include "core/rules/grounds_rules.h"
#include "core/rules/individual_rules.h"
#include "core/rules/land_rules.h"
#include "core/rules/lookups.h"
#include "core/rules/office_rules.h"
#include "core/rules/plan_rules.h"
#include "core/rules/roster_rules.h"
#include "core/rules/scout_rules.h"
#include "core/rules/signing_rules.h"
#include "core/rules/sponsors.h"
#include "core/rules/year_end_rules.h"
#include "tools/sim/policy.h"
#include "tools/sim/sim_ui.h"

namespace tk::sim {
namespace {

constexpr int kWantedSquad = 8;
constexpr int kRetireAfter = 30;
constexpr std::int64_t kSafety = 500;

// The budget and the sponsors' money of the next settlement.
std::int64_t Income(const GameState &s) {
    std::int64_t income = TeamBudget(s);
    for (int slot = 1; slot <= 2; ++slot)
        income += SSalaly(s.SponsorState.Contract[static_cast<std::size_t>(slot)]);
    return income;
}

// What may be spent now and still leave the year-end settlement in the black, with a tenth
// over for the pay rises.
std::int64_t Spare(const GameState &s) {
    const std::int64_t costs =
        YearlySalaries(s) * 11 / 10 + 12 * std::int64_t{MonthlyUpkeep(s)} + kSafety;
    return std::int64_t{s.Money} + Income(s) - costs;
}

int SkillSum(const PlayerRecord &p) {
    int sum = 0;
    for (const auto v : p.Skill) sum += v;
    return sum;
}

class ActivePolicy : public Policy {
public:
    std::string Name() const override { return "active"; }
    bool Answer(const std::string &) override { return true; }

    void BeforeWeek(Game &game, SimUi &ui) override {
        ChoosePracticeMenu(game.state);
        HireCoaches(game);
        PlanIndividualPractice(game);
        SignSponsors(game);
        BookMatches(game);
        RequestScout(game);
        MaintainCourts(game);
        Build(game);
        RefreshCondition(game);
        (void)ui;
    }

    void ChooseCamp(Game &game, SimUi &ui) override {
        const std::int64_t spare = Spare(game.state);
        int campClass = 0;
        if (spare > 2 * CampPrice(2)) {
            campClass = 2;
        } else if (spare > 2 * CampPrice(1)) {
            campClass = 1;
        }
        ui.Confirming([&] { return DecideCamp(game, campClass); });
    }

    void ScoutResult(Game &game, SimUi &ui) override {
        GameState &s = game.state;
        std::int64_t spare = Spare(s);
        for (int c = 0; c < kCandidateSlots; ++c) {
            const PlayerRecord &p = s.Candidates[static_cast<std::size_t>(c)];
            if (!p.Occupied()) continue;
            const int after = PlayerCount(s) + MarkedCandidateCount(s) + 1;
            if (after > kWantedSquad || after > kMaxSquad || p.Salary > spare ||
                p.Salary > Income(s) / 6)
                continue;
            if (ToggleCandidateMark(s, c)) spare -= 2 * std::int64_t{p.Salary};
        }
        if (CanSignCandidates(s)) {
            ui.Confirming([&] { return SignCandidates(game); });
        } else {
            ui.Confirming([&] { return DeclineCandidates(game); });
        }
    }

    // The renewal keeps the squad young and within the budget: players past thirty (who
    // decline every month) and players dearer than a sixth of the income leave, dearest
    // first, then the weakest while the squad is larger than wanted.
    void DismissAtRenewal(Game &game, SimUi &) override {
        GameState &s = game.state;
        const std::int64_t dear = Income(s) / 6;
        while (CanDismiss(s)) {
            int pick = -1;
            for (int p = 0; p < PlayerCount(s); ++p) {
                const PlayerRecord &r = s.Players[static_cast<std::size_t>(p)];
                if (AgeOf(s, p) <= kRetireAfter && r.Salary <= dear) continue;
                if (pick < 0 || r.Salary > s.Players[static_cast<std::size_t>(pick)].Salary)
                    pick = p;
            }
            if (pick < 0 && (PlayerCount(s) > kWantedSquad || Spare(s) < 0)) {
                for (int p = 0; p < PlayerCount(s); ++p)
                    if (pick < 0 || SkillSum(s.Players[p]) < SkillSum(s.Players[pick])) pick = p;
            }
            if (pick < 0 || !AskAndDismissPlayer(game, pick)) break;
        }
    }

private:
    static void ChoosePracticeMenu(GameState &s) {
        for (int menu = kPracticeMenus - 1; menu >= 0; --menu) {
            if (IsPracticeMenuAvailable(s, menu)) {
                StorePracticeMenu(s, menu);
                return;
            }
        }
    }

    static void HireCoaches(Game &game) {
        GameState &s = game.state;
        if (!CanChooseCoaches(s)) return;
        for (const int kind : {kCoachTeam, kCoachIndividual}) {
            // A coach the season cannot pay for is let go.
            if (CanReleaseCoach(s, kind) && Spare(s) < 0) ReleaseCoach(game, kind);
            if (CoachHolder(s, kind) != 0) continue;
            int best = 0;
            for (const CoachRow &row : CoachListRows(s)) {
                const CoachRecord &c = s.Coaches[static_cast<std::size_t>(row.coach)];
                if (3 * std::int64_t{c.Salary} > Spare(s) || !CanHireCoach(s, kind, row.coach))
                    continue;
                if (best == 0 || c.Ability > s.Coaches[static_cast<std::size_t>(best)].Ability)
                    best = row.coach;
            }
            if (best != 0) HireCoach(game, kind, best);
        }
    }

    static void PlanIndividualPractice(Game &game) {
        GameState &s = game.state;
        if (!CanChoosePracticePlayers(s)) return;
        for (int place = 1; place <= kPracticePlaces; ++place) {
            if (PracticePlaceHolder(s, place) >= 0) continue;
            const std::vector<int> free = SelectablePlayers(s, 0);
            if (free.empty() || !CanChoosePracticePlayer(s, place, free.front())) break;
            ChoosePracticePlayer(game, place, free.front());
        }
        const auto splits = CourtSplits(s);
        for (std::size_t k = 0; k < kCourtSituations.size(); ++k)
            if (splits[k].individual == 0 && CanAddIndividualCourt(s, kCourtSituations[k]))
                AddIndividualCourt(s, kCourtSituations[k]);
    }

    static void SignSponsors(Game &game) {
        GameState &s = game.state;
        if (!CanSignSponsors(s)) return;
        for (int slot = 1; slot <= 2; ++slot) {
            if (s.SponsorState.Contract[static_cast<std::size_t>(slot)] != 0) continue;
            int best = 0;
            for (int n = kFirstSponsor; n <= kLastSponsor; ++n) {
                if (!CanSignSponsor(s, slot, n)) continue;
                if (best == 0 || SSalaly(n) - SPenalty(n) > SSalaly(best) - SPenalty(best))
                    best = n;
            }
            if (best != 0) SignSponsor(game, slot, best);
        }
    }

    // Practice matches one level up after a win and one down after a defeat: the prizes
    // of the higher levels are what keeps a small club in funds.
    void BookMatches(Game &game) {
        GameState &s = game.state;
        for (int index = 2; index <= 4; ++index)
            if (CanApplyForTournament(s, index) && !Booked(s, index * 10))
                AskAndApplyForTournament(game, index);
        const CategoryRecord &practice = s.Category[0];
        if (practice.Wins > seenWins_) practiceLevel_ = practiceLevel_ + 1;
        if (practice.Losses > seenLosses_) practiceLevel_ = practiceLevel_ - 1;
        seenWins_ = practice.Wins;
        seenLosses_ = practice.Losses;
        practiceLevel_ = std::clamp(practiceLevel_, 1, kPracticeLevels);
        if (!CanChoosePracticeLevel(s, practiceLevel_)) practiceLevel_ = kPracticeLevels - 1;
        if (CanBookPracticeMatch(s)) AskAndBookPracticeMatch(game, practiceLevel_);
    }

    // A tournament is applied for once: not while its first round is in the coming year.
    static bool Booked(const GameState &s, int code) {
        for (int w = s.WeekCount + 1; w <= std::min(s.WeekCount + 48, kLastWeek); ++w)
            if (s.MatchKind(w) == code) return true;
        return false;
    }

    int practiceLevel_ = 1;
    int seenWins_ = 0;
    int seenLosses_ = 0;

    static void RequestScout(Game &game) {
        GameState &s = game.state;
        if (ScoutRequestOpen(s) || PlayerCount(s) >= kWantedSquad) return;
        // The rank the budget can pay the salaries of.
        ScoutRequest r;
        r.ageBand = 0;  // 指定しない
        r.rank = s.TeamLevel >= 4 ? 2 : s.TeamLevel >= 2 ? 1 : 0;
        if (s.TeamLevel >= 5 && IsScoutRankAvailable(s, kStrongestRank) && Spare(s) > 200000)
            r.rank = kStrongestRank;
        // Leave room for the salaries of the players it finds; a poor club still looks for
        // cheap players, its only way out.
        if (Spare(s) < 3 * std::int64_t{ScoutPrice(r)} + 2 * RankOf(r.rank).salaryHigh) r.rank = 0;
        if (s.Money < ScoutPrice(r) + 1000) return;
        if (!ScoutRequestAllowed(game) || !CanPlaceScoutRequest(s, r)) return;
        PlaceScoutRequest(game, r);
    }

    static void MaintainCourts(Game &game) {
        GameState &s = game.state;
        MaintainMarks marks;
        for (int lot = 0; lot < kLots; ++lot)
            if (IsCourt(s.Facilities[static_cast<std::size_t>(lot)].Kind) &&
                s.Facilities[static_cast<std::size_t>(lot)].Durability < 550)
                MarkForMaintenance(s, marks, lot);
        const int count = MarkedLotCount(marks);
        constexpr int kLevel = 3;  // しっかり
        // Worn courts stop the practice: they are restored whatever the season's outlook.
        if (count == 0 || s.Money < MaintenanceCost(count, kLevel)) return;
        Maintain(game, marks, count, kLevel);
    }

    static void Build(Game &game) {
        GameState &s = game.state;
        // One building at a time, so that a training room under way is not ordered twice.
        for (int lot = 0; lot < kLots; ++lot)
            if (s.Facilities[static_cast<std::size_t>(lot)].Kind == kUnderConstruction) return;
        const int kind = HasTrainingRoom(s) ? kIndoorCourt : kTrainingRoom;
        const std::int64_t cost = ConstructionCost(kind);
        for (int lot = 0; lot < kLots; ++lot) {
            if (CanBuyLand(s, lot)) {
                if (Spare(s) < kLandPrice + cost + 3000) return;
                std::optional<ConstructionChoice> c = BuyLand(game, lot);
                if (!c) return;
                ChooseBuilding(*c, kind);
                if (tk::Build(game, *c) == BuildResult::Declined) CancelPurchase(game, *c);
                return;
            }
        }
        // No land left: outdoor courts become indoor courts.
        for (int lot = 0; lot < kLots; ++lot) {
            const int lotKind = s.Facilities[static_cast<std::size_t>(lot)].Kind;
            if (lotKind != kOutdoorCourt && lotKind != kLitCourt) continue;
            if (Spare(s) < ConstructionCost(kIndoorCourt) + 5000) return;
            std::optional<ConstructionChoice> c = OpenConstruction(s, lot);
            if (!c) continue;
            ChooseBuilding(*c, kIndoorCourt);
            tk::Build(game, *c);
            return;
        }
    }

    static void RefreshCondition(Game &game) {
        GameState &s = game.state;
        const int n = PlayerCount(s);
        if (n == 0) return;
        int sum = 0;
        for (int p = 0; p < n; ++p) sum += s.Players[static_cast<std::size_t>(p)].Condition;
        constexpr int kDrink = 1;  // 栄養ドリンク（普）
        if (sum / n < 90 && Spare(s) > 10 * Item(kDrink).cost) UseItem(game, kDrink);
    }
};

}  // namespace

std::unique_ptr<Policy> MakeActivePolicy() {
    return std::make_unique<ActivePolicy>();
}

}  // namespace tk::sim
