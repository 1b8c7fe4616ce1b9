// The 要対応 list: which alerts a record shows, the screen each sends the player to, and when
// an alert counts as new.
#include <gtest/gtest.h>

#include <functional>
#include <tuple>

#include "core/rules/alert_rules.h"
#include "core/rules/lookups.h"
#include "core/rules/new_game.h"
#include "tests/support/scripted_ui.h"

namespace tk {
namespace {

using Seen = std::tuple<AlertKind, int, AlertFix>;

std::vector<Seen> Kinds(const std::vector<Alert> &alerts) {
    std::vector<Seen> out;
    for (const Alert &a : alerts) out.emplace_back(a.kind, a.subject, a.fix);
    return out;
}

GameState NewGame() {
    test::TestGame t;
    StartNewGame(t.game, "テニス部", "山田");
    return t.state;
}

void Court(GameState &s, int lot, int kind, int durability) {
    s.Facilities[static_cast<std::size_t>(lot)] = {static_cast<std::int16_t>(kind),
                                                   static_cast<std::int16_t>(durability)};
}

TEST(Alerts, WhatTheRecordShows) {
    struct Case {
        const char *name;
        std::function<void(GameState &)> setUp;
        std::vector<Seen> alerts;
    };
    using K = AlertKind;
    using F = AlertFix;
    const Case cases[] = {
        {"a new game", [](GameState &) {}, {}},
        {"a court at 300", [](GameState &s) { Court(s, 1, kOutdoorCourt, 300); }, {}},
        {"a court at 299",
         [](GameState &s) { Court(s, 1, kOutdoorCourt, 299); },
         {{K::CourtWearing, 1, F::Grounds}}},
        {"the only court at 200",
         [](GameState &s) { Court(s, 1, kOutdoorCourt, 200); },
         {{K::NoCourt, 0, F::Grounds}, {K::CourtUnusable, 1, F::Grounds}}},
        {"one of two courts worn out",
         [](GameState &s) {
             Court(s, 1, kOutdoorCourt, 150);
             Court(s, 4, kIndoorCourt, 900);
         },
         {{K::CourtUnusable, 1, F::Grounds}}},
        {"a place empty",
         [](GameState &s) { s.Players[2].Order = 0; },
         {{K::LineupGap, 0, F::Lineup}}},
        {"four players",
         [](GameState &s) {
             s.Players[4] = {};
             s.Players[5] = {};
         },
         {{K::SquadShort, 0, F::Roster}, {K::LineupGap, 0, F::Lineup}}},
        {"individual practice without its coach",
         [](GameState &s) { s.Players[5].PracticeSlot = 1; },
         {{K::IdleIndividual, 0, F::Practice}}},
        {"individual practice, its coach, one court",
         [](GameState &s) {
             s.Players[5].PracticeSlot = 1;
             s.Coaches[3].Hired = kCoachIndividual;
         },
         {{K::IdleIndividual, 0, F::Allotment}}},
        {"individual practice, its coach, a court to spare",
         [](GameState &s) {
             s.Players[5].PracticeSlot = 1;
             s.Coaches[3].Hired = kCoachIndividual;
             Court(s, 2, kLitCourt, 1000);
         },
         {}},
        {"funds short of the year end",
         [](GameState &s) { s.Money = -5000; },
         {{K::YearEndShortfall, 0, F::Office}}},
        {"関東選抜 open",
         [](GameState &s) { s.Category[2].Qualified = kTrue; },
         {{K::TournamentOpen, 2, F::Matches}}},
        {"関東選抜 entered",
         [](GameState &s) {
             s.Category[2].Qualified = kTrue;
             s.MatchKind(23) = 20;
         },
         {}},
        {"関東選抜 entered for June, in June",
         [](GameState &s) {
             s.Category[2].Qualified = kTrue;
             s.MatchKind(23) = 20;
             s.WeekCount = 21;
         },
         {}},
        {"関東選抜 played in June, December open",
         [](GameState &s) {
             s.Category[2].Qualified = kTrue;
             s.MatchKind(23) = 23;
             s.WeekCount = 25;
         },
         {{K::TournamentOpen, 2, F::Matches}}},
        {"ハヤテスポーツ with the autumn ahead",
         [](GameState &s) { s.SponsorState.Contract[1] = 4; },
         {}},
        {"ハヤテスポーツ after the spring tournament",
         [](GameState &s) {
             s.SponsorState.Contract[1] = 4;
             s.WeekCount = static_cast<std::int16_t>(WeekNumber(2, 10));
         },
         {{K::SponsorAtRisk, 4, F::Office}}},
        {"ハヤテスポーツ kept",
         [](GameState &s) {
             s.SponsorState.Contract[1] = 4;
             s.SponsorState.KeptThisYear[4] = kTrue;
             s.WeekCount = static_cast<std::int16_t>(WeekNumber(2, 10));
         },
         {}},
        {"あおばテレビ, 関東選抜 open",
         [](GameState &s) {
             s.SponsorState.Contract[2] = 5;
             s.Category[2].Qualified = kTrue;
         },
         {{K::TournamentOpen, 2, F::Matches}, {K::SponsorAtRisk, 5, F::Matches}}},
        {"あおばテレビ, 関東選抜 entered",
         [](GameState &s) {
             s.SponsorState.Contract[2] = 5;
             s.Category[2].Qualified = kTrue;
             s.MatchKind(23) = 20;
         },
         {}},
    };
    for (const Case &c : cases) {
        GameState s = NewGame();
        c.setUp(s);
        EXPECT_EQ(Kinds(CurrentAlerts(s)), c.alerts) << c.name;
        for (const Alert &a : CurrentAlerts(s)) EXPECT_FALSE(a.text.empty()) << c.name;
    }
}

// An alert is new when it appears, and again only after it went away and came back.
TEST(Alerts, NewOnlyWhenTheyAppear) {
    const int durabilities[] = {1000, 250, 240, 1000, 250, 150};
    const int expected[] = {0, 1, 0, 0, 1, 2};  // at 150: unusable, and no court at all
    AlertWatch watch;
    GameState s = NewGame();
    for (std::size_t i = 0; i < std::size(durabilities); ++i) {
        const std::vector<Alert> before = CurrentAlerts(s);
        Court(s, 1, kOutdoorCourt, durabilities[i]);
        const std::vector<Alert> now = CurrentAlerts(s);
        EXPECT_EQ(static_cast<int>(watch.Appeared(now).size()), expected[i]) << i;
        EXPECT_EQ(HasNewAlert(before, now), expected[i] > 0) << i;
    }
}

}  // namespace
}  // namespace tk
