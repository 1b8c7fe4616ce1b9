// The sponsor table.
#include "core/rules/sponsors.h"

#include <array>

namespace tk {

namespace {

struct Sponsor {
    const char *name;
    std::int32_t sum;
    const char *joken;
    const char *zyoushu;
    std::int32_t penalty;
};

constexpr std::array<Sponsor, 8> kSponsors = {{
    {"", 0, "", "", 0},
    {"みどり町商店街", 1000, "地区大会ベスト４", "なし", 0},
    {"有限会社 サクラダ", 2500, "関東大会ベスト４", "なし", 0},
    {"株式会社 ホシノ", 4000, "関東大会優勝", "なし", 0},
    {"ハヤテスポーツ", 5000, "全国大会ベスト４", "地区大会ベスト４", 1000},
    {"あおばテレビ", 10000, "全国大会優勝", "関東大会ベスト４", 5000},
    {"カモメ製作所", 30000, "世界大会ベスト４", "全国大会ベスト４", 10000},
    {"ルリ工業", 100000, "世界大会優勝", "世界大会ベスト８", 100000},
}};

const Sponsor &At(int n) {
    return kSponsors[(n >= 1 && n <= 7) ? static_cast<std::size_t>(n) : 0];
}

}  // namespace

std::string SName(int n) {
    return At(n).name;
}
std::int32_t SSalaly(int n) {
    return At(n).sum;
}
std::int32_t SPenalty(int n) {
    return At(n).penalty;
}
std::string SJoken(int n) {
    return At(n).joken;
}
std::string SZyoushu(int n) {
    return At(n).zyoushu;
}

bool SPromissCrear(const GameState &s, int n) {
    return n >= 0 && n <= 7 && s.SponsorState.KeptThisYear[static_cast<std::size_t>(n)] != 0;
}

bool SSelectAble(const GameState &s, int n) {
    return n >= 0 && n <= 7 && s.SponsorState.Unlocked[static_cast<std::size_t>(n)] != 0;
}

}  // namespace tk
