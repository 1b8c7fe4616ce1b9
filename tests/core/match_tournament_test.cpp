// Whole tournaments and practice matches through the scripted player: the way on after
// each round, the notices, the prizes, the flags and the every-year offers.
#include <gtest/gtest.h>

#include "core/rules/lookups.h"
#include "tests/core/match_test_support.h"

namespace tk {
namespace {

using test::BookWeek;
using test::ForceRound;
using test::TestGame;

constexpr int kYear2 = 48;  // week numbers of year 2 are kYear2 + week of the year

// Plays every same-day round through the engine, as the screens would.
void PlayRoundsThroughEngine(TestGame &t) {
    t.ui.onPlayNextRound = [](Game &g) { PlayMatchRound(g); };
}

// Wins (or loses) every same-day round without the engine.
void ForceRounds(TestGame &t, bool won) {
    t.ui.onPlayNextRound = [won](Game &g) { ForceRound(g, won); };
}

int Count(const test::ScriptedUi &ui, const std::string &text) {
    int n = 0;
    for (const auto &m : ui.messages) n += m.text == text;
    return n;
}

TEST(Tournament, FirstRoundLossShowsOnlyTheResult) {
    for (int code : {10, 15, 20, 30, 40}) {
        SCOPED_TRACE(code);
        TestGame t(11);
        test::SetWeakSquad(t.state);
        BookWeek(t.state, kYear2 + 30, code);
        t.state.Money = 500;
        PlayRoundsThroughEngine(t);
        PlayMatchWeek(t.game);
        EXPECT_EQ(t.state.MatchKind(kYear2 + 30), code);
        EXPECT_EQ(t.state.MatchResult(kYear2 + 30), 1);
        EXPECT_EQ(t.ui.messages.back().text, CompetitionName(code) + "\r一回戦敗退");
        EXPECT_EQ(t.ui.messages.back().fontSize, 16);
        EXPECT_EQ(t.ui.messages.size(), 4u);  // three bouts and the result
        EXPECT_EQ(t.state.Money, 500);
        EXPECT_EQ(t.ui.nextRounds, 0);
        EXPECT_EQ(t.state.Category[code / 10].Losses, 1);
    }
}

TEST(Tournament, SpringRunToTheTitleOverTwoWeeks) {
    TestGame t(21);
    test::SetStrongSquad(t.state);
    const int week = kYear2 + 9;
    BookWeek(t.state, week, 10);
    t.state.MatchKind(week + 1) = 3;  // a practice match booked earlier is overwritten
    t.state.Money = 0;
    PlayRoundsThroughEngine(t);

    PlayMatchWeek(t.game);
    EXPECT_EQ(t.ui.nextRounds, 1);
    EXPECT_EQ(t.state.MatchKind(week), kGoesOnNextWeek);
    EXPECT_EQ(t.state.MatchKind(week + 1), 12);
    EXPECT_EQ(t.state.MatchResult(week), 7);
    EXPECT_TRUE(t.ui.Saw("春季大会\r一回戦\r勝利！"));
    EXPECT_TRUE(t.ui.Saw("春季大会\r二回戦\r勝利！"));
    EXPECT_EQ(t.state.Money, 0);
    EXPECT_EQ(t.state.Category[2].Qualified, kTrue);

    t.ui.messages.clear();
    t.state.WeekCount = static_cast<std::int16_t>(week + 1);
    PlayMatchWeek(t.game);
    EXPECT_EQ(t.ui.nextRounds, 2);
    EXPECT_EQ(t.state.MatchKind(week + 1), 14);
    const std::vector<std::string> texts = t.ui.Texts();
    const std::vector<std::string> tail(texts.end() - 3, texts.end());
    EXPECT_EQ(tail, (std::vector<std::string>{"春季大会\r決勝戦\r優勝！！", "春季大会\r優勝",
                                              "賞金3000万円ゲット！"}));
    EXPECT_EQ(t.ui.messages.back().fontSize, 12);
    EXPECT_EQ(Count(t.ui, "賞金3000万円ゲット！"), 1);
    EXPECT_EQ(t.state.Money, 3000);
    EXPECT_EQ(t.state.Category[1].Prize, 3000);
    EXPECT_EQ(t.state.Category[5].Prize, 3000);
    EXPECT_EQ(t.state.Category[1].Wins, 4);
    EXPECT_EQ(t.state.Category[5].Wins, 4);
    EXPECT_EQ(t.state.TeamLevel, 2);
    EXPECT_EQ(t.state.Category[3].Qualified, kTrue);
    for (const auto &m : t.ui.messages) EXPECT_FALSE(m.question);
}

struct TitleRun {
    int first;       // code of the first round
    int weekOfYear;  // its week
    int resumeCode;  // first round of the second day
    int titleCode;
    std::int32_t prize;
    int level;  // team level after the title
    int firstDayRounds, secondDayRounds;
    bool offer;
};

TEST(Tournament, EveryCompetitionToItsTitle) {
    const TitleRun runs[] = {
        {10, 9, 12, 14, 3000, 2, 2, 2, false},  {15, 36, 17, 19, 3000, 2, 2, 2, false},
        {20, 23, 23, 25, 5000, 3, 3, 2, true},  {20, 45, 23, 25, 5000, 3, 3, 2, true},
        {30, 26, 33, 35, 20000, 4, 3, 2, true}, {40, 3, 43, 46, 50000, 5, 3, 3, true},
    };
    for (const TitleRun &r : runs) {
        SCOPED_TRACE(r.first * 100 + r.weekOfYear);
        TestGame t;
        t.state.TeamLevel = 1;
        const int week = kYear2 + r.weekOfYear;
        BookWeek(t.state, week, r.first);
        ForceRounds(t, true);
        ForceRound(t.game, true);
        EXPECT_EQ(t.ui.nextRounds, r.firstDayRounds - 1);
        EXPECT_EQ(t.state.MatchKind(week), kGoesOnNextWeek);
        EXPECT_EQ(t.state.MatchKind(week + 1), r.resumeCode);
        EXPECT_EQ(t.state.Money, 0);

        t.state.WeekCount = static_cast<std::int16_t>(week + 1);
        ForceRound(t.game, true);
        EXPECT_EQ(t.ui.nextRounds, r.firstDayRounds + r.secondDayRounds - 2);
        EXPECT_EQ(t.state.MatchKind(week + 1), r.titleCode);
        EXPECT_EQ(t.state.Money, r.prize);
        EXPECT_EQ(t.state.Category[r.first / 10].Prize, r.prize);
        EXPECT_EQ(t.state.Category[r.first / 10].Wins, r.firstDayRounds + r.secondDayRounds);
        EXPECT_EQ(t.state.Category[5].Wins, r.firstDayRounds + r.secondDayRounds);
        EXPECT_EQ(t.state.TeamLevel, r.level);
        EXPECT_EQ(Count(t.ui, CompetitionName(r.first) + "\r優勝"), 1);
        int questions = 0;
        for (const auto &m : t.ui.messages) questions += m.question;
        EXPECT_EQ(questions, r.offer ? 1 : 0);
    }
}

struct FlagCase {
    int code;
    int qualified;  // category qualified, -1 none
    int unlocked;   // sponsor unlocked, -1 none
    int kept;       // sponsor kept this year, -1 none
    int level;      // team level reached from 1
};

TEST(Tournament, WinFlags) {
    const FlagCase cases[] = {
        {5, 0, -1, -1, 1},   {11, 2, 1, 4, 1},    {16, 2, 1, 4, 1},   {13, 3, -1, -1, 2},
        {18, 3, -1, -1, 2},  {22, -1, 2, 5, 1},   {24, -1, 3, -1, 3}, {32, -1, 4, 6, 1},
        {34, 4, 5, -1, 4},   {42, -1, -1, 7, 1},  {43, -1, 6, -1, 1}, {45, -1, 7, -1, 5},
        {12, -1, -1, -1, 1}, {44, -1, -1, -1, 1},
    };
    for (const FlagCase &c : cases) {
        SCOPED_TRACE(c.code);
        GameState s;
        s.TeamLevel = 1;
        SetWinFlags(s, c.code);
        for (int i = 0; i < kCategories; ++i)
            EXPECT_EQ(s.Category[i].Qualified, i == c.qualified ? kTrue : kFalse);
        for (int i = 0; i < 8; ++i) {
            EXPECT_EQ(s.SponsorState.Unlocked[i], i == c.unlocked ? kTrue : kFalse);
            EXPECT_EQ(s.SponsorState.KeptThisYear[i], i == c.kept ? kTrue : kFalse);
        }
        EXPECT_EQ(s.TeamLevel, c.level);
        s.TeamLevel = 5;  // never lowered
        SetWinFlags(s, c.code);
        EXPECT_EQ(s.TeamLevel, 5);
    }
}

struct OfferCase {
    int code;  // lost here, or the title code reached
    std::string question;
    int fontSize;
    std::vector<int> weeksEntered;  // weeks of the year of every following year
};

TEST(Tournament, EveryYearOfferAccepted) {
    const OfferCase cases[] = {
        {23, "今後も常に関東選抜\rに出場しますか？", 12, {23, 45}},
        {34, "今後も常に日本選手権\rに出場しますか？", 14, {26}},
        {43, "今後も常にワールドテニス\rに出場しますか？", 14, {3}},
    };
    for (const OfferCase &c : cases) {
        SCOPED_TRACE(c.code);
        TestGame t;
        BookWeek(t.state, kYear2 + 47, c.code);
        t.ui.answers = {true};
        ForceRound(t.game, false);
        const auto &q = t.ui.messages.back();
        EXPECT_TRUE(q.question);
        EXPECT_EQ(q.text, c.question);
        EXPECT_EQ(q.title, "今後の大会出場。");
        EXPECT_EQ(q.fontSize, c.fontSize);
        EXPECT_EQ(t.state.Category[c.code / 10].AlwaysEnter, kTrue);
        for (int w : c.weeksEntered) {
            EXPECT_EQ(t.state.MatchKind(2 * 48 + w), c.code / 10 * 10);
            EXPECT_EQ(t.state.MatchKind(99 * 48 + w), c.code / 10 * 10);
        }
    }
}

TEST(Tournament, KantoOfferDeclinedComesAgainAcceptedNoMore) {
    TestGame t;
    const int week = kYear2 + 23;
    BookWeek(t.state, week + 1, 23);  // the semi-final of the second day, lost
    t.ui.answers = {false};
    ForceRound(t.game, false);
    EXPECT_TRUE(t.ui.Saw("関東選抜\rベスト4"));
    EXPECT_TRUE(t.ui.Saw("賞金1000万円ゲット！"));
    EXPECT_EQ(t.ui.messages.back().text, "今後も常に関東選抜\rに出場しますか？");
    EXPECT_EQ(t.ui.messages.back().fontSize, 12);
    EXPECT_EQ(t.state.Category[2].AlwaysEnter, kFalse);
    EXPECT_EQ(t.state.MatchKind(2 * 48 + 23), 0);

    // December: reaching the final again asks again; yes enters June and December.
    t.ui.messages.clear();
    t.ui.answers = {true};
    BookWeek(t.state, kYear2 + 46, 24);
    ForceRound(t.game, false);
    EXPECT_TRUE(t.ui.Saw("関東選抜\r準優勝"));
    EXPECT_EQ(t.state.Category[2].AlwaysEnter, kTrue);
    for (int y = 2; y < 100; ++y) {
        EXPECT_EQ(t.state.MatchKind(y * 48 + 23), 20);
        EXPECT_EQ(t.state.MatchKind(y * 48 + 45), 20);
    }
    EXPECT_EQ(t.state.Money, 1000 + 2500);

    t.ui.messages.clear();
    BookWeek(t.state, 2 * 48 + 24, 23);
    ForceRound(t.game, false);
    for (const auto &m : t.ui.messages) EXPECT_FALSE(m.question);
}

struct PracticeCase {
    int level;
    std::int32_t prize;
};

TEST(Tournament, PracticeMatchWonPaysLostEarnsNothing) {
    for (const PracticeCase c :
         {PracticeCase{1, 30}, {2, 50}, {3, 150}, {4, 300}, {5, 1000}, {6, 10000}}) {
        SCOPED_TRACE(c.level);
        TestGame won;
        BookWeek(won.state, 100, c.level);
        ForceRound(won.game, true);
        EXPECT_EQ(won.state.Money, c.prize);
        EXPECT_EQ(won.state.Category[0].Prize, c.prize);
        EXPECT_EQ(won.state.Category[0].Qualified, c.level == 5 ? kTrue : kFalse);
        const std::vector<std::string> texts{"練習試合\r" + RoundName(c.level) + "\r勝利！",
                                             "賞金" + MoneyText(c.prize) + "ゲット！"};
        EXPECT_EQ(won.ui.Texts(), texts);

        TestGame lost;
        BookWeek(lost.state, 100, c.level);
        ForceRound(lost.game, false);
        EXPECT_EQ(lost.state.Money, 0);
        ASSERT_EQ(lost.ui.messages.size(), 1u);
        EXPECT_EQ(lost.ui.messages[0].text, "練習試合\r" + RoundName(c.level) + "\r敗退…");
        EXPECT_EQ(lost.ui.messages[0].title, "残念！！");
        EXPECT_EQ(lost.state.Category[0].Losses, 1);
    }
}

TEST(Tournament, PracticeMatchThroughTheEngine) {
    TestGame t(31);
    test::SetStrongSquad(t.state);
    BookWeek(t.state, 100, 3);
    PlayMatchWeek(t.game);
    EXPECT_EQ(t.state.Money, 150);
    EXPECT_EQ(t.state.MatchKind(100), 3);
    EXPECT_EQ(t.state.MatchResult(100), 7);
    EXPECT_EQ(t.ui.messages.back().text, "賞金150万円ゲット！");
}

TEST(Tournament, MarkersAndTitlesArePlayedAsNothing) {
    for (int code : {14, 25, 46, 99}) {
        SCOPED_TRACE(code);
        EXPECT_EQ(WayOnAfterWin(code), WayOn::kNone);
        TestGame t;
        BookWeek(t.state, 100, code);
        EXPECT_EQ(SettleMatch(t.game, true), AfterClose::kNothing);
        EXPECT_EQ(t.state.MatchKind(100), code);
        EXPECT_TRUE(t.ui.messages.empty());
    }
}

TEST(Tournament, ScreenSplitLeavesTheNextRoundForAfterClosing) {
    TestGame t;
    BookWeek(t.state, 100, 20);
    EXPECT_EQ(SettleMatch(t.game, true), AfterClose::kPlayNextRound);
    EXPECT_EQ(t.state.MatchKind(100), 21);
    EXPECT_EQ(t.ui.nextRounds, 0);
    BookWeek(t.state, 100, 21);
    EXPECT_EQ(SettleMatch(t.game, false), AfterClose::kAwardResult);
    EXPECT_TRUE(t.ui.messages.size() == 1u);  // only the won notice of round 20 so far
    FinishAfterClose(t.game, AfterClose::kAwardResult);
    EXPECT_EQ(t.ui.messages.back().text, "賞金100万円ゲット！");
}

}  // namespace
}  // namespace tk
