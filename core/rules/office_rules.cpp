// The office's figures and the sponsor signing rules.
#include "core/rules/office_rules.h"

#include <algorithm>

#include "core/rules/events.h"
#include "core/rules/game.h"
#include "core/rules/grounds_rules.h"
#include "core/rules/lookups.h"
#include "core/rules/roster_rules.h"
#include "core/rules/sponsors.h"
#include "core/rules/year_end_rules.h"

namespace tk {

namespace {

bool ValidSlot(int slot) {
    return slot == 1 || slot == 2;
}

bool ValidSponsor(int n) {
    return n >= kFirstSponsor && n <= kLastSponsor;
}

int SponsorInSlot(const GameState &s, int slot) {
    return ValidSlot(slot) ? s.SponsorState.Contract[static_cast<std::size_t>(slot)] : 0;
}

}  // namespace

std::int64_t CoachSalaryTotal(const GameState &s) {
    std::int64_t total = 0;
    for (int j = 1; j < kCoachSlots; ++j) {
        const CoachRecord &c = s.Coaches[static_cast<std::size_t>(j)];
        if (c.Hired != kCoachFree) total += c.Salary;
    }
    return total;
}

std::int64_t MonthBalance(const GameState &s) {
    return static_cast<std::int64_t>(s.Money) - s.LastYear.MoneyAtMonthEnd;
}

std::int64_t SeasonBalance(const GameState &s) {
    return static_cast<std::int64_t>(s.Money) - s.LastYear.MoneyAtYearEnd;
}

std::uint32_t BalanceColour(std::int32_t money, std::int32_t snapshot) {
    return money < snapshot ? kLossColour : kGainColour;
}

std::int64_t YearEndNeed(const GameState &s) {
    return YearlySalaries(s) - TeamBudget(s);
}

std::int64_t YearEndShortfall(const GameState &s) {
    return std::max<std::int64_t>(0, YearEndNeed(s) - s.Money);
}

std::string ShortfallWarningText(std::int64_t shortfall) {
    return "資金が足りません。\r年度末の年俸の支払いに\rチーム予算を足しても\r" +
           MoneyText(shortfall) + "不足します。";
}

void WarnOfShortfall(Game &game) {
    const std::int64_t shortfall = YearEndShortfall(game.state);
    if (shortfall > 0)
        game.ui.ShowNotice(MessageKind::Warning, ShortfallWarningText(shortfall), kShortfallTitle,
                           12);
}

std::string SponsorKeepingMark(const GameState &s, int sponsor) {
    if (SPromissCrear(s, sponsor)) return "  ○";
    if (SPenalty(sponsor) > 0) return "  ×";
    return "";
}

std::string SponsorSlotName(const GameState &s, int slot) {
    const int n = SponsorInSlot(s, slot);
    return n == 0 ? "なし" : SName(n);
}

std::string SponsorSlotDescription(const GameState &s, int slot) {
    const int n = SponsorInSlot(s, slot);
    if (n == 0) return "スポンサー契約\r\rしていません";
    return "収入 " + MoneyText(SSalaly(n)) + "\r常守条件" + SponsorKeepingMark(s, n) + "\r" +
           SZyoushu(n) + "\r違約金 " + MoneyText(SPenalty(n));
}

std::string ScheduleText(const GameState &s, int m) {
    const int w = s.WeekCount + m;
    // Weeks past the end of the calendar hold no fixture.
    const int kind = (w >= 0 && w <= kLastWeek) ? s.MatchKind(w) : 0;
    const std::string match = kind != 0 ? CompetitionName(kind) : kNoMatchText;
    return match + "\r" + GyoziName(s, w);
}

OfficeFigures MakeOfficeFigures(const GameState &s) {
    OfficeFigures f;
    f.level = "Lv." + std::to_string(s.TeamLevel);
    f.playerSalaries = MoneyText(TotalPlayerSalary(s));
    f.coachSalaries = MoneyText(CoachSalaryTotal(s));
    f.expectedIncome = MoneyText(TeamBudget(s));
    f.landUpkeep = MoneyText(MonthlyUpkeep(s));
    f.tenantUpkeep = MoneyText(0);
    f.monthBalance = MoneyText(MonthBalance(s));
    f.monthBalanceColour = BalanceColour(s.Money, s.LastYear.MoneyAtMonthEnd);
    f.seasonBalance = MoneyText(SeasonBalance(s));
    f.seasonBalanceColour = BalanceColour(s.Money, s.LastYear.MoneyAtYearEnd);
    const std::int64_t shortfall = YearEndShortfall(s);
    f.yearEndShortfall = shortfall > 0 ? MoneyText(shortfall) : kNoShortfallText;
    f.yearEndShortfallColour = shortfall > 0 ? kLossColour : kGainColour;
    for (int slot = 1; slot <= 2; ++slot) {
        f.sponsorNames[static_cast<std::size_t>(slot - 1)] = SponsorSlotName(s, slot);
        f.sponsorDescriptions[static_cast<std::size_t>(slot - 1)] = SponsorSlotDescription(s, slot);
    }
    for (int m = 0; m < 3; ++m) f.schedule[static_cast<std::size_t>(m)] = ScheduleText(s, m);
    return f;
}

bool CanSignSponsors(const GameState &s) {
    return MonthOf(s.WeekCount) == 4;
}

bool ShowNextSponsor(SponsorChoice &c) {
    if (c.shown >= kLastSponsor) return false;
    ++c.shown;
    return true;
}

bool ShowPreviousSponsor(SponsorChoice &c) {
    if (c.shown <= kFirstSponsor) return false;
    --c.shown;
    return true;
}

std::string SponsorChoiceCaption(const GameState &s, int sponsor) {
    return SSelectAble(s, sponsor) ? "スポンサー選択-契約条件を満たしています"
                                   : "スポンサー選択-契約条件を満たしていません";
}

std::string SponsorPositionText(int sponsor) {
    return std::to_string(sponsor) + "/" + std::to_string(kLastSponsor);
}

std::string SponsorFeeText(int sponsor) {
    return MoneyText(SSalaly(sponsor)) + "/年";
}

std::string SponsorPenaltyText(int sponsor) {
    return MoneyText(SPenalty(sponsor));
}

bool SponsorSigned(const GameState &s, int sponsor) {
    return ValidSponsor(sponsor) &&
           (SponsorInSlot(s, 1) == sponsor || SponsorInSlot(s, 2) == sponsor);
}

std::string SponsorSignedMark(const GameState &s, int sponsor) {
    return SponsorSigned(s, sponsor) ? "済" : "";
}

bool CanSignSponsor(const GameState &s, int slot, int sponsor) {
    return CanSignSponsors(s) && ValidSlot(slot) && ValidSponsor(sponsor) &&
           SSelectAble(s, sponsor) && !SponsorSigned(s, sponsor);
}

std::string SignSponsorQuestion(int sponsor) {
    return SName(sponsor) + "\rと契約します。\rよろしいですか？";
}

bool SignSponsor(Game &game, int slot, int sponsor) {
    if (!CanSignSponsor(game.state, slot, sponsor)) return false;
    if (!game.ui.AskQuestion(SignSponsorQuestion(sponsor), "", 14)) return false;
    game.state.SponsorState.Contract[static_cast<std::size_t>(slot)] =
        static_cast<std::uint8_t>(sponsor);
    return true;
}

}  // namespace tk
