// The grounds screens' rules: lot texts and commands, maintenance marks, buying land,
// starting a building (two construction planes) and restoring worn courts.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "core/state/game_state.h"

namespace tk {

struct Game;

inline constexpr std::int32_t kLandPrice = 5000;
inline constexpr int kMaxDurability = 1000;

inline constexpr const char *kBuyLandQuestion =
    "土地を購入します。\r費用は5000万円です。\rよろしいですか？";
inline constexpr const char *kBuildersBusyNotice =
    "今週は工事会社が\r忙しいので来週以降に\rしてください";
inline constexpr const char *kConstructionCaption = "建設物を選んでください";
inline constexpr const char *kLightingCaption = "照明有";
inline constexpr const char *kMaintenanceCaption = "整備を行います";
inline constexpr const char *kUnusableText = "使用不可";

// --- Lots as the screens show them ----------------------------------------------------
// Every colour here is 0xRRGGBB, like GradeColour (red in the high byte): the game's
// 0xBBGGRR values are already turned round, so the screens take them with ColorFromRgb.

bool IsLot(int lot);  // 0..8

std::string LotNumberText(int lot);                         // "No. 3"
std::string LotUsabilityText(const GameState &s, int lot);  // CCan, or "使用不可"
std::string LotNameText(const GameState &s, int lot);
std::string LotUpkeepText(const GameState &s, int lot);  // "維持費 3万円/月"
std::string LotCommentText(const GameState &s, int lot);
int DurabilityBarWidth(int durability);  // twips, main screen and lot screen
// Light orange (0xFFC080) while shown usable, red (0xFF0000) below.
std::uint32_t DurabilityBarColour(const FacilityRecord &lot);
// The lot screen's tile background: grey for land for sale, dark grey for the office, a
// training room or a building site; courts keep their own picture.
std::optional<std::uint32_t> LotTileBackground(const GameState &s, int lot);

// The whole-grounds screen's condition bar of a court lot; none for other lots.
struct ConditionBar {
    int width = 0;  // pixels
    std::uint32_t colour = 0;
};
std::optional<ConditionBar> WholeGroundsBar(const GameState &s, int lot);

// The whole-grounds screen's "コート状況" after a recount: rows "晴れ/昼間", "晴れ/夜",
// "雨天時" under "使えるコート" and "使えないコート".
struct CourtTable {
    std::array<int, 3> usable{};
    std::array<int, 3> unusable{};
};
CourtTable WholeGroundsCourtTable(GameState &s);

struct LotCommands {
    bool buy = false;       // "購入"
    bool maintain = false;  // "整備"
    bool build = false;     // "工事"
    bool operator==(const LotCommands &) const = default;
};

bool CanBuyLand(const GameState &s, int lot);
bool CanMaintainLot(const GameState &s, int lot);
bool CanBuildOnLot(const GameState &s, int lot);
LotCommands LotScreenCommands(const GameState &s, int lot);

// --- Maintenance marks (kept by the session between the two grounds screens) -----------

struct MaintainMarks {
    std::array<bool, kLots> marked{};
};

bool ToggleMaintainMark(MaintainMarks &marks, int lot);  // false for no lot
// The lot screen's "整備": marks its court; false for any other lot.
bool MarkForMaintenance(const GameState &s, MaintainMarks &marks, int lot);
int MarkedLotCount(const MaintainMarks &marks);
int SingleMarkedLot(const MaintainMarks &marks);  // the lot when exactly one is marked, else -1
void ClearMaintainMarks(MaintainMarks &marks);
LotCommands WholeGroundsCommands(const GameState &s, const MaintainMarks &marks);

// --- Buying land and building (BoughtTochiWin) ---------------------------------------

// The construction screen's state. A purchase's 5000 is settled exactly once: by a
// building, by the busy builders' refusal, or by CancelPurchase.
struct ConstructionChoice {
    int lot = 0;
    bool afterPurchase = false;  // opened by a land purchase
    bool settled = false;        // the land price has been built on or given back
    int kind = kOutdoorCourt;    // 0, 1 (lit), 4 or 6
};

// "購入": asks, pays 5000 and returns the construction screen's state; the lot stays for
// sale until a building starts on it.
std::optional<ConstructionChoice> BuyLand(Game &game, int lot);
// "工事" on a court or the training room.
std::optional<ConstructionChoice> OpenConstruction(const GameState &s, int lot);
// "閉じる" is refused after a purchase: the land is bought to be built on.
bool CanCloseConstruction(const ConstructionChoice &c);
// Leaving the screen after a purchase without building gives the 5000 back, once.
void CancelPurchase(Game &game, ConstructionChoice &c);

// Options 0 "屋外コート", 4 "室内コート", 6 "トレーニング室"; false for anything else.
bool ChooseBuilding(ConstructionChoice &c, int option);
bool CanSetLighting(const ConstructionChoice &c);  // only for the outdoor court
bool SetLighting(ConstructionChoice &c, bool on);
inline bool LightingChecked(const ConstructionChoice &c) {
    return c.kind == kLitCourt;
}
// The chosen building 0xFFC080, the others 0x80FF80 (0xRRGGBB).
std::uint32_t BuildingOptionColour(const ConstructionChoice &c, int option);

std::int32_t ConstructionCost(int kind);      // upkeep x 50
std::string ConstructionCostText(int kind);   // "建設費 150万円"
std::string ConstructionWeeksText(int kind);  // "工事 1週間"
std::string BuildQuestion(const GameState &s, int kind);
std::string ConstructionStartedNotice(int weeks);

// Books a building for week WeekCount + its weeks in the first free construction plane and
// makes the lot a building site. Refused with the busy notice when both planes of that week
// are taken or the week lies past the end of the calendar.
bool StartConstruction(Game &game, int kind, int lot);

enum class BuildResult { Declined, Started, Refused };
// "建設": asks; on yes starts the building and pays for it, or, refused after a purchase,
// gives the land price back. The screen closes unless the answer was no.
BuildResult Build(Game &game, ConstructionChoice &c);

// --- Maintenance (SeibiWin) ----------------------------------------------------------

inline constexpr int kDefaultMaintenanceLevel = 2;
std::string MaintenanceLevelCaption(int level);  // 1 "軽く", 2 "普通", 3 "しっかり"
std::int32_t MaintenanceCost(int count, int level);
std::string MaintenanceCountText(int count);  // "3つ"
std::string MaintenanceCostText(int count, int level);
bool CanMaintain(int count, int level);
std::string MaintenanceQuestion(int count, int level);
// "整備": asks; on yes pays for `count` courts and restores every marked lot by
// level x 150 (at most 1000), clearing its mark. True when done (the screen closes).
bool Maintain(Game &game, MaintainMarks &marks, int count, int level);

}  // namespace tk
