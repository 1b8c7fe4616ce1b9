// Practice matches played out on a copy of the club, to tell the chance of winning one.
#include "core/rules/win_chance.h"

#include <algorithm>
#include <memory>

#include "core/rules/game.h"
#include "core/rules/lookups.h"
#include "core/rules/match_engine.h"

namespace tk {

namespace {

// The estimate plays silently: no notice, no question, no screen.
class SilentUi : public GameUi {
public:
    void ShowNotice(MessageKind, const std::string &, const std::string &, int) override {}
    bool AskQuestion(const std::string &, const std::string &, int) override { return false; }
    void ChooseCamp(Game &) override {}
    void ShowScoutResult(Game &) override {}
    void DismissAtRenewal(Game &) override {}
    void PlayNextRound(Game &) override {}
};

int WinsOf(GameState &copy, Settings &settings, int level, std::uint64_t seed, int matches) {
    Rng rng(seed);
    SilentUi ui;
    Game game{copy, settings, rng, ui};
    copy.MatchKind(copy.WeekCount) = static_cast<std::uint8_t>(level);
    int wins = 0;
    for (int m = 0; m < matches; ++m) wins += PlayWholeMatch(game, false).won ? 1 : 0;
    return wins;
}

int Percent(int wins, int matches) {
    return matches > 0 ? static_cast<int>((wins * 100LL + matches / 2) / matches) : 0;
}

// The record is large (the whole calendar): one copy on the heap serves every level.
std::unique_ptr<GameState> CopyForMatches(const GameState &s) {
    auto copy = std::make_unique<GameState>(s);
    copy->WeekCount = static_cast<std::int16_t>(std::clamp<int>(s.WeekCount, 0, kLastWeek));
    return copy;
}

}  // namespace

int PracticeWinPercent(const GameState &s, int level, std::uint64_t seed, int matches) {
    auto copy = CopyForMatches(s);
    Settings settings;
    return Percent(WinsOf(*copy, settings, level, seed, matches), matches);
}

std::array<int, 6> PracticeWinPercents(const GameState &s, int matches) {
    auto copy = CopyForMatches(s);
    Settings settings;
    std::array<int, 6> percents{};
    for (int level = 1; level <= 6; ++level)
        percents[static_cast<std::size_t>(level - 1)] =
            Percent(WinsOf(*copy, settings, level, kWinChanceSeed + level, matches), matches);
    return percents;
}

}  // namespace tk
