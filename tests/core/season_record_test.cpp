// The club's history as the rules hand it over: the keys of players, the codes of
// competitions, a season made at its settlement with the settlement's own figures.
#include <gtest/gtest.h>

#include "core/rules/lookups.h"
#include "core/rules/new_game.h"
#include "core/rules/season_record.h"
#include "core/rules/tournament_rules.h"
#include "core/rules/week_rules.h"
#include "core/rules/year_end_rules.h"
#include "tests/support/recording_sink.h"
#include "tests/support/scripted_ui.h"

namespace tk {
namespace {

TEST(SeasonRecord, CompetitionsAndTitlesByCode) {
    struct Case {
        int code, competition;
        bool title;
    };
    for (const Case c : {Case{0, 0, false},
                         {6, 0, false},
                         {10, 10, false},
                         {14, 10, true},
                         {15, 15, false},
                         {19, 15, true},
                         {25, 20, true},
                         {24, 20, false},
                         {30, 30, false},
                         {35, 30, true},
                         {46, 40, true},
                         {45, 40, false},
                         {99, 0, false},
                         {47, 0, false}}) {
        EXPECT_EQ(CompetitionOf(c.code), c.competition) << c.code;
        EXPECT_EQ(IsTitleCode(c.code), c.title) << c.code;
    }
    // The settlement of 2年目3月 closes the season that began in 1年目4月.
    EXPECT_EQ(SeasonOfYearEnd(60), 1);
    EXPECT_EQ(SeasonFirstWeek(1), 13);
    EXPECT_EQ(SeasonOfYearEnd(WeekNumber(10, 12)), 9);
}

TEST(SeasonRecord, KeysTellPlayersApartAndTwinsByTheirPlace) {
    test::TestGame t;
    StartNewGame(t.game, "テニス部", "山田");
    GameState &s = t.state;
    s.Players[1] = s.Players[0];  // the record cannot tell these two apart
    s.Players[2] = s.Players[0];
    s.Players[2].BirthYear += 1;  // but this one it can
    const auto month = MakeMonthRecord(s);
    ASSERT_EQ(month.size(), 6u);
    EXPECT_EQ(month[0].key, KeyOf(s.Players[0]));
    EXPECT_NE(month[1].key, month[0].key);
    EXPECT_NE(month[2].key, month[0].key);
    EXPECT_NE(month[2].key, month[1].key);
    EXPECT_EQ(month[2].key, KeyOf(s.Players[2]));
    EXPECT_EQ(month[3].levels.skills, s.Players[3].Skill);
    EXPECT_EQ(month[3].levels.condition, s.Players[3].Condition);
}

TEST(SeasonRecord, SeasonFiguresAreThisSeasonsOnly) {
    test::TestGame t;
    StartNewGame(t.game, "テニス部", "山田");
    GameState &s = t.state;
    s.WeekCount = WeekNumber(4, 12);  // settles season 3
    s.Category[1] = {7, 3, 5000, 0, 0};
    s.Category[5] = {20, 9, 8000, 0, 0};
    s.LastYear.Results[1] = {5, 2, 1000, 0, 0};
    s.LastYear.Results[5] = {12, 4, 2000, 0, 0};
    // Season 3 runs from week 109 (3年目4月1週) to this week.
    s.MatchKind(WeekNumber(3, 36)) = 17;  // autumn: best four
    s.MatchKind(WeekNumber(3, 23)) = 25;  // 関東選抜 won in June...
    s.MatchKind(WeekNumber(3, 45)) = 25;  // ...and in December
    s.MatchKind(WeekNumber(4, 9)) = 14;   // spring title in March
    s.MatchKind(WeekNumber(4, 3)) = 99;   // a marker names nothing
    s.MatchKind(WeekNumber(3, 9)) = 14;   // last season's spring title does not count
    s.MatchKind(WeekNumber(4, 26)) = 35;  // nor does a week to come
    const SeasonRecord r = MakeSeasonRecord(s, {2000, 300, 100, 900});
    EXPECT_EQ(r.season, 3);
    EXPECT_EQ(r.week, WeekNumber(4, 12));
    EXPECT_EQ(r.results[1], (CategoryResult{2, 1, 4000}));
    EXPECT_EQ(r.results[5], (CategoryResult{8, 5, 6000}));
    EXPECT_EQ(r.prize, 6000);
    EXPECT_EQ(r.competitions[0], (CompetitionResult{10, 14, 1}));
    EXPECT_EQ(r.competitions[1], (CompetitionResult{15, 17, 0}));
    EXPECT_EQ(r.competitions[2], (CompetitionResult{20, 25, 2}));
    EXPECT_EQ(r.competitions[3], (CompetitionResult{30, 0, 0}));
    EXPECT_EQ(r.money.salaries, 900);
    ASSERT_EQ(r.squad.size(), 6u);
    EXPECT_EQ(r.squad[0].name, PersonName(s.Players[0]));
    EXPECT_EQ(r.squad[0].age, AgeOf(s, 0));
}

TEST(SeasonRecord, BestSeasonsPerCompetition) {
    std::vector<SeasonRecord> seasons(4);
    const int spring[] = {12, 14, 11, 14}, world[] = {0, 0, 43, 41};
    for (int i = 0; i < 4; ++i) {
        SeasonRecord &r = seasons[static_cast<std::size_t>(3 - i)];  // newest first, as read
        r.season = i + 1;
        r.competitions[0] = {10, spring[i], IsTitleCode(spring[i]) ? 1 : 0};
        r.competitions[4] = {40, world[i], 0};
    }
    const auto best = BestSeasons(seasons);
    EXPECT_EQ(best[0].best, 14);
    EXPECT_EQ(best[0].seasons, (std::vector<int>{2, 4}));
    EXPECT_EQ(best[0].titles, 2);
    EXPECT_EQ(best[4].best, 43);
    EXPECT_EQ(best[4].seasons, (std::vector<int>{3}));
    EXPECT_EQ(best[2].best, 0);  // never played
    EXPECT_TRUE(best[2].seasons.empty());
}

// A whole first season through EndOfWeek: a month end every fourth week, one settlement
// whose figures are the ones it paid, and the same record as a game nobody listens to.
TEST(SeasonRecord, TheRulesTellTheHistoryWhatTheyDid) {
    test::TestGame heard(7), unheard(7);
    test::RecordingSink sink;
    heard.game.history = &sink;
    for (test::TestGame *t : {&heard, &unheard}) {
        StartNewGame(t->game, "テニス部", "山田");
        while (t->state.WeekCount <= 60) ASSERT_EQ(PlayWeek(t->game), WeekOutcome::Next);
    }
    EXPECT_TRUE(heard.state == unheard.state);
    EXPECT_EQ(sink.Count("week"), 60 - 13 + 1);
    EXPECT_EQ(sink.Count("month"), 12);
    ASSERT_EQ(sink.seasons.size(), 1u);
    const SeasonRecord &r = sink.seasons[0];
    EXPECT_EQ(r.season, 1);
    EXPECT_EQ(r.money.budget, 2000);
    EXPECT_EQ(r.money.salaries, YearlySalaries(heard.state));
    EXPECT_EQ(r.funds, heard.state.LastYear.MoneyAtYearEnd);
    EXPECT_EQ(r.results[5].wins, heard.state.Category[5].Wins);
    // The settlement starts after March's month end and ends before the week does.
    std::vector<std::string> order;
    for (auto c = sink.calls.end() - 4; c != sink.calls.end(); ++c) order.push_back(c->what);
    EXPECT_EQ(order, (std::vector<std::string>{"month", "begin", "year", "week"}));
    EXPECT_EQ(sink.calls.back().week, 61);
}

TEST(SeasonRecord, BankruptcyEndsTheSeasonUnrecorded) {
    test::TestGame t;
    test::RecordingSink sink;
    t.game.history = &sink;
    StartNewGame(t.game, "テニス部", "山田");
    t.state.WeekCount = 60;
    t.state.Money = -100;
    EXPECT_EQ(EndOfWeek(t.game), WeekOutcome::Bankrupt);
    EXPECT_EQ(sink.Count("month"), 1);
    EXPECT_EQ(sink.Count("begin") + sink.Count("year") + sink.Count("week"), 0);
}

}  // namespace
}  // namespace tk
