// The scout's bands, prices and the drawing of the five candidates.
#include "core/rules/scout_rules.h"

#include <array>

#include "core/rules/game.h"
#include "core/rules/lookups.h"

namespace tk {

namespace {

constexpr std::array<ScoutAgeBand, kScoutAgeBands> kAgeBands = {{
    {"指定しない", 20, 35, 100},
    {"10代", 16, 19, 2000},
    {"20代前半", 20, 25, 1000},
    {"20代後半", 25, 29, 500},
}};

constexpr std::array<ScoutRank, kScoutRanks> kRanks = {{
    {"弱い", 50, 150, 100, 400, 100},
    {"普通", 75, 200, 400, 2000, 500},
    {"強い", 110, 230, 2000, 11000, 2000},
    {"最強", 150, 250, 10000, 30000, 50000},
}};

bool ValidRequest(const ScoutRequest &r) {
    return r.ageBand >= 0 && r.ageBand < kScoutAgeBands && r.rank >= 0 && r.rank < kScoutRanks;
}

void DrawCandidate(Game &game, PlayerRecord &p, const ScoutAgeBand &band, const ScoutRank &rank,
                   int year) {
    p = PlayerRecord{};
    const int age = game.Random(band.high, band.low);
    p.BirthYear = static_cast<std::int16_t>(year - age);
    p.FamilyName = static_cast<std::uint8_t>(game.Random(50, 1));
    p.FirstName = static_cast<std::uint8_t>(game.Random(66, 1));
    p.Condition = 250;
    int sum = 0;
    for (auto &skill : p.Skill) {
        skill = static_cast<std::uint8_t>(game.Random(rank.skillHigh, rank.skillLow));
        sum += skill;
    }
    // A candidate whose volley beats his shot plays at the net.
    if (p.Skill[5] > p.Skill[4]) p.Style = 1;
    p.Growth = static_cast<std::uint8_t>(game.Random(4, 0));
    const int term = game.Random(rank.salaryHigh, rank.salaryLow);
    const int salary = RoundEven(sum + (sum / 20.0) * (30 - age) + term - 500);
    p.Salary = salary < 200 ? game.Random(250, 200) : salary;
}

}  // namespace

const ScoutAgeBand &AgeBandOf(int index) {
    return kAgeBands[(index >= 0 && index < kScoutAgeBands) ? static_cast<std::size_t>(index) : 0];
}

const ScoutRank &RankOf(int index) {
    return kRanks[(index >= 0 && index < kScoutRanks) ? static_cast<std::size_t>(index) : 0];
}

bool IsScoutRankAvailable(const GameState &s, int rank) {
    if (rank < 0 || rank >= kScoutRanks) return false;
    return rank != kStrongestRank || s.TeamLevel == 5;
}

std::int32_t ScoutPrice(const ScoutRequest &r) {
    return AgeBandOf(r.ageBand).cost + RankOf(r.rank).cost;
}

std::string ScoutPriceText(const ScoutRequest &r) {
    return MoneyText(ScoutPrice(r));
}

bool ScoutRequestOpen(const GameState &s) {
    return s.Candidates[0].FamilyName != 0;
}

bool ScoutRequestAllowed(Game &game) {
    if (!ScoutRequestOpen(game.state)) return true;
    game.ui.ShowNotice(MessageKind::Warning, kScoutAlreadyOpenMessage, kScoutAlreadyOpenTitle, 14);
    return false;
}

bool CanPlaceScoutRequest(const GameState &s, const ScoutRequest &r) {
    // An open request is never drawn over: its candidates were paid for.
    return ValidRequest(r) && IsScoutRankAvailable(s, r.rank) && !ScoutRequestOpen(s);
}

std::string ScoutRequestQuestion(const ScoutRequest &r) {
    return "スカウトに依頼しますか？\r費用は" + ScoutPriceText(r) + "です。";
}

bool PlaceScoutRequest(Game &game, const ScoutRequest &r) {
    if (!CanPlaceScoutRequest(game.state, r)) return false;
    if (!game.ui.AskQuestion(ScoutRequestQuestion(r), kScoutRequestTitle, 13)) return false;
    const int year = YearOf(game.state.WeekCount);
    for (auto &c : game.state.Candidates)
        DrawCandidate(game, c, AgeBandOf(r.ageBand), RankOf(r.rank), year);
    SubtractMoney(game.state, ScoutPrice(r));
    return true;
}

}  // namespace tk
