// Lot texts and commands, maintenance marks, land purchase, construction and maintenance.
#include "core/rules/land_rules.h"

#include <algorithm>

#include "core/rules/catalogue.h"
#include "core/rules/court_rules.h"
#include "core/rules/game.h"
#include "core/rules/lookups.h"

namespace tk {

namespace {

constexpr std::uint32_t kBarFine = 0xFFC080;       // light orange
constexpr std::uint32_t kBarWorn = 0xFF0000;       // red
constexpr std::uint32_t kBarGood = 0x80FFFF;       // light cyan
constexpr std::uint32_t kBarFair = 0xFF8080;       // pink
constexpr std::uint32_t kTileForSale = 0xC0C0C0;   // grey
constexpr std::uint32_t kTileBuilding = 0x808080;  // dark grey
constexpr std::uint32_t kOptionChosen = 0xFFC080;
constexpr std::uint32_t kOptionOther = 0x80FF80;

const FacilityRecord &LotAt(const GameState &s, int lot) {
    return s.Facilities[static_cast<std::size_t>(lot)];
}

int KindOf(const GameState &s, int lot) {
    return IsLot(lot) ? LotAt(s, lot).Kind : -1;
}

bool IsBuildableKind(int kind) {
    return IsCourt(kind) || kind == kTrainingRoom;
}

// The office stands on lot 0 for the whole game, and lot 0 marks a free calendar entry.
bool IsBuildingLot(int lot) {
    return lot >= 1 && lot < kLots;
}

}  // namespace

bool IsLot(int lot) {
    return lot >= 0 && lot < kLots;
}

std::string LotNumberText(int lot) {
    return "No. " + std::to_string(lot + 1);
}

std::string LotUsabilityText(const GameState &s, int lot) {
    if (!IsLot(lot)) return "";
    return ShownUsable(LotAt(s, lot)) ? CCan(s, LotAt(s, lot).Kind) : kUnusableText;
}

std::string LotNameText(const GameState &s, int lot) {
    return IsLot(lot) ? CNames(s, LotAt(s, lot).Kind) : "";
}

std::string LotUpkeepText(const GameState &s, int lot) {
    return IsLot(lot) ? "維持費 " + MoneyText(CIzi(LotAt(s, lot).Kind)) + "/月" : "";
}

std::string LotCommentText(const GameState &s, int lot) {
    return IsLot(lot) ? Comments(s, LotAt(s, lot).Kind) : "";
}

int DurabilityBarWidth(int durability) {
    return RoundEven(durability * 1.6);
}

std::uint32_t DurabilityBarColour(const FacilityRecord &lot) {
    return ShownUsable(lot) ? kBarFine : kBarWorn;
}

std::optional<std::uint32_t> LotTileBackground(const GameState &s, int lot) {
    switch (KindOf(s, lot)) {
        case kLandForSale: return kTileForSale;
        case kOffice:
        case kTrainingRoom:
        case kUnderConstruction: return kTileBuilding;
        default: return std::nullopt;
    }
}

std::optional<ConditionBar> WholeGroundsBar(const GameState &s, int lot) {
    if (!IsCourt(KindOf(s, lot))) return std::nullopt;
    const int d = LotAt(s, lot).Durability;
    const std::uint32_t colour = d <= kShownUsableAbove ? kBarWorn : d > 299 ? kBarGood : kBarFair;
    return ConditionBar{RoundEven(d / 10.0), colour};
}

CourtTable WholeGroundsCourtTable(GameState &s) {
    const CourtCounts counts = CountUsableCourts(s);
    CourtTable t;
    for (std::size_t row = 0; row < 3; ++row) {
        t.usable[row] = counts[row];
        t.unusable[row] = counts[kCourtsAll] - counts[row];
    }
    return t;
}

bool CanBuyLand(const GameState &s, int lot) {
    return IsBuildingLot(lot) && KindOf(s, lot) == kLandForSale;
}

bool CanMaintainLot(const GameState &s, int lot) {
    return IsCourt(KindOf(s, lot));
}

bool CanBuildOnLot(const GameState &s, int lot) {
    return IsBuildingLot(lot) && IsBuildableKind(KindOf(s, lot));
}

LotCommands LotScreenCommands(const GameState &s, int lot) {
    return {CanBuyLand(s, lot), CanMaintainLot(s, lot), CanBuildOnLot(s, lot)};
}

bool ToggleMaintainMark(MaintainMarks &marks, int lot) {
    if (!IsLot(lot)) return false;
    marks.marked[static_cast<std::size_t>(lot)] = !marks.marked[static_cast<std::size_t>(lot)];
    return true;
}

bool MarkForMaintenance(const GameState &s, MaintainMarks &marks, int lot) {
    if (!CanMaintainLot(s, lot)) return false;
    marks.marked[static_cast<std::size_t>(lot)] = true;
    return true;
}

int MarkedLotCount(const MaintainMarks &marks) {
    return static_cast<int>(std::count(marks.marked.begin(), marks.marked.end(), true));
}

int SingleMarkedLot(const MaintainMarks &marks) {
    if (MarkedLotCount(marks) != 1) return -1;
    return static_cast<int>(std::find(marks.marked.begin(), marks.marked.end(), true) -
                            marks.marked.begin());
}

void ClearMaintainMarks(MaintainMarks &marks) {
    marks.marked.fill(false);
}

LotCommands WholeGroundsCommands(const GameState &s, const MaintainMarks &marks) {
    LotCommands c;
    const int m = MarkedLotCount(marks);
    c.maintain = m >= 1;
    for (int lot = 0; lot < kLots; ++lot)
        if (marks.marked[static_cast<std::size_t>(lot)] && !CanMaintainLot(s, lot))
            c.maintain = false;
    const int single = SingleMarkedLot(marks);
    if (single >= 0) {
        c.build = CanBuildOnLot(s, single);
        c.buy = CanBuyLand(s, single);
    }
    return c;
}

// --- Buying land and building ---------------------------------------------------------

std::optional<ConstructionChoice> BuyLand(Game &game, int lot) {
    if (!CanBuyLand(game.state, lot)) return std::nullopt;
    if (!game.ui.AskQuestion(kBuyLandQuestion, "", 12)) return std::nullopt;
    SubtractMoney(game.state, kLandPrice);
    ConstructionChoice c;
    c.lot = lot;
    c.afterPurchase = true;
    return c;
}

std::optional<ConstructionChoice> OpenConstruction(const GameState &s, int lot) {
    if (!CanBuildOnLot(s, lot)) return std::nullopt;
    ConstructionChoice c;
    c.lot = lot;
    return c;
}

bool CanCloseConstruction(const ConstructionChoice &c) {
    return !c.afterPurchase;
}

void CancelPurchase(Game &game, ConstructionChoice &c) {
    if (!c.afterPurchase || c.settled) return;
    AddMoney(game.state, kLandPrice);
    c.settled = true;
}

bool ChooseBuilding(ConstructionChoice &c, int option) {
    if (option != kOutdoorCourt && option != kIndoorCourt && option != kTrainingRoom) return false;
    // Choosing the outdoor court again keeps its lighting.
    if (option == kOutdoorCourt && CanSetLighting(c)) return true;
    c.kind = option;
    return true;
}

bool CanSetLighting(const ConstructionChoice &c) {
    return c.kind == kOutdoorCourt || c.kind == kLitCourt;
}

bool SetLighting(ConstructionChoice &c, bool on) {
    if (!CanSetLighting(c)) return false;
    c.kind = on ? kLitCourt : kOutdoorCourt;
    return true;
}

std::uint32_t BuildingOptionColour(const ConstructionChoice &c, int option) {
    const int chosen = c.kind == kLitCourt ? kOutdoorCourt : c.kind;
    return chosen == option ? kOptionChosen : kOptionOther;
}

std::int32_t ConstructionCost(int kind) {
    return CIzi(kind) * 50;
}

std::string ConstructionCostText(int kind) {
    return "建設費 " + MoneyText(ConstructionCost(kind));
}

std::string ConstructionWeeksText(int kind) {
    return "工事 " + std::to_string(CKenDay(kind)) + "週間";
}

std::string BuildQuestion(const GameState &s, int kind) {
    return CNames(s, kind) + "を建設します。\rよろしいですか？";
}

std::string ConstructionStartedNotice(int weeks) {
    return "工事が始まりました。\r完成は" + std::to_string(weeks) + "週間後です";
}

bool StartConstruction(Game &game, int kind, int lot) {
    GameState &s = game.state;
    if (!IsBuildableKind(kind) || !IsBuildingLot(lot)) return false;
    const int lotKind = LotAt(s, lot).Kind;
    if (!IsBuildableKind(lotKind) && lotKind != kLandForSale) return false;
    const int weeks = CKenDay(kind);
    const int w = s.WeekCount + weeks;
    // Only the week of completion is booked; a week past the end of the calendar has no
    // entry, so the builders turn that job down as well.
    int plane = 0;
    if (w >= 0 && w <= kLastWeek) {
        if (s.BuildLot(1, w) == 0)
            plane = 1;
        else if (s.BuildLot(2, w) == 0)
            plane = 2;
    }
    if (plane == 0) {
        game.ui.ShowNotice(MessageKind::Warning, kBuildersBusyNotice, "", 12);
        return false;
    }
    s.BuildLot(plane, w) = static_cast<std::uint8_t>(lot);
    s.BuildKind(plane, w) = static_cast<std::uint8_t>(kind);
    s.Facilities[static_cast<std::size_t>(lot)].Kind = kUnderConstruction;
    game.ui.ShowNotice(MessageKind::Report, ConstructionStartedNotice(weeks), "", 12);
    return true;
}

BuildResult Build(Game &game, ConstructionChoice &c) {
    if (c.settled) return BuildResult::Refused;
    if (!game.ui.AskQuestion(BuildQuestion(game.state, c.kind), "", 12))
        return BuildResult::Declined;
    // A bought lot may only take its first building; any other lot must still be built on.
    const int lotKind = IsLot(c.lot) ? LotAt(game.state, c.lot).Kind : -1;
    const bool rightLot = c.afterPurchase ? lotKind == kLandForSale : IsBuildableKind(lotKind);
    if (rightLot && StartConstruction(game, c.kind, c.lot)) {
        SubtractMoney(game.state, ConstructionCost(c.kind));
        c.settled = true;
        return BuildResult::Started;
    }
    // Refused: nothing is booked or charged, and a bought lot goes back on sale.
    CancelPurchase(game, c);
    c.settled = true;
    return BuildResult::Refused;
}

// --- Maintenance ---------------------------------------------------------------------

std::string MaintenanceLevelCaption(int level) {
    switch (level) {
        case 1: return "軽く";
        case 2: return "普通";
        case 3: return "しっかり";
        default: return "";
    }
}

std::int32_t MaintenanceCost(int count, int level) {
    return count * level * 10;
}

std::string MaintenanceCountText(int count) {
    return std::to_string(count) + "つ";
}

std::string MaintenanceCostText(int count, int level) {
    return MoneyText(MaintenanceCost(count, level));
}

bool CanMaintain(int count, int level) {
    return count >= 1 && count <= kLots && level >= 1 && level <= 3;
}

std::string MaintenanceQuestion(int count, int level) {
    return "費用が" + MaintenanceCostText(count, level) + "かかりますが\r良いですか？";
}

bool Maintain(Game &game, MaintainMarks &marks, int count, int level) {
    if (!CanMaintain(count, level)) return false;
    if (!game.ui.AskQuestion(MaintenanceQuestion(count, level), "", 12)) return false;
    SubtractMoney(game.state, MaintenanceCost(count, level));
    // The price follows the count the screen was opened with; the restoration follows the
    // marks, so a lot still marked from a cancelled maintenance is restored too.
    for (int lot = 0; lot < kLots; ++lot) {
        if (!marks.marked[static_cast<std::size_t>(lot)]) continue;
        FacilityRecord &f = game.state.Facilities[static_cast<std::size_t>(lot)];
        f.Durability = static_cast<std::int16_t>(
            std::min(kMaxDurability, static_cast<int>(f.Durability) + level * 150));
        marks.marked[static_cast<std::size_t>(lot)] = false;
    }
    return true;
}

}  // namespace tk
