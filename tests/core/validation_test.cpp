// Which loaded records the rules may be handed, and which are refused with a reason.
#include <gtest/gtest.h>

#include <functional>

#include "core/rules/new_game.h"
#include "core/state/validation.h"
#include "tests/support/record_fill.h"
#include "tests/support/scripted_ui.h"

namespace tk {
namespace {

GameState NewGame() {
    test::TestGame t(7);
    StartNewGame(t.game, "テニス部", "山田");
    return t.state;
}

TEST(GameFault, NewGameAndEdgeValuesPass) {
    GameState s = NewGame();
    EXPECT_EQ(FindGameFault(s), std::nullopt);
    s.WeekCount = kCalendarOver;  // a game whose calendar has been played to its end
    s.TimeOfDay = 7;
    s.Weather = 3;
    s.TeamLevel = 5;
    s.TeamPracticeMenu = 7;
    s.CampSessions = 2;
    s.TeamCourtsDay = 9;
    s.Facilities[8] = {kUnderConstruction, 0};
    s.SponsorState.Contract = {200, 7, 1};  // element 0 is never used
    s.Coaches[3].Hired = kCoachTeam;
    s.Coaches[4].Hired = kCoachIndividual;
    s.Calendar[1][100] = {8, kIndoorCourt};
    s.Calendar[2][100] = {0, 200};  // a free entry's kind means nothing
    s.MatchKind(4800) = 99;
    s.Facilities[9] = {-5, -5};  // lot 9 is never used
    s.Players[0].Growth = 4;
    s.Players[1].Condition = 250;
    s.Players[2].Skill[5] = 250;
    s.Players[3].FamilyName = 50;  // the last names of the pools
    s.Players[3].FirstName = 66;
    s.Players[5] = {};        // five players are enough for the lineup
    s.Players[20].Order = 5;  // the spare slot is never looked up
    s.Players[20].Salary = -1;
    s.Coaches[0].Salary = 0;
    s.TeamName = "テニス部テニス部テニス部";  // twelve characters, 36 bytes
    s.ManagerName = "abcdefghijkl";
    EXPECT_EQ(FindGameFault(s), std::nullopt);
}

TEST(GameFault, EmptySlotPassesWhateverItHolds) {
    GameState s = test::Distinct<GameState>();
    s.WeekCount = 0;
    s.TimeOfDay = 99;
    EXPECT_EQ(FindGameFault(s), std::nullopt);
}

TEST(GameFault, OutOfRangeMembersAreRefused) {
    struct Case {
        const char *member;  // named in the reason
        std::function<void(GameState &)> spoil;
    };
    const Case cases[] = {
        {"WeekCount", [](GameState &s) { s.WeekCount = 0; }},
        {"WeekCount", [](GameState &s) { s.WeekCount = kCalendarOver + 1; }},
        {"WeekCount", [](GameState &s) { s.WeekCount = -3; }},
        {"TimeOfDay", [](GameState &s) { s.TimeOfDay = 8; }},
        {"Weather", [](GameState &s) { s.Weather = 4; }},
        {"TeamLevel", [](GameState &s) { s.TeamLevel = 0; }},
        {"TeamLevel", [](GameState &s) { s.TeamLevel = 6; }},
        {"TeamPracticeMenu", [](GameState &s) { s.TeamPracticeMenu = 8; }},
        {"CampSessions", [](GameState &s) { s.CampSessions = 3; }},
        {"TeamCourtsNight", [](GameState &s) { s.TeamCourtsNight = 10; }},
        {"TeamCourtsRain", [](GameState &s) { s.TeamCourtsRain = 255; }},
        {"TeamCourtsDay", [](GameState &s) { s.TeamCourtsDay = 10; }},
        {"Players[2].Order", [](GameState &s) { s.Players[2].Order = 6; }},
        {"Players[19].PracticeSlot", [](GameState &s) { s.Players[19].PracticeSlot = 4; }},
        {"Candidates[4].Order", [](GameState &s) { s.Candidates[4].Order = 9; }},
        {"Players[7].FamilyName", [](GameState &s) { s.Players[7].FamilyName = 3; }},  // a hole
        {"PlayerCount",
         [](GameState &s) {
             for (auto &p : s.Players) p.FamilyName = 1;
         }},
        {"PlayerCount",
         [](GameState &s) {
             for (auto &p : s.Players) p.FamilyName = 0;
         }},
        {"Coaches[5].Hired", [](GameState &s) { s.Coaches[5].Hired = 3; }},
        {"Coaches[6].Hired",
         [](GameState &s) {
             s.Coaches[2].Hired = kCoachTeam;
             s.Coaches[6].Hired = kCoachTeam;
         }},
        {"Coaches[9].Hired",
         [](GameState &s) {
             s.Coaches[1].Hired = kCoachIndividual;
             s.Coaches[9].Hired = kCoachIndividual;
         }},
        {"Facilities[3].Kind", [](GameState &s) { s.Facilities[3].Kind = 2; }},
        {"Facilities[8].Kind", [](GameState &s) { s.Facilities[8].Kind = -1; }},
        {"Facilities[0].Durability", [](GameState &s) { s.Facilities[0].Durability = 1001; }},
        {"Facilities[4].Durability", [](GameState &s) { s.Facilities[4].Durability = -1; }},
        {"SponsorState.Contract[1]", [](GameState &s) { s.SponsorState.Contract[1] = 8; }},
        {"SponsorState.Contract[2]", [](GameState &s) { s.SponsorState.Contract[2] = 255; }},
        {"Calendar[0][200]", [](GameState &s) { s.MatchKind(200) = 7; }},
        {"Calendar[0][4800]", [](GameState &s) { s.MatchKind(4800) = 60; }},
        {"Calendar[1][14].Lot", [](GameState &s) { s.BuildLot(1, 14) = 9; }},
        {"Calendar[2][4800].Lot", [](GameState &s) { s.BuildLot(2, 4800) = 255; }},
        {"Calendar[1][20].Kind",
         [](GameState &s) {
             s.Calendar[1][20] = {3, 2};
         }},
        {"Calendar[2][0].Kind",
         [](GameState &s) {
             s.Calendar[2][0] = {1, 9};
         }},
        // No rule pays a negative salary; the new-game screen takes twelve characters.
        {"Players[4].Salary", [](GameState &s) { s.Players[4].Salary = -2147483647 - 1; }},
        {"Candidates[0].Salary",
         [](GameState &s) {
             s.Candidates[0] = s.Players[0];
             s.Candidates[0].Order = 0;
             s.Candidates[0].PracticeSlot = 0;
             s.Candidates[0].Salary = -1;
         }},
        {"Coaches[10].Salary", [](GameState &s) { s.Coaches[10].Salary = -450; }},
        {"TeamName", [](GameState &s) { s.TeamName = "テニス部テニス部テニス部テ"; }},
        {"ManagerName", [](GameState &s) { s.ManagerName = std::string(1000, 'a'); }},
    };
    for (const Case &c : cases) {
        GameState s = NewGame();
        c.spoil(s);
        const auto fault = FindGameFault(s);
        ASSERT_TRUE(fault.has_value()) << c.member;
        EXPECT_NE(fault->find(c.member), std::string::npos) << *fault;
    }
}

TEST(SettingsUsable, SlotAndSpeed) {
    Settings s;
    EXPECT_TRUE(SettingsUsable(s));
    s.CurrentSlot = 3;
    s.FastMode = kTrue;
    s.SpareWord = -7;  // no use, taken as it is
    EXPECT_TRUE(SettingsUsable(s));
    s.CurrentSlot = 4;
    EXPECT_FALSE(SettingsUsable(s));
    s.CurrentSlot = 0;
    s.FastMode = 1;
    EXPECT_FALSE(SettingsUsable(s));
}

}  // namespace
}  // namespace tk
