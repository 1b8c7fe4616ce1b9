// The alerts of the 要対応 list, each read from the same rules that will act on it.
#include "core/rules/alert_rules.h"

#include <algorithm>
#include <array>

#include "core/rules/booking_rules.h"
#include "core/rules/court_rules.h"
#include "core/rules/lineup_rules.h"
#include "core/rules/lookups.h"
#include "core/rules/office_rules.h"
#include "core/rules/practice_rules.h"
#include "core/rules/sponsors.h"

namespace tk {

namespace {

std::string LotName(int lot) {
    return "No." + std::to_string(lot + 1) + "のコート";
}

void AddCourtAlerts(const GameState &s, std::vector<Alert> &out) {
    if (CountCourts(s)[kCourtsFineDay] == 0)
        out.push_back({AlertKind::NoCourt, 0,
                       "使えるコートがありません。\r整備かコートの建設をしないと練習できません。",
                       AlertFix::Grounds});
    for (int lot = 0; lot < kLots; ++lot) {
        const FacilityRecord &f = s.Facilities[static_cast<std::size_t>(lot)];
        if (!IsCourt(f.Kind)) continue;
        if (f.Durability <= kCountedUsableAbove)
            out.push_back({AlertKind::CourtUnusable, lot,
                           LotName(lot) + "は状態が悪く、練習に使えません。\r整備が必要です。",
                           AlertFix::Grounds});
        else if (f.Durability <= kCourtWearingAtOrBelow)
            out.push_back(
                {AlertKind::CourtWearing, lot,
                 LotName(lot) + "の状態が悪くなっています。\r整備しないと近く使えなくなります。",
                 AlertFix::Grounds});
    }
}

void AddSquadAlerts(const GameState &s, std::vector<Alert> &out) {
    const int players = PlayerCount(s);
    if (players < kPlaces)
        out.push_back(
            {AlertKind::SquadShort, 0,
             "選手が" + std::to_string(players) + "人しかいません。\r試合には5人必要です。",
             AlertFix::Roster});
    if (!AllFilled(s))
        out.push_back({AlertKind::LineupGap, 0, "レギュラーに空きがあります。\r5人決めてください。",
                       AlertFix::Lineup});
}

// Individual practice of a fine or cloudy week trains nobody when its value comes to the bare 3:
// without an individual coach every court goes to team practice, and with one the allotment may
// too. (A rainy week trains them on the indoor courts.)
void AddPracticeAlert(const GameState &s, std::vector<Alert> &out) {
    bool individual = false;
    for (int p = 0; p < PlayerCount(s); ++p)
        individual = individual || s.Players[static_cast<std::size_t>(p)].PracticeSlot != 0;
    if (!individual) return;
    if (!HasIndividualCoach(s)) {
        out.push_back({AlertKind::IdleIndividual, 0,
                       "個人練習の選手がいますが、個人コーチがいません。\r晴れと曇りの週は個人練習"
                       "が行われません。",
                       AlertFix::Practice});
        return;
    }
    GameState fitted = s;  // the allotments as the practice will fit them to the courts
    const CourtCounts courts = CountUsableCourts(fitted);
    if (ComputePracticeValues(fitted, courts).individual == 3)
        out.push_back(
            {AlertKind::IdleIndividual, 0,
             "個人練習に使えるコートがありません。\r晴れと曇りの週は個人練習が行われません。",
             AlertFix::Allotment});
}

void AddMoneyAlert(const GameState &s, std::vector<Alert> &out) {
    const std::int64_t shortfall = YearEndShortfall(s);
    if (shortfall > 0)
        out.push_back({AlertKind::YearEndShortfall, 0,
                       "年度末の年俸の支払いに" + MoneyText(shortfall) +
                           "不足します。\r3月末に資金がマイナスだとゲームオーバーです。",
                       AlertFix::Office});
}

// The calendar index an application for tournament `index` would write, as EnterGame does.
int ApplicationWeek(const GameState &s, int index) {
    const int year = YearOf(s.WeekCount);
    const int i = 48 * (year - 1) + TournamentWeekOfYear(s, index);
    return i <= s.WeekCount ? i + 48 : i;
}

// Entered at a date within the coming year (関東選抜 in June leaves December to apply for
// once June is behind).
bool EnteredAhead(const GameState &s, int index) {
    for (int w = std::max(0, static_cast<int>(s.WeekCount));
         w <= std::min(kLastWeek, s.WeekCount + 48); ++w)
        if (s.MatchKind(w) == index * 10) return true;
    return false;
}

void AddTournamentAlerts(const GameState &s, std::vector<Alert> &out) {
    for (int index = 2; index <= 4; ++index) {
        if (!CanApplyForTournament(s, index)) continue;
        const int week = ApplicationWeek(s, index);
        if (week < 0 || week > kLastWeek || EnteredAhead(s, index)) continue;
        out.push_back({AlertKind::TournamentOpen, index,
                       CompetitionName(index * 10) + "に出場できます（" + DateText(week) +
                           "）。\r試合の画面から申し込めます。",
                       AlertFix::Matches});
    }
}

// The codes of the matches still to be played whose win keeps sponsor n's condition: the
// spring and autumn first days for sponsor 4, the first days of 関東選抜, 日本選手権 and
// ワールドテニス for 5, 6 and 7.
bool KeepsCondition(int sponsor, int code) {
    switch (sponsor) {
        case 4: return code == 10 || code == 11 || code == 15 || code == 16;
        case 5: return code >= 20 && code <= 22;
        case 6: return code >= 30 && code <= 32;
        case 7: return code >= 40 && code <= 42;
        default: return false;
    }
}

void AddSponsorAlerts(const GameState &s, std::vector<Alert> &out) {
    const int now = s.WeekCount;
    if (now < 0 || now > kLastWeek) return;
    // The season is settled in its March week 4 (week 12 of the year).
    const int seasonEnd = std::min(kLastWeek, now + (12 - WeekOfYear(now) + 48) % 48);
    for (int slot = 1; slot <= 2; ++slot) {
        const int n = s.SponsorState.Contract[static_cast<std::size_t>(slot)];
        if (n < 1 || n > kSponsorCount || SPenalty(n) == 0 || SPromissCrear(s, n)) continue;
        bool chance = false;
        for (int w = now; w <= seasonEnd && !chance; ++w)
            chance = KeepsCondition(n, s.MatchKind(w));
        if (chance) continue;
        const int tournament = n - 3;  // 関東選抜 for sponsor 5, and so on
        const bool canEnter = tournament >= 2 && CanApplyForTournament(s, tournament);
        out.push_back({AlertKind::SponsorAtRisk, n,
                       SName(n) + "の常守条件「" + SZyoushu(n) +
                           "」を満たせる試合が今期の予定にありません。\rこのままだと3月末に違約金" +
                           MoneyText(SPenalty(n)) + "を払います。",
                       canEnter ? AlertFix::Matches : AlertFix::Office});
    }
}

}  // namespace

std::vector<Alert> CurrentAlerts(const GameState &s) {
    std::vector<Alert> out;
    AddCourtAlerts(s, out);
    AddSquadAlerts(s, out);
    AddPracticeAlert(s, out);
    AddMoneyAlert(s, out);
    AddTournamentAlerts(s, out);
    AddSponsorAlerts(s, out);
    return out;
}

bool HasNewAlert(const std::vector<Alert> &before, const std::vector<Alert> &now) {
    return std::any_of(now.begin(), now.end(), [&before](const Alert &a) {
        return std::none_of(before.begin(), before.end(),
                            [&a](const Alert &b) { return a.SameAs(b); });
    });
}

std::vector<Alert> AlertWatch::Appeared(const std::vector<Alert> &now) {
    std::vector<Alert> fresh;
    for (const Alert &a : now)
        if (std::none_of(seen_.begin(), seen_.end(), [&a](const Alert &b) { return a.SameAs(b); }))
            fresh.push_back(a);
    seen_ = now;
    return fresh;
}

}  // namespace tk
