// The balance report: many games of one manager from a new game, and what they show about
// the rules' balance (how long a club lasts, how far it gets, how soon, with what funds).
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tk::sim {

// The titles the report follows, by the code written when the final is won.
inline constexpr std::array<int, 5> kReportTitles = {14, 19, 25, 35, 46};
// The seasons whose closing funds the report shows.
inline constexpr std::array<int, 3> kReportFundsSeasons = {5, 10, 50};

// What one game showed. Season k runs from April of year k to March of year k + 1.
struct GameLog {
    std::uint64_t seed = 0;
    int seasonsSurvived = 0;     // year-end settlements passed
    bool wholeCalendar = false;  // played until the calendar ran out
    // The season each team level (1..5) and each title (kReportTitles) was first reached.
    std::array<std::optional<int>, 6> levelSeason{};
    std::array<std::optional<int>, kReportTitles.size()> titleSeason{};
    // Funds after the settlement that closed each season of kReportFundsSeasons.
    std::array<std::optional<std::int64_t>, kReportFundsSeasons.size()> funds{};
};

// The season of week number w (week 13, April of year 1, begins season 1).
int SeasonOf(int week);

// Plays one new game to its end (bankruptcy or the calendar's end) with the policy of that
// name; `funds` replaces the starting 3000万円 when given. `seasonLine` (optional) sees a
// one-line summary after every settlement.
GameLog PlayLoggedGame(const std::string &policy, std::uint64_t seed,
                       std::optional<std::int32_t> funds = std::nullopt,
                       std::vector<std::string> *seasonLines = nullptr);

// The median of some values (the lower middle one of an even count); nothing when empty.
std::optional<std::int64_t> Median(std::vector<std::int64_t> values);

// The balance table of a set of games of one manager.
std::string BalanceTable(const std::string &policy, const std::vector<GameLog> &games);

}  // namespace tk::sim
