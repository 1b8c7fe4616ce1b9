// Opponents, bouts and the match result.
#include "core/rules/match_engine.h"

#include <algorithm>
#include <cstdio>
#include <limits>

#include "core/rules/game.h"
#include "core/rules/lookups.h"
#include "core/rules/random.h"
#include "core/rules/tournament_rules.h"

namespace tk {

namespace {

struct RangeRow {
    int kind;
    SkillRange range;
};

constexpr RangeRow kRanges[] = {
    {1, {60, 110}},   {2, {75, 140}},   {3, {80, 160}},   {4, {100, 190}},  {5, {120, 230}},
    {6, {230, 250}},  {10, {65, 120}},  {11, {75, 130}},  {12, {100, 140}}, {13, {110, 145}},
    {15, {65, 120}},  {16, {75, 130}},  {17, {100, 140}}, {18, {110, 145}}, {20, {100, 130}},
    {21, {110, 140}}, {22, {120, 160}}, {23, {140, 185}}, {24, {140, 225}}, {30, {130, 175}},
    {31, {130, 190}}, {32, {140, 225}}, {33, {140, 230}}, {34, {140, 250}}, {40, {50, 225}},
    {41, {110, 225}}, {42, {140, 230}}, {43, {120, 250}}, {44, {150, 250}}, {45, {220, 250}},
};

void CountUp(std::int16_t &counter) {
    if (counter < std::numeric_limits<std::int16_t>::max()) ++counter;
}

}  // namespace

SkillRange OpponentRange(int kind) {
    for (const RangeRow &r : kRanges)
        if (r.kind == kind) return r.range;
    return {};
}

std::string MatchHeading(int kind) {
    return CompetitionName(kind) + "\r" + RoundName(kind);
}

std::string CompareRowLabel(int row) {
    static const char *const kLabels[] = {"スタミナ", "パワー", "技術", "敏捷", "ショット/ボレー"};
    return row >= 1 && row <= kComparedRows ? kLabels[row - 1] : "";
}

bool PlaysAtNet(const PlayerRecord &p) {
    return p.Level(6) > p.Level(5);
}

int ComparedValue(const PlayerRecord &p, int row) {
    if (row < 1 || row > kComparedRows) return 0;
    if (row == 5 && PlaysAtNet(p)) return p.Level(6);
    return p.Level(row);
}

int DisplayShare(int ours, int theirs) {
    const int d = std::clamp(RoundEven((ours - theirs) * 49.5), -2450, 2450);
    return 2500 + d;
}

int WinChanceOf(int ratingSum) {
    const std::int64_t chance = 5000 + 35 * static_cast<std::int64_t>(ratingSum);
    return static_cast<int>(std::clamp<std::int64_t>(chance, 0, 10000));
}

int WinPercent(int winChance) {
    return RoundAway(winChance / 100.0);
}

std::string PointsText(int points) {
    return (points > 0 ? "+" : "") + std::to_string(points) + "Pt";
}

std::string PercentText(int percent) {
    return std::to_string(percent) + "％";
}

std::string FlickerPercentText(int percent) {
    char digits[16];
    std::snprintf(digits, sizeof digits, "%02d", percent);
    return std::string(digits) + "％";
}

std::string BoutLabel(int bout) {
    return std::to_string(bout) + "人目";
}

void ShowBoutResult(GameUi &ui, int bout, bool won) {
    if (won)
        ui.ShowNotice(MessageKind::Report, BoutLabel(bout) + "\r勝利しました！！", "やったね！",
                      14);
    else
        ui.ShowNotice(MessageKind::Report, BoutLabel(bout) + "\r負けました…", "残念でした…", 14);
}

Match::Match(Game &game) : game_(game) {
    const GameState &s = game.state;
    kind_ = ThisWeekMatchKind(s);
    const SkillRange range = OpponentRange(kind_);
    for (int n = 1; n <= kBouts; ++n) {
        PlayerRecord &them = theirs_[static_cast<std::size_t>(n - 1)];
        for (int skill = 1; skill <= 6; ++skill)
            them.Level(skill) = static_cast<std::uint8_t>(game.Random(range.high, range.low));
        them.Style = PlaysAtNet(them) ? 1 : 0;
        const int slot = PlayerWithOrder(s, n);
        ourSlots_[static_cast<std::size_t>(n - 1)] = slot;
        ours_[static_cast<std::size_t>(n - 1)] = s.Players[static_cast<std::size_t>(slot)];
    }
    StartNextBout();
}

const PlayerRecord &Match::OurSide(int n) const {
    return ours_[static_cast<std::size_t>(std::clamp(n, 1, kBouts) - 1)];
}

const PlayerRecord &Match::TheirSide(int n) const {
    return theirs_[static_cast<std::size_t>(std::clamp(n, 1, kBouts) - 1)];
}

int Match::OurSlot(int n) const {
    return ourSlots_[static_cast<std::size_t>(std::clamp(n, 1, kBouts) - 1)];
}

std::string Match::OurPlayerName() const {
    return PersonName(OurPlayer());
}

int Match::OurShare(int row) const {
    if (row < 1 || row > kComparedRows) return 2500;
    return ourShares_[static_cast<std::size_t>(row - 1)];
}

void Match::StartNextBout() {
    ratingSum_ = 0;
    rowsCompared_ = 0;
    winChance_ = 5000;
    ++bout_;
    for (int row = 1; row <= kComparedRows; ++row)
        ourShares_[static_cast<std::size_t>(row - 1)] =
            DisplayShare(OurValue(row), TheirValue(row));
}

int Match::CompareSkill(int row) {
    const int diff = OurValue(row) - TheirValue(row);
    if (!Finished() && row == rowsCompared_ + 1) {
        ratingSum_ += diff;
        rowsCompared_ = row;
    }
    return diff;
}

int Match::ComputeWinChance() {
    winChance_ = WinChanceOf(ratingSum_);
    return winChance_;
}

bool Match::DrawBout() {
    return game_.Random(10000, 0) <= winChance_;
}

bool Match::BoutWon() {
    return Record(true);
}

bool Match::BoutLost() {
    return Record(false);
}

bool Match::Record(bool won) {
    if (Finished()) return true;
    GameState &s = game_.state;
    if (won) {
        if (++wins_ == kBoutsToWin) {
            RecordTeamWin(s, kind_);
            FinishMatch(s, wins_, losses_);
            return true;
        }
    } else if (++losses_ == kBoutsToWin) {
        RecordTeamLoss(s, kind_);
        FinishMatch(s, wins_, losses_);
        return true;
    }
    StartNextBout();
    return false;
}

bool Match::PlayBout(GameUi *ui) {
    for (int row = 1; row <= kComparedRows; ++row) CompareSkill(row);
    ComputeWinChance();
    const int bout = bout_;
    const bool won = DrawBout();
    if (ui != nullptr) ShowBoutResult(*ui, bout, won);
    Record(won);
    return won;
}

void RecordTeamWin(GameState &s, int kind) {
    SetWinFlags(s, kind);
    const int c = kind / 10;
    // Only the five real categories count; a stray code still counts in the totals.
    if (c >= 0 && c < kCategories - 1) CountUp(s.Category[static_cast<std::size_t>(c)].Wins);
    CountUp(s.Category[kCategories - 1].Wins);
}

void RecordTeamLoss(GameState &s, int kind) {
    const int c = kind / 10;
    if (c >= 0 && c < kCategories - 1) CountUp(s.Category[static_cast<std::size_t>(c)].Losses);
    CountUp(s.Category[kCategories - 1].Losses);
}

void FinishMatch(GameState &s, int wins, int losses) {
    s.MatchResult(s.WeekCount) = static_cast<std::uint8_t>(wins - losses + 4);
}

MatchOutcome PlayWholeMatch(Game &game, bool announceBouts) {
    Match match(game);
    while (!match.Finished()) match.PlayBout(announceBouts ? &game.ui : nullptr);
    return {match.Won(), match.TeamWins(), match.TeamLosses()};
}

}  // namespace tk
