// Placing a scout request (IraiWin): age band, rank, price and the five drawn candidates.
#pragma once

#include <cstdint>
#include <string>

#include "core/state/game_state.h"

namespace tk {

struct Game;

inline constexpr const char *kScoutRequestCaption = "スカウト　-　条件を指定してください";
inline constexpr const char *kScoutRequestTitle = "依頼内容の確認";
// The roster screen's answer to a second request while one is open.
inline constexpr const char *kScoutAlreadyOpenMessage = "すでにスカウトに依頼を\r出しています。";
inline constexpr const char *kScoutAlreadyOpenTitle = "結果が出るのは6月です。";

inline constexpr int kScoutAgeBands = 4;
inline constexpr int kScoutRanks = 4;
inline constexpr int kStrongestRank = 3;

struct ScoutAgeBand {
    const char *caption;
    int low;
    int high;
    int cost;
};

struct ScoutRank {
    const char *caption;
    int skillLow;
    int skillHigh;
    int salaryLow;
    int salaryHigh;
    int cost;
};

// Age bands 0..3 ("指定しない", "10代", "20代前半", "20代後半") and ranks 0..3 ("弱い",
// "普通", "強い", "最強"); an index out of range reads as band 0 / rank 0.
const ScoutAgeBand &AgeBandOf(int index);
const ScoutRank &RankOf(int index);

// What the request screen holds while it is open; it opens on "指定しない" and "普通".
struct ScoutRequest {
    int ageBand = 0;
    int rank = 1;
};

// "最強" is open to a level-5 team only.
bool IsScoutRankAvailable(const GameState &s, int rank);
std::int32_t ScoutPrice(const ScoutRequest &r);
std::string ScoutPriceText(const ScoutRequest &r);  // under "費用"

// A request is open exactly while candidate 0 holds a name.
bool ScoutRequestOpen(const GameState &s);
// "選手獲得スカウト" of the roster screen: false, after the notice, while a request is open.
bool ScoutRequestAllowed(Game &game);

bool CanPlaceScoutRequest(const GameState &s, const ScoutRequest &r);
std::string ScoutRequestQuestion(const ScoutRequest &r);
// "依頼": asks, then draws the five candidates and pays the price. True when placed (the
// screen closes); false leaves everything as it was.
bool PlaceScoutRequest(Game &game, const ScoutRequest &r);

}  // namespace tk
