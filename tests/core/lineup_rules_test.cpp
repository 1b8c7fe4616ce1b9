// The regulars' places, the bench, swaps and moves.
#include <gtest/gtest.h>

#include "core/rules/lineup_rules.h"
#include "core/rules/lookups.h"
#include "tests/support/scripted_ui.h"

namespace tk {
namespace {

using test::TestGame;

// n players in slots 0..n-1; the first five hold places 1..5.
void MakeSquad(GameState &s, int n) {
    for (int i = 0; i < n; ++i) {
        PlayerRecord &p = s.Players[i];
        p.FamilyName = static_cast<std::uint8_t>(i + 1);
        p.FirstName = static_cast<std::uint8_t>(i + 1);
        p.Order = static_cast<std::uint8_t>(i < 5 ? i + 1 : 0);
    }
}

TEST(Lineup, BenchAndPlaces) {
    TestGame t;
    MakeSquad(t.state, 8);
    const BenchMap bench = FillBench(t.state);
    EXPECT_EQ(bench[0], 5);
    EXPECT_EQ(bench[1], 6);
    EXPECT_EQ(bench[2], 7);
    EXPECT_EQ(bench[3], kEmptyCell);
    EXPECT_EQ(PlaceSlot(t.state, 3), 2);
    EXPECT_EQ(PlaceName(t.state, 3), PersonName(t.state, 2));
    EXPECT_TRUE(AllFilled(t.state));
    EXPECT_TRUE(TryCloseLineup(t.game));
    EXPECT_TRUE(t.ui.messages.empty());
}

TEST(Lineup, EmptyPlaceKeepsTheScreenOpen) {
    TestGame t;
    MakeSquad(t.state, 6);
    t.state.Players[3] = {};  // a dismissed regular
    EXPECT_EQ(PlaceName(t.state, 4), " ");
    EXPECT_FALSE(AllFilled(t.state));
    EXPECT_FALSE(TryCloseLineup(t.game));
    ASSERT_EQ(t.ui.messages.size(), 1u);
    EXPECT_EQ(t.ui.messages[0].text, "レギュラーを\r５人決めてください。");
    EXPECT_EQ(t.ui.messages[0].fontSize, 14);

    // Swapping into the empty place sends nobody to the bench.
    EXPECT_TRUE(SwapIntoPlace(t.state, 5, 4));
    EXPECT_EQ(PlaceSlot(t.state, 4), 5);
    EXPECT_EQ(FillBench(t.state)[0], kEmptyCell);
    EXPECT_TRUE(AllFilled(t.state));
    EXPECT_EQ(t.state.Players[kSquadSlots].Order, 0);
}

TEST(Lineup, SwapSendsTheRegularToTheBench) {
    TestGame t;
    MakeSquad(t.state, 7);
    EXPECT_TRUE(SwapIntoPlace(t.state, 6, 2));
    EXPECT_EQ(PlaceSlot(t.state, 2), 6);
    EXPECT_EQ(t.state.Players[1].Order, 0);
    EXPECT_EQ(FillBench(t.state)[0], 1);
    EXPECT_EQ(FillBench(t.state)[1], 5);
    // A regular or an empty slot cannot be swapped in.
    EXPECT_FALSE(SwapIntoPlace(t.state, 0, 3));
    EXPECT_FALSE(SwapIntoPlace(t.state, 12, 3));
    EXPECT_FALSE(SwapIntoPlace(t.state, 1, 6));
    EXPECT_EQ(PlaceSlot(t.state, 3), 2);
}

TEST(Lineup, MoveUpAndDown) {
    TestGame t;
    MakeSquad(t.state, 6);
    EXPECT_EQ(MovePlace(t.state, 2, -1), 1);
    EXPECT_EQ(PlaceSlot(t.state, 1), 1);
    EXPECT_EQ(PlaceSlot(t.state, 2), 0);
    EXPECT_EQ(MovePlace(t.state, 4, +1), 5);
    EXPECT_EQ(PlaceSlot(t.state, 5), 3);
    EXPECT_EQ(PlaceSlot(t.state, 4), 4);
    EXPECT_EQ(MovePlace(t.state, 1, -1), 1);
    EXPECT_EQ(MovePlace(t.state, 5, +1), 5);
    EXPECT_FALSE(CanMoveUp(1));
    EXPECT_TRUE(CanMoveDown(1));
    EXPECT_TRUE(CanMoveUp(5));
    EXPECT_FALSE(CanMoveDown(5));
    // Moving next to an empty place leaves the place it came from empty.
    t.state.Players[0].Order = 0;  // place 2 empty
    EXPECT_EQ(MovePlace(t.state, 1, +1), 2);
    EXPECT_EQ(PlaceName(t.state, 1), " ");
    EXPECT_EQ(t.state.Players[kSquadSlots].Order, 0);
}

TEST(Lineup, ArrowKeysStayOnFilledCells) {
    TestGame t;
    MakeSquad(t.state, 12);  // seven on the bench: cells 0..6
    const BenchMap bench = FillBench(t.state);
    EXPECT_EQ(MoveBenchSelection(bench, 0, +5), 5);
    EXPECT_EQ(MoveBenchSelection(bench, 5, +5), 5);  // cell 10 is empty
    EXPECT_EQ(MoveBenchSelection(bench, 0, -1), 0);
    EXPECT_EQ(MoveBenchSelection(bench, 6, +1), 6);
    EXPECT_EQ(MoveBenchSelection(bench, 4, +1), 5);
}

// With places empty the bench may hold twenty: it scrolls by columns and shows them all.
TEST(Lineup, LongBenchScrollsByColumns) {
    TestGame t;
    MakeSquad(t.state, 20);
    EXPECT_EQ(BenchColumns(t.state), 3);  // fifteen on the bench fit
    for (PlayerRecord &p : t.state.Players) p.Order = 0;
    EXPECT_EQ(BenchColumns(t.state), 4);
    EXPECT_EQ(FillBench(t.state, 0), FillBench(t.state));
    EXPECT_EQ(FillBench(t.state)[14], 14);
    const BenchMap scrolled = FillBench(t.state, 1);
    EXPECT_EQ(scrolled[0], 5);
    EXPECT_EQ(scrolled[14], 19);
    EXPECT_EQ(FillBench(t.state, 2)[9], 19);
    EXPECT_EQ(FillBench(t.state, 2)[10], kEmptyCell);
}

TEST(Lineup, AutoFillTakesBenchPlayersInOrder) {
    TestGame t;
    MakeSquad(t.state, 8);
    t.state.Players[0].Order = 0;
    t.state.Players[4].Order = 0;
    AutoFillLineup(t.state);
    EXPECT_TRUE(AllFilled(t.state));
    EXPECT_EQ(PlaceSlot(t.state, 1), 0);
    EXPECT_EQ(PlaceSlot(t.state, 5), 4);
}

}  // namespace
}  // namespace tk
