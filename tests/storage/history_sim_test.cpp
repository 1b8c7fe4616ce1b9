// Long headless games that keep a history, read back: a hundred seasons, a game saved and
// loaded from an older week, and the same game with and without a history.
#include <gtest/gtest.h>

#include <set>

#include <QDir>
#include <QTemporaryDir>

#include "core/rules/lookups.h"
#include "core/state/record_codec.h"
#include "history/history_store.h"
#include "tests/support/recording_sink.h"
#include "tools/sim/sim_history.h"
#include "tools/sim/simulation.h"

namespace tk {
namespace {

constexpr std::int32_t kRichClub = 1000000000;

std::uint64_t Fingerprint(const GameState &s) {
    auto bytes = EncodeGameState(s);
    return bytes ? sim::Fnv1a(bytes.Value().data(), bytes.Value().size()) : 0;
}

// The last month end the game has played before week `now`.
int LastMonthEnd(int now) {
    int w = now - 1;
    while (WeekOfMonth(w) != 4) --w;
    return w;
}

int MonthEndsBetween(int from, int to) {  // weeks from..to-1 that end a month
    int n = 0;
    for (int w = from; w < to; ++w) n += WeekOfMonth(w) == 4 ? 1 : 0;
    return n;
}

class HistorySimTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString path = QDir(dir.path()).filePath(QStringLiteral("Save0.Kumo.history"));
};

TEST_F(HistorySimTest, AHundredYearsAreReadBackAsTheyWerePlayed) {
    // The same game twice: once told to a history on disk, once to a listener in memory.
    sim::Simulation played(5, sim::MakeActivePolicy()), heard(5, sim::MakeActivePolicy());
    test::RecordingSink sink;
    heard.SetHistory(&sink);
    sim::SimHistory history;
    for (sim::Simulation *s : {&played, &heard}) {
        s->StartNew("テニス部", "山田");
        s->State().Money = kRichClub;
    }
    ASSERT_TRUE(history.Open(path, played, true));
    played.Play(5000);
    heard.Play(5000);
    ASSERT_EQ(played.LastOutcome(), WeekOutcome::CalendarEnd);
    ASSERT_TRUE(history.Close());
    EXPECT_EQ(Fingerprint(played.State()), Fingerprint(heard.State()));

    auto opened = HistoryStore::Open(path, {"テニス部", played.State().WeekCount, false});
    ASSERT_TRUE(opened.store) << opened.reason;
    const HistoryStore &h = *opened.store;
    const auto seasons = h.Seasons();
    ASSERT_EQ(seasons.size(), sink.seasons.size());
    ASSERT_EQ(seasons.size(), 99u);
    for (std::size_t i = 0; i < seasons.size(); ++i) {
        const SeasonRecord &got = seasons[seasons.size() - 1 - i], &want = sink.seasons[i];
        EXPECT_EQ(got.season, want.season);
        EXPECT_EQ(got.funds, want.funds) << want.season;
        EXPECT_EQ(got.teamLevel, want.teamLevel) << want.season;
        EXPECT_EQ(got.money.salaries, want.money.salaries) << want.season;
        EXPECT_EQ(got.results, want.results) << want.season;
        EXPECT_EQ(got.competitions, want.competitions) << want.season;
        ASSERT_EQ(got.squad.size(), want.squad.size()) << want.season;
        for (std::size_t p = 0; p < got.squad.size(); ++p)
            EXPECT_EQ(got.squad[p].name, want.squad[p].name);
    }
    EXPECT_EQ(
        h.Messages().size(),
        static_cast<std::size_t>(played.Ui().notices + played.Ui().questions + played.Ui().alerts));
    EXPECT_FALSE(h.LatestSummary().empty());
    // Every player of the last squad has a curve up to the last month end.
    for (const MonthPlayer &p : MakeMonthRecord(played.State())) {
        const auto curve = h.Curve(p.key);
        ASSERT_FALSE(curve.empty());
        EXPECT_EQ(curve.back().week, LastMonthEnd(played.State().WeekCount));
    }
    std::size_t points = 0;
    for (const PlayerRow &p : h.Players()) points += h.Curve(p.key).size();
    EXPECT_GT(points, static_cast<std::size_t>(MonthEndsBetween(13, kLastWeek)) * 5);
}

// A game saved in year 6, played on to year 11 with its history, then loaded from the save
// and played on differently: every month end and season is there once.
TEST_F(HistorySimTest, PlayingOnFromAnOlderSaveRecordsEachWeekOnce) {
    sim::Simulation first(8, sim::MakeActivePolicy());
    first.StartNew("テニス部", "山田");
    first.State().Money = kRichClub;
    sim::SimHistory history;
    ASSERT_TRUE(history.Open(path, first, true));
    first.Play(48 * 5);
    const GameState saved = first.State();
    first.Play(48 * 5 + 7);
    ASSERT_TRUE(history.Close());

    sim::Simulation second(99, sim::MakeActivePolicy());
    second.Load(saved);
    ASSERT_TRUE(history.Open(path, second, false));
    second.Play(48 * 3);
    ASSERT_TRUE(history.Close());

    auto opened = HistoryStore::Open(path, {"テニス部", second.State().WeekCount, false});
    ASSERT_TRUE(opened.store);
    std::set<int> seasons;
    for (const SeasonRecord &s : opened.store->Seasons())
        EXPECT_TRUE(seasons.insert(s.season).second);
    EXPECT_EQ(seasons.size(), static_cast<std::size_t>(SeasonOfYearEnd(second.State().WeekCount)));
    for (const MonthPlayer &p : MakeMonthRecord(second.State())) {
        std::set<int> weeks;
        for (const CurvePoint &c : opened.store->Curve(p.key))
            EXPECT_TRUE(weeks.insert(c.week).second);
        EXPECT_EQ(*weeks.rbegin(), LastMonthEnd(second.State().WeekCount));
    }
    for (const MessageRow &m : opened.store->Messages())
        EXPECT_LT(m.week, second.State().WeekCount + 1);
}

}  // namespace
}  // namespace tk
