// The club's story in plain records: a season as its year-end settlement leaves it, and the
// squad's levels at a month end, taken from the running game and never recomputed later.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "core/rules/history_sink.h"
#include "core/state/game_state.h"

namespace tk {

// A player as the history knows him from his joining to his leaving: the record holds no
// number of its own, so the name numbers, birth year, style and growth stand for him.
using PlayerKey = std::uint64_t;
PlayerKey KeyOf(const PlayerRecord &player);

// The competitions of the calendar by the code of their first round.
inline constexpr std::array<int, 5> kCompetitions = {10, 15, 20, 30, 40};
// The competition (first-round code) of a match kind; 0 for practice matches and markers.
int CompetitionOf(int code);

// The season that a year end in week `week` settles, named by the year its April fell in
// (the settlement of 2年目3月 closes season 1).
int SeasonOfYearEnd(int week);
// The first week (April, week 1) of a season.
int SeasonFirstWeek(int season);

struct SkillLevels {
    std::uint8_t condition = 0;
    std::array<std::uint8_t, 6> skills{};  // スタミナ, パワー, 技術, 敏捷, ショット, ボレー

    bool operator==(const SkillLevels &) const = default;
};

struct MonthPlayer {
    PlayerKey key = 0;
    SkillLevels levels;
};

// Every squad player's levels at a month end, in squad order. Two players the record cannot
// tell apart (same names, birth year, style and growth) get distinct keys by their order.
std::vector<MonthPlayer> MakeMonthRecord(const GameState &state);

struct CategoryResult {
    int wins = 0;
    int losses = 0;
    std::int64_t prize = 0;

    bool operator==(const CategoryResult &) const = default;
};

struct CompetitionResult {
    int competition = 0;  // first-round code
    int best = 0;         // the furthest code reached this season, 0 when not played
    int titles = 0;       // titles won this season (関東選抜 can be won twice)

    bool operator==(const CompetitionResult &) const = default;
};

struct SquadEntry {
    PlayerKey key = 0;
    std::string name;
    int age = 0;
    int style = 0;
    SkillLevels levels;
    std::int32_t salary = 0;
};

struct SeasonRecord {
    int season = 0;  // the year its April fell in
    int week = 0;    // the week of the settlement
    int teamLevel = 0;
    std::int64_t funds = 0;  // after the salaries
    SeasonMoney money;
    std::int64_t prize = 0;  // prize money won in the season
    // This season's wins, losses and prize per category (index 5: all of them): the running
    // totals less the copy the last settlement took.
    std::array<CategoryResult, kCategories> results{};
    std::array<CompetitionResult, kCompetitions.size()> competitions{};
    std::vector<SquadEntry> squad;  // after the dismissals of the renewal
    std::string summary;            // the settlement's notices, gathered by the history
};

// The season as the settlement leaves it, before the records are copied to last year's.
SeasonRecord MakeSeasonRecord(const GameState &state, const SeasonMoney &money);

// The best a competition went over many seasons: the furthest code, the seasons it was
// reached in (oldest first) and every title won.
struct CompetitionBest {
    int competition = 0;
    int best = 0;  // 0 when never played
    std::vector<int> seasons;
    int titles = 0;
};
std::array<CompetitionBest, kCompetitions.size()> BestSeasons(
    const std::vector<SeasonRecord> &seasons);

}  // namespace tk
