// Marking and signing scouted candidates: the 20-player limit, titles and contract money.
#include <gtest/gtest.h>

#include "core/rules/lookups.h"
#include "core/rules/roster_rules.h"
#include "core/rules/signing_rules.h"
#include "tests/support/scripted_ui.h"

namespace tk {
namespace {

class Signing : public testing::Test {
protected:
    void SetUp() override {
        s.WeekCount = 13 + 48 * 4;
        s.Money = 1000;
        SetSquad(18);
        for (int i = 0; i < kCandidateSlots; ++i) {
            PlayerRecord &c = s.Candidates[static_cast<std::size_t>(i)];
            c.FamilyName = static_cast<std::uint8_t>(10 + i);
            c.FirstName = static_cast<std::uint8_t>(20 + i);
            c.Salary = 100 * (i + 3);  // 300, 400, 500, 600, 700
            c.BirthYear = 1;
        }
    }
    void SetSquad(int n) {
        for (int i = 0; i < kSquadSlots; ++i) {
            PlayerRecord &p = s.Players[static_cast<std::size_t>(i)];
            p = PlayerRecord{};
            if (i < n) {
                p.FamilyName = 1;
                p.FirstName = static_cast<std::uint8_t>(i + 1);
            }
        }
    }
    test::TestGame g;
    GameState &s = g.state;
};

TEST_F(Signing, MarkingTwiceReturnsToTheStart) {
    EXPECT_EQ(SigningTitle(s), kSignTitleChoose);
    ASSERT_TRUE(ToggleCandidateMark(s, 2));
    EXPECT_EQ(MakeCandidateRow(s, 2).mark, "契約");
    EXPECT_EQ(SigningTitle(s), "契約金の総額は500万円です。");
    EXPECT_TRUE(CanSignCandidates(s));
    ASSERT_TRUE(ToggleCandidateMark(s, 2));
    EXPECT_EQ(CandidateMarkText(false), "未契約");
    EXPECT_EQ(CandidateMarkColour(false), 0xFF0000u);
    EXPECT_EQ(SigningTitle(s), kSignTitleChoose);
    EXPECT_FALSE(CanSignCandidates(s));
    EXPECT_FALSE(ToggleCandidateMark(s, 5));
    EXPECT_FALSE(ToggleCandidateMark(s, -1));
}

TEST_F(Signing, TwentyPlayersAtMostWhateverTheOrderOfClicks) {
    for (int i : {0, 1, 2}) ToggleCandidateMark(s, i);
    EXPECT_EQ(SigningTitle(s), kSignTitleOverLimit);
    EXPECT_FALSE(CanSignCandidates(s));
    g.ui.defaultAnswer = true;
    EXPECT_FALSE(SignCandidates(g.game));
    EXPECT_EQ(PlayerCount(s), 18);
    EXPECT_TRUE(g.ui.messages.empty());

    // A dismissal on the way makes room again.
    ASSERT_TRUE(DismissPlayer(s, 0));
    EXPECT_EQ(SigningTitle(s), "契約金の総額は1200万円です。");
    ASSERT_TRUE(SignCandidates(g.game));
    EXPECT_EQ(PlayerCount(s), 20);
    EXPECT_FALSE(s.Players[20].Occupied());

    // A squad that is already full takes nobody, even if a button was left enabled.
    s.Candidates[0] = s.Players[19];
    s.Candidates[0].SignMark = 1;
    EXPECT_FALSE(SignCandidates(g.game));
    EXPECT_FALSE(s.Players[20].Occupied());
}

TEST_F(Signing, SigningAppendsInCandidateOrderAndPaysTheSalaries) {
    SetSquad(6);
    ToggleCandidateMark(s, 1);
    ToggleCandidateMark(s, 0);
    const PlayerRecord first = s.Candidates[0], second = s.Candidates[1];
    g.ui.answers = {false, true};
    EXPECT_FALSE(SignCandidates(g.game));
    EXPECT_EQ(s.Money, 1000);
    ASSERT_TRUE(SignCandidates(g.game));
    EXPECT_EQ(g.ui.messages.back().text, "2人と契約します。\rよろしいですか？");
    EXPECT_EQ(g.ui.messages.back().fontSize, 14);
    EXPECT_EQ(s.Money, 300);
    EXPECT_EQ(s.Players[6].FamilyName, first.FamilyName);
    EXPECT_EQ(s.Players[7].FamilyName, second.FamilyName);
    EXPECT_EQ(s.Players[6].SignMark, 0);
    EXPECT_EQ(s.Players[7].Salary, 400);
    for (const auto &c : s.Candidates) EXPECT_TRUE(c == PlayerRecord{});
}

TEST_F(Signing, DecliningClearsAllCandidatesOnlyOnYes) {
    g.ui.answers = {false, true};
    EXPECT_FALSE(DeclineCandidates(g.game));
    EXPECT_TRUE(s.Candidates[0].Occupied());
    EXPECT_TRUE(DeclineCandidates(g.game));
    EXPECT_EQ(g.ui.messages.back().text, "誰とも契約しなくて\rいいですか？");
    for (const auto &c : s.Candidates) EXPECT_TRUE(c == PlayerRecord{});
    EXPECT_EQ(s.Money, 1000);
}

TEST_F(Signing, CandidateRowShowsAgeStyleAndGrades) {
    PlayerRecord &c = s.Candidates[3];
    c.BirthYear = static_cast<std::int16_t>(YearOf(s.WeekCount) - 22);
    c.Style = 1;
    c.Skill = {250, 221, 181, 136, 106, 71};
    const CandidateRow row = MakeCandidateRow(s, 3);
    EXPECT_EQ(row.age, "22歳");
    EXPECT_EQ(row.style, "前衛");
    EXPECT_EQ(row.styleColour, 0x0000FFu);
    EXPECT_EQ(row.salary, "600万円");
    EXPECT_EQ(row.grades, (std::array<std::string, 6>{"S", "A", "B", "C", "D", "E"}));
    EXPECT_EQ(row.mark, "未契約");
}

}  // namespace
}  // namespace tk
