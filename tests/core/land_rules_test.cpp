// The grounds screens' rules: buying, the two construction planes, refunds and maintenance.
#include <gtest/gtest.h>

#include "core/rules/court_rules.h"
#include "core/rules/land_rules.h"
#include "core/rules/new_game.h"
#include "tests/support/scripted_ui.h"

namespace tk {
namespace {

class Grounds : public testing::Test {
protected:
    void SetUp() override {
        StartNewGame(g.game, "T", "M");
        g.ui.defaultAnswer = true;
        s.WeekCount = 100;
    }
    // Starts a building of `kind` on land-for-sale lot `lot` through the purchase flow.
    BuildResult BuyAndBuild(int lot, int kind) {
        auto choice = BuyLand(g.game, lot);
        EXPECT_TRUE(choice.has_value());
        if (!choice) return BuildResult::Declined;
        ChooseBuilding(*choice, kind == kLitCourt ? kOutdoorCourt : kind);
        if (kind == kLitCourt) SetLighting(*choice, true);
        return Build(g.game, *choice);
    }
    test::TestGame g;
    GameState &s = g.state;
};

TEST_F(Grounds, BusyBuildersConcernOnlyTheWeekOfCompletion) {
    s.Money = 100000;
    EXPECT_EQ(BuyAndBuild(2, kLitCourt), BuildResult::Started);
    EXPECT_EQ(BuyAndBuild(3, kLitCourt), BuildResult::Started);
    EXPECT_EQ(s.BuildLot(1, 103), 2);
    EXPECT_EQ(s.BuildKind(1, 103), kLitCourt);
    EXPECT_EQ(s.BuildLot(2, 103), 3);
    EXPECT_EQ(s.Facilities[2].Kind, kUnderConstruction);
    EXPECT_EQ(g.ui.messages.back().text, "工事が始まりました。\r完成は3週間後です");
    EXPECT_EQ(s.Money, 100000 - 2 * (5000 + 400));

    const std::int32_t before = s.Money;
    EXPECT_EQ(BuyAndBuild(4, kLitCourt), BuildResult::Refused);
    EXPECT_EQ(g.ui.messages.back().text, kBuildersBusyNotice);
    EXPECT_EQ(s.Money, before);  // the land price came back and nothing was charged
    EXPECT_EQ(s.Facilities[4].Kind, kLandForSale);

    EXPECT_EQ(BuyAndBuild(4, kOutdoorCourt), BuildResult::Started);
    EXPECT_EQ(s.BuildLot(1, 101), 4);
    EXPECT_EQ(g.ui.messages.back().text, "工事が始まりました。\r完成は1週間後です");
}

TEST_F(Grounds, NoBuildingFinishesPastTheEndOfTheCalendar) {
    s.WeekCount = kLastWeek - 2;
    s.Money = 10000;
    EXPECT_EQ(BuyAndBuild(5, kLitCourt), BuildResult::Refused);
    EXPECT_EQ(g.ui.messages.back().text, kBuildersBusyNotice);
    EXPECT_EQ(s.Money, 10000);
    EXPECT_EQ(s.Facilities[5].Kind, kLandForSale);
    EXPECT_EQ(BuyAndBuild(5, kOutdoorCourt), BuildResult::Started);
    EXPECT_EQ(s.BuildLot(1, kLastWeek - 1), 5);
}

TEST_F(Grounds, AbandonedPurchaseGivesThePriceBackOnce) {
    s.Money = 6000;
    auto choice = BuyLand(g.game, 6);
    ASSERT_TRUE(choice);
    EXPECT_EQ(g.ui.messages.back().text,
              "土地を購入します。\r費用は5000万円です。\rよろしいですか？");
    EXPECT_EQ(s.Money, 1000);
    EXPECT_FALSE(CanCloseConstruction(*choice));
    CancelPurchase(g.game, *choice);
    CancelPurchase(g.game, *choice);
    EXPECT_EQ(s.Money, 6000);
    EXPECT_EQ(s.Facilities[6].Kind, kLandForSale);
    EXPECT_EQ(Build(g.game, *choice), BuildResult::Refused);
    EXPECT_EQ(s.Money, 6000);

    g.ui.defaultAnswer = false;
    EXPECT_FALSE(BuyLand(g.game, 6));
    EXPECT_FALSE(BuyLand(g.game, 1));  // a court is not for sale
    EXPECT_EQ(s.Money, 6000);
}

TEST_F(Grounds, RebuildingKeepsDurabilityAndCostsOnlyTheBuilding) {
    s.Facilities[1].Durability = 420;
    s.Money = 1000;
    auto choice = OpenConstruction(s, 1);
    ASSERT_TRUE(choice);
    EXPECT_TRUE(CanCloseConstruction(*choice));
    EXPECT_EQ(ConstructionCostText(choice->kind), "建設費 150万円");
    EXPECT_EQ(ConstructionWeeksText(choice->kind), "工事 1週間");
    ChooseBuilding(*choice, kIndoorCourt);
    EXPECT_FALSE(CanSetLighting(*choice));
    EXPECT_FALSE(SetLighting(*choice, true));
    EXPECT_EQ(Build(g.game, *choice), BuildResult::Started);
    EXPECT_EQ(s.Money, 400);
    EXPECT_EQ(s.Facilities[1], (FacilityRecord{kUnderConstruction, 420}));
    EXPECT_FALSE(OpenConstruction(s, 1));  // a building site takes no second building
    EXPECT_FALSE(OpenConstruction(s, 0));  // nor does the office
}

TEST_F(Grounds, MaintenanceCostFollowsTheCountAndRestorationTheMarks) {
    EXPECT_EQ(MaintenanceCost(3, 1), 30);
    EXPECT_EQ(MaintenanceCost(3, 3), 90);
    EXPECT_EQ(MaintenanceCostText(9, 2), "180万円");
    s.Facilities[1] = {kOutdoorCourt, 900};
    s.Facilities[2] = {kIndoorCourt, 0};
    s.Money = 500;
    MaintainMarks marks;
    // A maintenance cancelled on the lot screen leaves its mark.
    ASSERT_TRUE(MarkForMaintenance(s, marks, 1));
    ASSERT_TRUE(MarkForMaintenance(s, marks, 2));
    EXPECT_FALSE(MarkForMaintenance(s, marks, 0));
    g.ui.answers = {true};
    ASSERT_TRUE(Maintain(g.game, marks, 1, 3));
    EXPECT_EQ(g.ui.messages.back().text, "費用が30万円かかりますが\r良いですか？");
    EXPECT_EQ(s.Money, 470);
    EXPECT_EQ(s.Facilities[1].Durability, 1000);
    EXPECT_EQ(s.Facilities[2].Durability, 450);
    EXPECT_EQ(MarkedLotCount(marks), 0);

    s.Facilities[2].Durability = 0;
    MarkForMaintenance(s, marks, 2);
    g.ui.answers = {false, true};
    EXPECT_FALSE(Maintain(g.game, marks, 1, 1));
    EXPECT_EQ(MarkedLotCount(marks), 1);
    ASSERT_TRUE(Maintain(g.game, marks, 1, 1));
    EXPECT_EQ(s.Facilities[2].Durability, 150);
    EXPECT_FALSE(CanMaintain(0, 2));
    EXPECT_FALSE(CanMaintain(1, 4));
}

TEST_F(Grounds, DurabilityIsShownUsableAbove199AndCountedAbove200) {
    struct Case {
        int durability;
        const char *shown;
        int counted;
        std::uint32_t bar;
    };
    for (const Case c : {Case{199, "使用不可", 0, 0xFF0000u}, Case{200, "使用可", 0, 0xFFC080u},
                         Case{201, "使用可", 1, 0xFFC080u}}) {
        s.Facilities[1] = {kOutdoorCourt, static_cast<std::int16_t>(c.durability)};
        s.TimeOfDay = 0;
        s.Weather = 0;
        EXPECT_EQ(LotUsabilityText(s, 1), c.shown);
        EXPECT_EQ(CountCourts(s)[kCourtsFineDay], c.counted);
        EXPECT_EQ(DurabilityBarColour(s.Facilities[1]), c.bar);
        EXPECT_EQ(WholeGroundsCourtTable(s).unusable[0], 1 - c.counted);
    }
    EXPECT_EQ(DurabilityBarWidth(1000), 1600);
    s.Facilities[1].Durability = 250;
    EXPECT_EQ(WholeGroundsBar(s, 1)->colour, 0xFF8080u);
    EXPECT_EQ(WholeGroundsBar(s, 1)->width, 25);
    s.Facilities[1].Durability = 300;
    EXPECT_EQ(WholeGroundsBar(s, 1)->colour, 0x80FFFFu);
    EXPECT_FALSE(WholeGroundsBar(s, 0));
}

TEST_F(Grounds, CommandsFollowTheKindOfTheLot) {
    s.Facilities[3].Kind = kTrainingRoom;
    s.Facilities[4].Kind = kUnderConstruction;
    EXPECT_EQ(LotScreenCommands(s, 0), (LotCommands{false, false, false}));
    EXPECT_EQ(LotScreenCommands(s, 1), (LotCommands{false, true, true}));
    EXPECT_EQ(LotScreenCommands(s, 2), (LotCommands{true, false, false}));
    EXPECT_EQ(LotScreenCommands(s, 3), (LotCommands{false, false, true}));
    EXPECT_EQ(LotScreenCommands(s, 4), (LotCommands{false, false, false}));
    EXPECT_EQ(LotUpkeepText(s, 0), "維持費 20万円/月");
    EXPECT_EQ(LotNumberText(8), "No. 9");

    MaintainMarks marks;
    EXPECT_EQ(WholeGroundsCommands(s, marks), (LotCommands{}));
    ToggleMaintainMark(marks, 2);
    EXPECT_EQ(WholeGroundsCommands(s, marks), (LotCommands{true, false, false}));
    ToggleMaintainMark(marks, 1);
    EXPECT_EQ(WholeGroundsCommands(s, marks), (LotCommands{false, false, false}));
    ToggleMaintainMark(marks, 2);
    EXPECT_EQ(WholeGroundsCommands(s, marks), (LotCommands{false, true, true}));
    EXPECT_FALSE(ToggleMaintainMark(marks, 9));
    ClearMaintainMarks(marks);
    EXPECT_EQ(MarkedLotCount(marks), 0);
}

}  // namespace
}  // namespace tk
