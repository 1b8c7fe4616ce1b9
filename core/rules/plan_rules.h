// The practice plan: the whole-team menu, the names on the practice screen (PracMenuWin)
// and the split of the usable courts between team and individual practice (DistributeWin).
#pragma once

#include <array>
#include <string>

#include "core/state/game_state.h"

namespace tk {

inline constexpr const char *kPracticePlanCaption =
    "練習・コーチ設定 - コーチの設定は4月のみです。";
inline constexpr const char *kCourtSplitCaption = "コート配分";
inline constexpr const char *kNobody = "なし";

// --- Whole-team practice menu ---------------------------------------------------------

inline constexpr int kPracticeMenus = 8;
// "基本練習", "基礎練習", "筋力練習", "技術練習", "敏捷練習", "実践練習", "応用練習", "発展練習".
std::string PracticeMenuName(int menu);
// 応用練習 opens at team level 4, 発展練習 at level 5; the others are always open.
bool IsPracticeMenuAvailable(const GameState &s, int menu);
// A menu may be chosen when it is open, or when it is the one in force (a stored menu stays
// in force whatever the level).
bool CanChoosePracticeMenu(const GameState &s, int menu);
// "閉じる" stores the screen's choice; false, changing nothing, for a menu it may not hold.
bool StorePracticeMenu(GameState &s, int menu);

// --- Names on the practice screen ----------------------------------------------------

// The two coach "選択" buttons: April only.
bool CanChooseCoaches(const GameState &s);
// The three player "選択" buttons: only with an individual coach.
bool CanChoosePracticePlayers(const GameState &s);
// Label `Personal`(k): 1..3 the players of the individual places (empty without an
// individual coach), 4 the whole-team coach, 5 the individual coach; "なし" for nobody.
std::string PracticePlanLabel(const GameState &s, int k);

// --- Court split ---------------------------------------------------------------------

enum class CourtSituation { FineDay = 0, FineNight = 1, Rain = 2 };
inline constexpr std::array<CourtSituation, 3> kCourtSituations = {
    CourtSituation::FineDay, CourtSituation::FineNight, CourtSituation::Rain};

struct CourtSplit {
    int team = 0;        // 全体練習
    int individual = 0;  // 個人練習
    bool operator==(const CourtSplit &) const = default;
};

// Recounts the usable courts (fitting the allotments to them) and gives the three splits.
std::array<CourtSplit, 3> CourtSplits(GameState &s);
std::string CourtSplitText(const CourtSplit &split);  // "3 : 1"

// "全体練習を増やす": a court moves from individual to team practice while there is one.
bool CanAddTeamCourt(const GameState &s, CourtSituation k);
bool AddTeamCourt(GameState &s, CourtSituation k);
// "個人練習を増やす": only with an individual coach, while team practice keeps a court and
// individual practice has fewer than two.
bool CanAddIndividualCourt(const GameState &s, CourtSituation k);
bool AddIndividualCourt(GameState &s, CourtSituation k);

}  // namespace tk
