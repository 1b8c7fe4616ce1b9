// Seasons and month ends as records of the club's history.
#include "core/rules/season_record.h"

#include <algorithm>

#include "core/rules/lookups.h"
#include "core/rules/tournament_rules.h"

namespace tk {

namespace {
constexpr PlayerKey kKeyBits = (PlayerKey{1} << 48) - 1;
}  // namespace

PlayerKey KeyOf(const PlayerRecord &p) {
    return PlayerKey{p.FamilyName} | PlayerKey{p.FirstName} << 8 |
           PlayerKey{static_cast<std::uint16_t>(p.BirthYear)} << 16 | PlayerKey{p.Style} << 32 |
           PlayerKey{p.Growth} << 40;
}

int CompetitionOf(int code) {
    if (code >= 10 && code <= 14) return 10;
    if (code >= 15 && code <= 19) return 15;
    if (code >= 20 && code <= 25) return 20;
    if (code >= 30 && code <= 35) return 30;
    if (code >= 40 && code <= 46) return 40;
    return 0;
}

int SeasonOfYearEnd(int week) {
    return YearOf(week) - 1;
}

int SeasonFirstWeek(int season) {
    return WeekNumber(season, 13);
}

std::vector<MonthPlayer> MakeMonthRecord(const GameState &s) {
    std::vector<MonthPlayer> out;
    const int n = PlayerCount(s);
    out.reserve(static_cast<std::size_t>(n));
    for (int p = 0; p < n; ++p) {
        const PlayerRecord &pl = s.Players[static_cast<std::size_t>(p)];
        const PlayerKey base = KeyOf(pl);
        // Twins in the record's eyes: the later one is told apart by his place in the squad.
        PlayerKey key = base;
        for (const MonthPlayer &earlier : out)
            if ((earlier.key & kKeyBits) == base) key += PlayerKey{1} << 48;
        out.push_back({key, {pl.Condition, pl.Skill}});
    }
    return out;
}

SeasonRecord MakeSeasonRecord(const GameState &s, const SeasonMoney &money) {
    SeasonRecord r;
    r.week = s.WeekCount;
    r.season = SeasonOfYearEnd(s.WeekCount);
    r.teamLevel = s.TeamLevel;
    r.funds = s.Money;
    r.money = money;
    for (int c = 0; c < kCategories; ++c) {
        const CategoryRecord &now = s.Category[static_cast<std::size_t>(c)];
        const CategoryRecord &before = s.LastYear.Results[static_cast<std::size_t>(c)];
        r.results[static_cast<std::size_t>(c)] = {
            now.Wins - before.Wins, now.Losses - before.Losses,
            static_cast<std::int64_t>(now.Prize) - before.Prize};
    }
    r.prize = r.results[kCategories - 1].prize;

    // How far the team came is the code left in each played week of the season.
    for (std::size_t i = 0; i < kCompetitions.size(); ++i)
        r.competitions[i].competition = kCompetitions[i];
    const int first = std::max(0, SeasonFirstWeek(r.season));
    const int last = std::min<int>(kLastWeek, s.WeekCount);
    for (int w = first; w <= last; ++w) {
        const int code = s.MatchKind(w);
        const int competition = CompetitionOf(code);
        if (competition == 0) continue;
        for (CompetitionResult &c : r.competitions) {
            if (c.competition != competition) continue;
            c.best = std::max(c.best, code);
            if (IsTitleCode(code)) ++c.titles;
        }
    }

    const std::vector<MonthPlayer> keys = MakeMonthRecord(s);
    for (std::size_t p = 0; p < keys.size(); ++p) {
        const PlayerRecord &pl = s.Players[p];
        r.squad.push_back({keys[p].key, PersonName(pl), AgeOf(s, static_cast<int>(p)), pl.Style,
                           keys[p].levels, pl.Salary});
    }
    return r;
}

std::array<CompetitionBest, kCompetitions.size()> BestSeasons(
    const std::vector<SeasonRecord> &seasons) {
    std::array<CompetitionBest, kCompetitions.size()> out{};
    for (std::size_t i = 0; i < out.size(); ++i) out[i].competition = kCompetitions[i];
    std::vector<const SeasonRecord *> order;
    for (const SeasonRecord &s : seasons) order.push_back(&s);
    std::sort(order.begin(), order.end(),
              [](const SeasonRecord *a, const SeasonRecord *b) { return a->season < b->season; });
    for (const SeasonRecord *s : order) {
        for (std::size_t i = 0; i < out.size(); ++i) {
            const CompetitionResult &r = s->competitions[i];
            CompetitionBest &b = out[i];
            b.titles += r.titles;
            if (r.best == 0 || r.best < b.best) continue;
            if (r.best > b.best) b.seasons.clear();
            b.best = r.best;
            b.seasons.push_back(s->season);
        }
    }
    return out;
}

}  // namespace tk
