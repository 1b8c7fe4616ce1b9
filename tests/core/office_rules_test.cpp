// The office's figures, its schedule rows and the April sponsor desk.
#include <gtest/gtest.h>

#include "core/rules/lookups.h"
#include "core/rules/new_game.h"
#include "core/rules/office_rules.h"
#include "core/rules/sponsors.h"
#include "tests/support/scripted_ui.h"

namespace tk {
namespace {

class Office : public testing::Test {
protected:
    void SetUp() override {
        StartNewGame(g.game, "T", "M");
        g.ui.defaultAnswer = true;
    }
    test::TestGame g;
    GameState &s = g.state;
};

TEST_F(Office, BalancesAreRedOnlyBelowTheirSnapshot) {
    s.Money = 3000;
    s.LastYear.MoneyAtMonthEnd = 3200;
    s.LastYear.MoneyAtYearEnd = 2500;
    OfficeFigures f = MakeOfficeFigures(s);
    EXPECT_EQ(f.monthBalance, "-200万円");
    EXPECT_EQ(f.monthBalanceColour, 0xFF0000u);
    EXPECT_EQ(f.seasonBalance, "500万円");
    EXPECT_EQ(f.seasonBalanceColour, 0x000000u);
    s.LastYear.MoneyAtMonthEnd = 3000;
    EXPECT_EQ(MakeOfficeFigures(s).monthBalanceColour, 0x000000u);
    // Extreme snapshots never wrap.
    s.Money = 2147483647;
    s.LastYear.MoneyAtMonthEnd = -2147483647 - 1;
    EXPECT_GT(MonthBalance(s), 0);
}

TEST_F(Office, FiguresOfANewGame) {
    s.Coaches[2].Hired = kCoachTeam;
    s.Coaches[3].Hired = kCoachIndividual;
    const OfficeFigures f = MakeOfficeFigures(s);
    EXPECT_EQ(f.level, "Lv.1");
    EXPECT_EQ(f.coachSalaries, "1800万円");
    EXPECT_EQ(f.expectedIncome, "2000万円");
    EXPECT_EQ(f.landUpkeep, "23万円");
    EXPECT_EQ(f.tenantUpkeep, "0万円");
    // Nothing has been earned or spent yet: both balances start at nothing, in black.
    EXPECT_EQ(f.monthBalance, "0万円");
    EXPECT_EQ(f.seasonBalance, "0万円");
    EXPECT_EQ(f.monthBalanceColour, 0x000000u);
    EXPECT_EQ(f.sponsorNames[0], "なし");
    EXPECT_EQ(f.sponsorDescriptions[1], "スポンサー契約\r\rしていません");
}

TEST_F(Office, ShortfallOfTheYearEndSalaries) {
    // Salaries 1500 (players) + 450 (coach 1) against the budget of the team's level.
    for (int i = 0; i < 6; ++i) s.Players[i].Salary = i < 3 ? 500 : 0;
    s.Coaches[1].Hired = kCoachTeam;
    struct Case {
        int level;
        std::int32_t money;
        std::int64_t shortfall;
    };
    const Case cases[] = {
        {1, 0, 0},    // the budget of 2000 covers 1950
        {1, -51, 1},  // ... but not a debt of 51 on top
        {1, -2000, 1950}, {2, -3049, 0}, {2, -3051, 1}, {5, -2147483647 - 1, 2147455598},
    };
    for (const Case &c : cases) {
        s.TeamLevel = static_cast<std::uint8_t>(c.level);
        s.Money = c.money;
        EXPECT_EQ(YearEndShortfall(s), c.shortfall) << c.level << " " << c.money;
        const OfficeFigures f = MakeOfficeFigures(s);
        EXPECT_EQ(f.yearEndShortfall, c.shortfall > 0 ? MoneyText(c.shortfall) : "なし");
        EXPECT_EQ(f.yearEndShortfallColour, c.shortfall > 0 ? 0xFF0000u : 0x000000u);
    }
    EXPECT_EQ(
        ShortfallWarningText(1950),
        "資金が足りません。\r年度末の年俸の支払いに\rチーム予算を足しても\r1950万円不足します。");
}

TEST_F(Office, KeepingMarkShowsOnlyForSponsorsWithAPenalty) {
    s.SponsorState.Contract[1] = 4;
    s.SponsorState.Contract[2] = 1;
    EXPECT_EQ(SponsorKeepingMark(s, 4), "  ×");
    EXPECT_EQ(SponsorKeepingMark(s, 1), "");
    EXPECT_EQ(SponsorSlotDescription(s, 1),
              "収入 5000万円\r常守条件  ×\r" + SZyoushu(4) + "\r違約金 1000万円");
    EXPECT_EQ(SponsorSlotDescription(s, 2), "収入 1000万円\r常守条件\rなし\r違約金 0万円");
    s.SponsorState.KeptThisYear[4] = kTrue;
    EXPECT_EQ(SponsorKeepingMark(s, 4), "  ○");
    EXPECT_EQ(MakeOfficeFigures(s).sponsorNames[0], SName(4));
}

TEST_F(Office, ScheduleRowsNameTheMatchOrNone) {
    s.WeekCount = 101;  // weeks without a fixture or an event
    for (int w = 101; w <= 103; ++w) s.MatchKind(w) = 0;
    const OfficeFigures f = MakeOfficeFigures(s);
    for (const auto &row : f.schedule) EXPECT_EQ(row, "試合予定なし\rなし");
    s.MatchKind(102) = 10;
    s.MatchKind(103) = 99;
    EXPECT_EQ(ScheduleText(s, 1), "春季大会\rなし");
    EXPECT_EQ(ScheduleText(s, 2), "\rなし");
    s.WeekCount = kLastWeek;
    EXPECT_EQ(ScheduleText(s, 2).substr(0, 18), "試合予定なし");
}

TEST_F(Office, SponsorsAreSignedInAprilOnly) {
    s.SponsorState.Unlocked[2] = kTrue;
    for (int w : {12, 13, 16, 17, 61}) {
        s.WeekCount = static_cast<std::int16_t>(w);
        const bool april = (w >= 13 && w <= 16) || w == 61;
        EXPECT_EQ(CanSignSponsors(s), april) << w;
        EXPECT_EQ(CanSignSponsor(s, 1, 2), april) << w;
    }
    s.WeekCount = 20;
    EXPECT_FALSE(SignSponsor(g.game, 1, 2));
    EXPECT_TRUE(g.ui.messages.empty());
}

TEST_F(Office, SignedSponsorShowsDoneAndCannotTakeTheOtherSlot) {
    s.WeekCount = 14;
    s.SponsorState.Unlocked[1] = kTrue;
    s.SponsorState.Unlocked[2] = kTrue;
    s.SponsorState.Contract[2] = 1;
    EXPECT_EQ(SponsorSignedMark(s, 1), "済");
    EXPECT_FALSE(CanSignSponsor(s, 1, 1));
    EXPECT_EQ(SponsorSignedMark(s, 2), "");
    EXPECT_FALSE(CanSignSponsor(s, 1, 3));  // not unlocked
    EXPECT_EQ(SponsorChoiceCaption(s, 3), "スポンサー選択-契約条件を満たしていません");
    EXPECT_EQ(SponsorChoiceCaption(s, 2), "スポンサー選択-契約条件を満たしています");

    // Signing sponsor 2 over sponsor 1 drops sponsor 1 without any payment.
    const std::int32_t money = s.Money;
    ASSERT_TRUE(SignSponsor(g.game, 2, 2));
    EXPECT_EQ(g.ui.messages.back().text, SName(2) + "\rと契約します。\rよろしいですか？");
    EXPECT_EQ(g.ui.messages.back().fontSize, 14);
    EXPECT_EQ(s.SponsorState.Contract[2], 2);
    EXPECT_EQ(s.Money, money);
    EXPECT_EQ(SponsorSignedMark(s, 1), "");
    g.ui.defaultAnswer = false;
    EXPECT_FALSE(SignSponsor(g.game, 1, 1));
    EXPECT_EQ(s.SponsorState.Contract[1], 0);
}

TEST(SponsorChoice, BrowsesOneToSeven) {
    SponsorChoice c;
    EXPECT_FALSE(ShowPreviousSponsor(c));
    for (int i = 0; i < 6; ++i) EXPECT_TRUE(ShowNextSponsor(c));
    EXPECT_EQ(SponsorPositionText(c.shown), "7/7");
    EXPECT_FALSE(ShowNextSponsor(c));
    EXPECT_EQ(SponsorFeeText(3), "4000万円/年");
}

}  // namespace
}  // namespace tk
