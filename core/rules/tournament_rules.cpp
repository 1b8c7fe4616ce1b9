// Prizes, win flags, the course of a tournament after each match, and the closing notices.
#include "core/rules/tournament_rules.h"

#include <algorithm>
#include <iterator>

#include "core/rules/events.h"
#include "core/rules/game.h"
#include "core/rules/lookups.h"

namespace tk {

namespace {

// Prize by the code's place within its competition (rounds won).
constexpr std::int32_t kPracticePrize[] = {0, 30, 50, 150, 300, 1000, 10000};
constexpr std::int32_t kLocalPrize[] = {0, 50, 500, 1000, 3000};
constexpr std::int32_t kKantoPrize[] = {0, 100, 500, 1000, 2500, 5000};
constexpr std::int32_t kNationalPrize[] = {0, 250, 750, 2000, 5000, 20000};
constexpr std::int32_t kWorldPrize[] = {0, 500, 1000, 2000, 7500, 10000, 50000};

template <std::size_t N>
std::int32_t Pick(const std::int32_t (&table)[N], int e) {
    return e >= 0 && e < static_cast<int>(N) ? table[e] : 0;
}

void Raise(std::uint8_t &level, int to) {
    if (level < to) level = static_cast<std::uint8_t>(to);
}

void AddPrize(std::int32_t &total, std::int32_t prize) {
    total = SaturateMoney(static_cast<std::int64_t>(total) + prize);
}

// The every-year offer that reaching `code` brings, if any is still open.
void OfferEveryYear(Game &game, int code) {
    GameState &s = game.state;
    int category = 0;
    int fontSize = 14;
    if (code >= 23 && code <= 25) {
        category = 2;
        fontSize = 12;
    } else if (code >= 33 && code <= 35) {
        category = 3;
    } else if (code >= 43 && code <= 46) {
        category = 4;
    } else {
        return;
    }
    CategoryRecord &c = s.Category[static_cast<std::size_t>(category)];
    if (c.AlwaysEnter != kFalse) return;
    if (!game.ui.AskQuestion(AlwaysEnterQuestion(CompetitionName(code)), kAlwaysEnterTitle,
                             fontSize))
        return;
    switch (category) {
        case 2:
            EnterGame(s, 23, true, 20);
            EnterGame(s, 45, true, 20);
            break;
        case 3: EnterGame(s, 26, true, 30); break;
        default: EnterGame(s, 3, true, 40); break;
    }
    c.AlwaysEnter = kTrue;
}

}  // namespace

std::int32_t PrizeOf(int code) {
    if (code >= 0 && code <= 6) return kPracticePrize[code];
    if (code >= 10 && code <= 14) return Pick(kLocalPrize, code - 10);
    if (code >= 15 && code <= 19) return Pick(kLocalPrize, code - 15);
    if (code >= 20 && code <= 25) return Pick(kKantoPrize, code - 20);
    if (code >= 30 && code <= 35) return Pick(kNationalPrize, code - 30);
    if (code >= 40 && code <= 46) return Pick(kWorldPrize, code - 40);
    return 0;
}

WayOn WayOnAfterWin(int code) {
    // The last round of a tournament's first day, and the finals.
    static constexpr int kFirstDayEnds[] = {11, 16, 22, 32, 42};
    static constexpr int kFinals[] = {13, 18, 24, 34, 45};
    if (code >= 1 && code <= 9) return WayOn::kPrize;
    if (std::ranges::find(kFirstDayEnds, code) != std::end(kFirstDayEnds)) return WayOn::kNextWeek;
    if (std::ranges::find(kFinals, code) != std::end(kFinals)) return WayOn::kTitle;
    if (IsTournamentCode(code) && !IsTitleCode(code)) return WayOn::kSameDay;
    return WayOn::kNone;
}

bool IsTitleCode(int code) {
    return code == 14 || code == 19 || code == 25 || code == 35 || code == 46;
}

bool IsTournamentCode(int code) {
    return code >= 10 && !CompetitionName(code).empty();
}

void SetWinFlags(GameState &s, int code) {
    auto &cat = s.Category;
    auto &unlocked = s.SponsorState.Unlocked;
    auto &kept = s.SponsorState.KeptThisYear;
    switch (code) {
        case 5: cat[0].Qualified = kTrue; break;
        case 11:
        case 16:
            cat[2].Qualified = kTrue;
            unlocked[1] = kTrue;
            kept[4] = kTrue;
            break;
        case 13:
        case 18:
            cat[3].Qualified = kTrue;
            Raise(s.TeamLevel, 2);
            break;
        case 22:
            unlocked[2] = kTrue;
            kept[5] = kTrue;
            break;
        case 24:
            unlocked[3] = kTrue;
            Raise(s.TeamLevel, 3);
            break;
        case 32:
            unlocked[4] = kTrue;
            kept[6] = kTrue;
            break;
        case 34:
            cat[4].Qualified = kTrue;
            unlocked[5] = kTrue;
            Raise(s.TeamLevel, 4);
            break;
        case 42: kept[7] = kTrue; break;
        case 43: unlocked[6] = kTrue; break;
        case 45:
            unlocked[7] = kTrue;
            Raise(s.TeamLevel, 5);
            break;
        default: break;
    }
}

std::string MatchWonText(int code) {
    const std::string round = RoundName(code);
    return CompetitionName(code) + "\r" + round + "\r" +
           (round == "決勝戦" ? "優勝！！" : "勝利！");
}

std::string PracticeLostText(int code) {
    return CompetitionName(code) + "\r" + RoundName(code) + "\r敗退…";
}

std::string ResultNoticeText(int code) {
    return CompetitionName(code) + "\r" + ResultText(code);
}

std::string PrizeNoticeText(std::int32_t prize) {
    return "賞金" + MoneyText(prize) + "ゲット！";
}

std::string AlwaysEnterQuestion(const std::string &competition) {
    return "今後も常に" + competition + "\rに出場しますか？";
}

void AwardResult(Game &game) {
    GameState &s = game.state;
    const int code = s.MatchKind(s.WeekCount);
    const std::int32_t prize = PrizeOf(code);
    if (code >= 10) game.ui.ShowNotice(MessageKind::Report, ResultNoticeText(code), "", 16);
    if (prize == 0) return;
    game.ui.ShowNotice(MessageKind::Report, PrizeNoticeText(prize), "", 12);
    // Codes with a prize all name a category 0..4.
    AddPrize(s.Category[static_cast<std::size_t>(code / 10)].Prize, prize);
    AddPrize(s.Category[5].Prize, prize);
    AddMoney(s, prize);
    OfferEveryYear(game, code);
}

AfterClose SettleMatch(Game &game, bool won) {
    GameState &s = game.state;
    const int week = s.WeekCount;
    const int code = s.MatchKind(week);
    if (!won) {
        if (IsTournamentCode(code)) return AfterClose::kAwardResult;
        if (code <= 9)
            game.ui.ShowNotice(MessageKind::Report, PracticeLostText(code), "残念！！", 16);
        return AfterClose::kNothing;
    }
    const WayOn way = WayOnAfterWin(code);
    if (way == WayOn::kNone) return AfterClose::kNothing;
    game.ui.ShowNotice(MessageKind::Report, MatchWonText(code), "おめでとう！", 16);
    switch (way) {
        case WayOn::kPrize: AwardResult(game); return AfterClose::kNothing;
        case WayOn::kNextWeek:
            if (week + 1 <= kLastWeek) s.MatchKind(week + 1) = static_cast<std::uint8_t>(code + 1);
            s.MatchKind(week) = kGoesOnNextWeek;
            return AfterClose::kNothing;
        case WayOn::kTitle:
            s.MatchKind(week) = static_cast<std::uint8_t>(code + 1);
            AwardResult(game);
            return AfterClose::kNothing;
        case WayOn::kSameDay:
            s.MatchKind(week) = static_cast<std::uint8_t>(code + 1);
            return AfterClose::kPlayNextRound;
        case WayOn::kNone: break;
    }
    return AfterClose::kNothing;
}

void FinishAfterClose(Game &game, AfterClose next) {
    switch (next) {
        case AfterClose::kAwardResult: AwardResult(game); break;
        case AfterClose::kPlayNextRound: game.ui.PlayNextRound(game); break;
        case AfterClose::kNothing: break;
    }
}

void AfterMatch(Game &game, bool won) {
    FinishAfterClose(game, SettleMatch(game, won));
}

}  // namespace tk
