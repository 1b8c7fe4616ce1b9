// Booking practice matches and applying for the higher tournaments.
#include <gtest/gtest.h>

#include "core/rules/booking_rules.h"
#include "tests/support/scripted_ui.h"

namespace tk {
namespace {

using test::TestGame;

TEST(Booking, PracticeStateTexts) {
    TestGame t;
    GameState &s = t.state;
    s.WeekCount = 100;
    EXPECT_EQ(PracticeBookingState(s), PracticeBooking::kAvailable);
    EXPECT_EQ(PracticeBookingText(PracticeBookingState(s)), "来週は練習試合が可能です｡");
    EXPECT_EQ(PracticeFrameCaption(s), "練習試合　　0(回)/10(回中)");

    for (int code : {1, 12, 20, 99}) {
        s.MatchKind(101) = static_cast<std::uint8_t>(code);
        EXPECT_EQ(PracticeBookingState(s), PracticeBooking::kNextWeekTaken);
    }
    EXPECT_EQ(PracticeBookingText(PracticeBooking::kNextWeekTaken),
              "来週はすでに予定が入って\rいるので試合はできません。");

    s.PracticeMatchCount = 10;  // the yearly limit is told first
    EXPECT_EQ(PracticeBookingState(s), PracticeBooking::kYearLimitReached);
    EXPECT_EQ(PracticeBookingText(PracticeBookingState(s)),
              "今年はすでに練習試合を\r10回行っています。");
    EXPECT_EQ(PracticeFrameCaption(s), "練習試合　　10(回)/10(回中)");
    EXPECT_FALSE(BookPracticeMatch(s, 1));
}

TEST(Booking, TenAYearThenNoMore) {
    TestGame t;
    GameState &s = t.state;
    for (int i = 0; i < 10; ++i) {
        s.WeekCount = static_cast<std::int16_t>(100 + 2 * i);
        ASSERT_TRUE(BookPracticeMatch(s, 2));
        EXPECT_EQ(s.MatchKind(s.WeekCount + 1), 2);
    }
    EXPECT_EQ(s.PracticeMatchCount, 10);
    s.WeekCount = 140;
    EXPECT_FALSE(CanBookPracticeMatch(s));
    EXPECT_FALSE(BookPracticeMatch(s, 2));
    EXPECT_EQ(s.MatchKind(141), 0);
}

TEST(Booking, NoNextWeekAtTheEndOfTheCalendar) {
    TestGame t;
    // The last week of the calendar is played, so it may still take a practice match.
    t.state.WeekCount = kLastWeek - 1;
    EXPECT_TRUE(CanBookPracticeMatch(t.state));
    t.state.WeekCount = kLastWeek;
    EXPECT_FALSE(CanBookPracticeMatch(t.state));
    EXPECT_FALSE(BookPracticeMatch(t.state, 1));
    EXPECT_EQ(t.state.PracticeMatchCount, 0);
}

TEST(Booking, LevelMaxOpensAfterALevelFiveWin) {
    TestGame t;
    GameState &s = t.state;
    s.WeekCount = 100;
    for (int level = 1; level <= 5; ++level) EXPECT_TRUE(CanChoosePracticeLevel(s, level));
    EXPECT_FALSE(CanChoosePracticeLevel(s, 6));
    EXPECT_FALSE(CanChoosePracticeLevel(s, 7));
    EXPECT_FALSE(BookPracticeMatch(s, 6));
    s.Category[0].Qualified = kTrue;
    EXPECT_EQ(PracticeLevelName(6), "Lv.Max");
    EXPECT_TRUE(BookPracticeMatch(s, 6));
    EXPECT_EQ(s.MatchKind(101), 6);
}

TEST(Booking, AskedBeforeBooking) {
    TestGame t;
    t.state.WeekCount = 100;
    t.ui.answers = {false, true};
    EXPECT_FALSE(AskAndBookPracticeMatch(t.game, 4));
    EXPECT_EQ(t.state.MatchKind(101), 0);
    EXPECT_EQ(t.state.PracticeMatchCount, 0);
    EXPECT_TRUE(AskAndBookPracticeMatch(t.game, 4));
    EXPECT_EQ(t.state.MatchKind(101), 4);
    EXPECT_EQ(t.state.PracticeMatchCount, 1);
    EXPECT_EQ(t.ui.messages[0].text, "来週練習試合を\r行いますか？");
    EXPECT_EQ(t.ui.messages[0].fontSize, 14);
    EXPECT_EQ(t.ui.messages[0].title, "");
}

struct ApplyCase {
    int index;
    int week;  // current week number
    std::string question;
    int bookedWeek;
};

TEST(Booking, TournamentWeeks) {
    const ApplyCase cases[] = {
        {2, 48 + 10, "6月3週に関東選抜を\r行います。よろしいですか？", 48 + 23},   // March
        {2, 48 + 2, "6月3週に関東選抜を\r行います。よろしいですか？", 48 + 23},    // January
        {2, 48 + 21, "12月1週に関東選抜を\r行います。よろしいですか？", 48 + 45},  // June
        {2, 48 + 44, "12月1週に関東選抜を\r行います。よろしいですか？", 48 + 45},  // November
        {2, 48 + 46, "6月3週に関東選抜を\r行います。よろしいですか？", 96 + 23},   // December
        {3, 48 + 20, "7月2週に日本選手権を\r行います。よろしいですか？", 48 + 26},
        {3, 48 + 26, "7月2週に日本選手権を\r行います。よろしいですか？", 96 + 26},
        {4, 48 + 2, "1月3週にワールドテニスを\r行います。よろしいですか？", 48 + 3},
        {4, 48 + 4, "1月3週にワールドテニスを\r行います。よろしいですか？", 96 + 3},
    };
    for (const ApplyCase &c : cases) {
        SCOPED_TRACE(c.question + std::to_string(c.week));
        TestGame t;
        t.state.WeekCount = static_cast<std::int16_t>(c.week);
        t.state.Category[c.index].Qualified = kTrue;
        t.state.MatchKind(c.bookedWeek) = 3;  // a practice match there is lost
        EXPECT_EQ(TournamentQuestion(t.state, c.index), c.question);
        t.ui.answers = {true};
        EXPECT_TRUE(AskAndApplyForTournament(t.game, c.index));
        EXPECT_EQ(t.ui.messages[0].fontSize, 12);
        EXPECT_EQ(t.state.MatchKind(c.bookedWeek), c.index * 10);
        EXPECT_EQ(t.state.MatchKind(c.bookedWeek + 48), 0);  // this time only
    }
}

TEST(Booking, TournamentEntryStates) {
    TestGame t;
    GameState &s = t.state;
    s.WeekCount = 60;
    EXPECT_FALSE(CanApplyForTournament(s, 3));
    EXPECT_FALSE(ApplyForTournament(s, 3));
    EXPECT_EQ(TournamentConditionText(s, 3), "条件　春・秋季大会で優勝");
    EXPECT_EQ(TournamentConditionText(s, 2), "条件　春・秋季大会でベスト4");
    EXPECT_EQ(TournamentConditionText(s, 4), "条件　日本選手権で優勝");
    s.Category[3].Qualified = kTrue;
    EXPECT_TRUE(CanApplyForTournament(s, 3));
    EXPECT_TRUE(ApplyForTournament(s, 3));
    EXPECT_TRUE(ApplyForTournament(s, 3));  // twice writes the same entry
    EXPECT_EQ(s.MatchKind(48 + 26), 30);
    s.Category[3].AlwaysEnter = kTrue;
    EXPECT_EQ(TournamentEntryState(s, 3), TournamentEntry::kAlwaysEnters);
    EXPECT_EQ(TournamentConditionText(s, 3), "常時出場しています。");
    EXPECT_FALSE(ApplyForTournament(s, 3));
    EXPECT_FALSE(CanApplyForTournament(s, 1));
    EXPECT_FALSE(CanApplyForTournament(s, 5));
    EXPECT_EQ(TournamentDatesText(2), "日時\r\n6月3週\r\n12月1週");
}

}  // namespace
}  // namespace tk
