// The year-end settlement.
#include "core/rules/year_end_rules.h"

#include <cstdlib>

#include "core/rules/game.h"
#include "core/rules/history_sink.h"
#include "core/rules/lookups.h"
#include "core/rules/sponsors.h"

namespace tk {

namespace {

constexpr int kFont = 12;

// num / den to the nearest whole number, ties to even, in exact integer arithmetic (den > 0).
std::int64_t DivideRoundEven(std::int64_t num, std::int64_t den) {
    std::int64_t q = num / den, r = num % den;
    if (r < 0) r += den, --q;  // floor division
    if (2 * r > den || (2 * r == den && (q % 2 != 0))) ++q;
    return q;
}

// Pays the sponsors' money and takes their penalties; the amounts go into `money`.
void SettleSponsors(Game &game, SeasonMoney &money) {
    GameState &s = game.state;
    std::int64_t income = 0, penalties = 0;
    for (int slot = 1; slot <= 2; ++slot) {
        const int k = s.SponsorState.Contract[static_cast<std::size_t>(slot)];
        // A sponsor without a keeping condition pays whatever happened.
        if (SPromissCrear(s, k) || SPenalty(k) == 0)
            income += SSalaly(k);
        else
            penalties += SPenalty(k);
    }
    if (income > 0) {
        game.ui.ShowNotice(
            MessageKind::Report,
            "スポンサー収益として\r契約金" + MoneyText(income) + "\rが入ってきました", "", kFont);
        AddMoney(s, income);
    }
    if (penalties > 0) {
        game.ui.ShowNotice(
            MessageKind::Warning,
            "常守条件が守れなかったので\r違約金" + MoneyText(penalties) + "\rを払いました。",
            "約束は守りましょう", kFont);
        SubtractMoney(s, penalties);
    }
    money.sponsorIncome = income;
    money.penalties = penalties;
}

}  // namespace

bool CheckBankruptcy(Game &game) {
    if (game.state.Money >= 0) return false;
    game.ui.ShowNotice(MessageKind::Warning, "破産です。", "ゲームオーバー", 18);
    game.state.TeamName.clear();
    return true;
}

void RaiseSalaries(Game &game) {
    GameState &s = game.state;
    const int n = PlayerCount(s);
    for (int p = 0; p < n; ++p) {
        PlayerRecord &pl = s.Players[static_cast<std::size_t>(p)];
        const int r = game.Random(10, 0);
        // (1 + r / 100) x salary, computed exactly so that half-way sums round to even.
        pl.Salary =
            SaturateMoney(DivideRoundEven(static_cast<std::int64_t>(pl.Salary) * (100 + r), 100));
    }
}

std::int64_t YearlySalaries(const GameState &s) {
    std::int64_t sum = 0;
    const int n = PlayerCount(s);
    for (int p = 0; p < n; ++p) sum += s.Players[static_cast<std::size_t>(p)].Salary;
    for (int c = 1; c < kCoachSlots; ++c) {
        const CoachRecord &coach = s.Coaches[static_cast<std::size_t>(c)];
        if (coach.Hired != kCoachFree) sum += coach.Salary;
    }
    return sum;
}

bool YearEnd(Game &game) {
    GameState &s = game.state;
    // Judged on the funds after March's upkeep, before any of the coming money.
    if (CheckBankruptcy(game)) return true;
    if (game.history != nullptr) game.history->YearEndBegins(s);
    SeasonMoney money;
    RaiseSalaries(game);
    game.ui.ShowNotice(MessageKind::Report, "契約更新です。\r要らない選手は\r解雇してください。",
                       "契約更新", kFont);
    money.budget = TeamBudget(s);
    AddMoney(s, money.budget);
    game.ui.DismissAtRenewal(game);
    game.ui.ShowNotice(MessageKind::Report,
                       "今年のチーム予算は\r" + MoneyText(TeamBudget(s)) + "です", "", kFont);
    SettleSponsors(game, money);

    const std::int64_t salaries = YearlySalaries(s);  // after the dismissals
    money.salaries = salaries;
    for (int k = 1; k < kSponsorCount + 1; ++k)
        s.SponsorState.KeptThisYear[static_cast<std::size_t>(k)] = kFalse;
    SubtractMoney(s, salaries);

    const bool profit = s.Money >= s.LastYear.MoneyAtYearEnd;
    const std::string word = profit ? "黒字" : "赤字";
    const std::int64_t difference =
        std::llabs(static_cast<std::int64_t>(s.LastYear.MoneyAtYearEnd) - s.Money);
    game.ui.ShowNotice(MessageKind::Report,
                       "今年は" + MoneyText(difference) + "の\r" + word + "でした。", word, kFont);

    s.PracticeMatchCount = 0;
    // The history sees the season before its records become last year's.
    if (game.history != nullptr) game.history->YearEnd(s, money);
    s.LastYear.MoneyAtYearEnd = s.Money;
    s.LastYear.Results = s.Category;
    return false;
}

}  // namespace tk
