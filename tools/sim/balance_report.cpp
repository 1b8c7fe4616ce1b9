// The balance report: games played to their end, and the table of what they reached.
#include "tools/sim/balance_report.h"

#include <algorithm>
#include <cstdio>

#include "core/rules/coach_rules.h"
#include "core/rules/lookups.h"
#include "tools/sim/careful_outlook.h"
#include "tools/sim/simulation.h"

namespace tk::sim {
namespace {

constexpr int kFirstWeek = 13;  // April, week 1 of year 1

// "season 7: 3000万円, Lv2, coach 3, lots 6 4 4 7 7 7 7 7, sponsors 1+2 | 23y:812:600 ...":
// the funds after the settlement, the level, the whole-team coach, the kinds of lots 1..8,
// the two sponsors, and each player's age, bout strength and salary.
std::string SeasonLine(const GameState &s, int season) {
    std::string line = "season " + std::to_string(season) + ": " + MoneyText(s.Money) + ", Lv" +
                       std::to_string(s.TeamLevel) + ", coach " +
                       std::to_string(CoachHolder(s, kCoachTeam)) + ", lots";
    for (int lot = 1; lot < kLots; ++lot)
        line += " " + std::to_string(s.Facilities[static_cast<std::size_t>(lot)].Kind);
    line += ", sponsors " + std::to_string(s.SponsorState.Contract[1]) + "+" +
            std::to_string(s.SponsorState.Contract[2]) + " |";
    for (int p = 0; p < PlayerCount(s); ++p) {
        const PlayerRecord &r = s.Players[static_cast<std::size_t>(p)];
        line += " " + std::to_string(AgeOf(s, p)) +
                "y:" + std::to_string(careful::BoutStrength(r)) + ":" + std::to_string(r.Salary);
    }
    return line;
}

std::string Percent(int count, int of) {
    return std::to_string(of == 0 ? 0 : (100 * count + of / 2) / of) + "%";
}

std::string Padded(std::string text, std::size_t width) {
    // Japanese characters take three bytes and about two columns.
    std::size_t columns = 0;
    for (const unsigned char c : text) columns += (c & 0xC0) == 0x80 ? 0 : (c >= 0x80 ? 2 : 1);
    if (columns < width) text.append(width - columns, ' ');
    return text;
}

}  // namespace

int SeasonOf(int week) {
    return week < kFirstWeek ? 0 : (week - kFirstWeek) / 48 + 1;
}

GameLog PlayLoggedGame(const std::string &policy, std::uint64_t seed,
                       std::optional<std::int32_t> funds, std::vector<std::string> *seasonLines) {
    GameLog log;
    log.seed = seed;
    Simulation sim(seed, MakePolicy(policy, seed));
    sim.StartNew("テニス部", "監督");
    if (funds) sim.State().Money = *funds;
    log.levelSeason[1] = 1;
    while (sim.LastOutcome() == WeekOutcome::Next) {
        const int week = sim.State().WeekCount;
        const WeekOutcome outcome = sim.PlayOneWeek();
        const GameState &s = sim.State();
        if (outcome == WeekOutcome::Bankrupt) break;
        const int season = SeasonOf(week);
        auto &level = log.levelSeason[std::min<std::size_t>(s.TeamLevel, 5)];
        if (!level) level = season;
        for (std::size_t t = 0; t < kReportTitles.size(); ++t)
            if (s.MatchKind(week) == kReportTitles[t] && !log.titleSeason[t])
                log.titleSeason[t] = season;
        if (WeekOfYear(week) == 12) {  // March, week 4: the season was settled
            ++log.seasonsSurvived;
            for (std::size_t f = 0; f < kReportFundsSeasons.size(); ++f)
                if (kReportFundsSeasons[f] == season) log.funds[f] = s.Money;
            if (seasonLines != nullptr) seasonLines->push_back(SeasonLine(s, season));
        }
    }
    log.wholeCalendar = sim.LastOutcome() == WeekOutcome::CalendarEnd;
    return log;
}

std::optional<std::int64_t> Median(std::vector<std::int64_t> values) {
    if (values.empty()) return std::nullopt;
    const auto middle = values.begin() + static_cast<long>((values.size() - 1) / 2);
    std::nth_element(values.begin(), middle, values.end());
    return *middle;
}

std::string BalanceTable(const std::string &policy, const std::vector<GameLog> &games) {
    const int n = static_cast<int>(games.size());
    std::vector<std::int64_t> survived;
    int whole = 0;
    for (const GameLog &g : games) {
        survived.push_back(g.seasonsSurvived);
        whole += g.wholeCalendar ? 1 : 0;
    }
    const auto best = survived.empty() ? 0 : *std::max_element(survived.begin(), survived.end());
    std::string out = "policy " + policy + ", " + std::to_string(n) + " games from a new game\n";
    out += "seasons survived: median " + std::to_string(Median(survived).value_or(0)) + ", best " +
           std::to_string(best) + "; whole calendar " + Percent(whole, n) + "\n";
    out += Padded("reached", 22) + "games  median season\n";
    auto row = [&](const std::string &name, auto seasonOf) {
        std::vector<std::int64_t> seasons;
        for (const GameLog &g : games)
            if (const std::optional<int> s = seasonOf(g)) seasons.push_back(*s);
        const auto median = Median(seasons);
        char count[16];
        std::snprintf(count, sizeof count, "%5s",
                      Percent(static_cast<int>(seasons.size()), n).c_str());
        out += Padded(name, 22) + count + "  " + (median ? std::to_string(*median) : "-") + "\n";
    };
    for (int level = 2; level <= 5; ++level)
        row("team level " + std::to_string(level),
            [&](const GameLog &g) { return g.levelSeason[static_cast<std::size_t>(level)]; });
    for (std::size_t t = 0; t < kReportTitles.size(); ++t)
        row(CompetitionName(kReportTitles[t]) + " 優勝",
            [&](const GameLog &g) { return g.titleSeason[t]; });
    for (std::size_t f = 0; f < kReportFundsSeasons.size(); ++f) {
        std::vector<std::int64_t> funds;
        for (const GameLog &g : games)
            if (g.funds[f]) funds.push_back(*g.funds[f]);
        const auto median = Median(funds);
        out += "funds after season " + std::to_string(kReportFundsSeasons[f]) + ": " +
               (median ? "median " + MoneyText(*median) : std::string("-")) + " (" +
               std::to_string(funds.size()) + " games)\n";
    }
    return out;
}

}  // namespace tk::sim
