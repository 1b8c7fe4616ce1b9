// Whole weeks and seasons played through the scripted player: a camp in May, a building
// finished in its week, and the first season up to its settlement.
#include <gtest/gtest.h>

#include <vector>

#include "core/rules/camp_rules.h"
#include "core/rules/court_rules.h"
#include "core/rules/events.h"
#include "core/rules/lookups.h"
#include "core/rules/match_week.h"
#include "core/rules/new_game.h"
#include "core/rules/roster_rules.h"
#include "core/rules/week_rules.h"
#include "core/rules/year_end_rules.h"
#include "tests/support/scripted_ui.h"

namespace tk {
namespace {

void PlayUntil(test::TestGame &t, int week, const MatchWeekPlayer &matches = nullptr) {
    while (t.state.WeekCount < week) ASSERT_EQ(PlayWeek(t.game, matches), WeekOutcome::Next);
}

struct CampCase {
    int campClass;
    int practices;  // applications of the practice from 4月1週 to 5月3週
};

class MayCamp : public ::testing::TestWithParam<CampCase> {};

// With the only court worn out and a training room, every application of the practice shows
// as exactly one point of stamina experience.
TEST_P(MayCamp, CampWeeksPractiseOncePerSession) {
    const CampCase c = GetParam();
    test::TestGame t;
    StartNewGame(t.game, "テニス部", "山田");
    t.state.Facilities[1].Durability = 0;
    t.state.Facilities[2].Kind = kTrainingRoom;
    t.ui.answers = {true};
    t.ui.onChooseCamp = [&](Game &g) { EXPECT_TRUE(DecideCamp(g, c.campClass)); };

    PlayUntil(t, 17);
    EXPECT_EQ(t.ui.campScreens, 1);
    EXPECT_EQ(t.state.CampSessions, c.campClass);
    EXPECT_EQ(GyoziName(t.state, 17), c.campClass > 0 ? "合宿" : "なし");
    PlayUntil(t, 20);

    EXPECT_EQ(t.state.CampSessions, 0);
    for (int p = 0; p < 6; ++p) EXPECT_EQ(t.state.Players[p].Experience[1], c.practices) << p;
    // One month end (April: office, court and training room) besides the camp's price.
    EXPECT_EQ(t.state.Money, 3000 - CampPrice(c.campClass) - 38);
}

INSTANTIATE_TEST_SUITE_P(Classes, MayCamp,
                         ::testing::Values(CampCase{0, 7}, CampCase{1, 10}, CampCase{2, 13}));

TEST(Season, BuildingIsFinishedAtTheEndOfItsWeek) {
    test::TestGame t;
    StartNewGame(t.game, "テニス部", "山田");
    // A lit court started in week 13 takes three weeks.
    t.state.Facilities[2].Kind = kUnderConstruction;
    t.state.Calendar[1][16] = {2, kLitCourt};
    PlayUntil(t, 16);
    EXPECT_EQ(t.state.Facilities[2].Kind, kUnderConstruction);
    EXPECT_TRUE(t.ui.messages.empty());
    PlayUntil(t, 17);
    EXPECT_EQ(t.state.Facilities[2].Kind, kLitCourt);
    ASSERT_EQ(t.ui.messages.size(), 1u);
    EXPECT_EQ(t.ui.messages[0].text, "屋外コートの\r工事が終わりました");
    // The month's upkeep was charged before the building was finished.
    EXPECT_EQ(t.state.Money, 3000 - 23);
    PlayUntil(t, 18);
    EXPECT_EQ(t.state.TeamCourtsDay, 2);
    EXPECT_EQ(t.state.TeamCourtsNight, 1);
}

class FirstSeason : public ::testing::TestWithParam<bool> {};

// From 1年目4月1週 to the settlement in 2年目3月4週: twelve month ends, the two yearly
// tournaments handed to the match player, a dismissal at the renewal, budget and sponsor.
TEST_P(FirstSeason, TellsItsStory) {
    const bool sponsor = GetParam();
    test::TestGame t(2024);
    StartNewGame(t.game, "テニス部", "山田");
    if (sponsor) t.state.SponsorState.Contract[1] = 1;  // みどり町商店街, 1000
    t.state.Players[0].BirthYear = -20;                 // 21: too young to decline
    const auto youngSkills = t.state.Players[0].Skill;
    std::vector<int> matchWeeks;
    const MatchWeekPlayer matches = [&](Game &g) { matchWeeks.push_back(g.state.WeekCount); };
    t.ui.answers = {true};
    t.ui.onDismissAtRenewal = [](Game &g) { EXPECT_TRUE(AskAndDismissPlayer(g, 5)); };

    PlayUntil(t, 60, matches);
    EXPECT_EQ(t.state.Money, 3000 - 11 * 23);
    EXPECT_TRUE(t.ui.messages.empty());
    const PlayerRecord leaving = t.state.Players[5];

    ASSERT_EQ(PlayWeek(t.game, matches), WeekOutcome::Next);
    EXPECT_EQ(t.state.WeekCount, 61);
    EXPECT_EQ(DateText(t.state.WeekCount), "2年目4月1週");
    EXPECT_EQ(matchWeeks, (std::vector<int>{36, 57}));
    EXPECT_EQ(t.ui.campScreens, 2);
    EXPECT_EQ(PlayerCount(t.state), 5);
    EXPECT_FALSE(t.state.Players[5].Occupied());

    const std::int32_t afterUpkeep = 3000 - 12 * 23;
    const std::int64_t income = sponsor ? 1000 : 0;
    const std::int32_t money =
        static_cast<std::int32_t>(afterUpkeep + 2000 + income - YearlySalaries(t.state));
    EXPECT_EQ(t.state.Money, money);
    EXPECT_EQ(t.state.LastYear.MoneyAtYearEnd, money);

    std::vector<std::string> story = {"契約更新です。\r要らない選手は\r解雇してください。",
                                      PersonName(leaving) + "さんを\r解雇しますか？",
                                      "今年のチーム予算は\r2000万円です"};
    if (sponsor) story.push_back("スポンサー収益として\r契約金1000万円\rが入ってきました");
    const std::string word = money >= 3000 ? "黒字" : "赤字";
    story.push_back("今年は" + MoneyText(std::llabs(money - 3000)) + "の\r" + word + "でした。");
    EXPECT_EQ(t.ui.Texts(), story);
    // A season of practice: stamina, power, technique and agility all grew.
    for (int k = 0; k < 4; ++k) EXPECT_GT(t.state.Players[0].Skill[k], youngSkills[k]) << k;
}

INSTANTIATE_TEST_SUITE_P(Sponsor, FirstSeason, ::testing::Bool());

// Several seasons with the real matches, camps and drinks: the record stays well formed
// every week, and the game ends only by bankruptcy, with the team name emptied.
TEST(Season, ManySeasonsKeepTheRecordWellFormed) {
    test::TestGame t(31337);
    StartNewGame(t.game, "テニス部", "山田");
    t.ui.onPlayNextRound = [](Game &g) { PlayMatchRound(g); };
    t.ui.onChooseCamp = [](Game &g) { DecideCamp(g, 1); };
    t.ui.defaultAnswer = true;
    WeekOutcome outcome = WeekOutcome::Next;
    int weeks = 0;
    while (outcome == WeekOutcome::Next && weeks < 48 * 5) {
        if (t.state.Players[0].Condition < 60) UseItem(t.game, 0);
        outcome = PlayWeek(t.game);
        ++weeks;
        const GameState &s = t.state;
        ASSERT_TRUE(SquadPacked(s));
        ASSERT_GE(PlayerCount(s), 5);
        ASSERT_EQ(s.TimeOfDay, 0);
        ASSERT_LE(s.Weather, 3);
        const CourtCounts c = CountCourts(s);
        ASSERT_LE(s.TeamCourtsDay, c[kCourtsFineDay] + 3);
        for (int lot = 0; lot < kLots; ++lot) {
            ASSERT_GE(s.Facilities[lot].Durability, 0);
            ASSERT_LE(s.Facilities[lot].Durability, 1000);
        }
    }
    if (outcome == WeekOutcome::Bankrupt) {
        EXPECT_EQ(t.state.TeamName, "");
        EXPECT_EQ(WeekOfYear(t.state.WeekCount), 12);
    } else {
        EXPECT_EQ(outcome, WeekOutcome::Next);
        EXPECT_EQ(t.state.WeekCount, 13 + 48 * 5);
    }
}

}  // namespace
}  // namespace tk
