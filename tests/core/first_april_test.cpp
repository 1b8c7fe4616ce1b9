// The first season's checklist: each item is done exactly when the record shows it done.
#include <gtest/gtest.h>

#include <functional>

#include "core/rules/first_april.h"
#include "core/rules/land_rules.h"
#include "core/rules/scout_rules.h"

namespace tk {
namespace {

constexpr int kApril1 = 13;
constexpr int kJune1 = 21;

// A club of the first April: six players of 300万円 (1800万円 of the 2000万円 budget), one
// outdoor court, no request, nothing built.
GameState FirstApril() {
    GameState s;
    s.TeamLevel = 1;
    s.WeekCount = kApril1;
    for (int p = 0; p < 6; ++p) {
        s.Players[static_cast<std::size_t>(p)].FamilyName = static_cast<std::uint8_t>(p + 1);
        s.Players[static_cast<std::size_t>(p)].Salary = 300;
    }
    s.Facilities[0] = {kOutdoorCourt, 1000};
    s.Facilities[1] = {kOffice, 1000};
    return s;
}

struct Message {
    MessageKind kind;
    std::string title;
    std::string text;
    bool answer;
    int week;
};

struct Case {
    const char *name;
    std::function<void(GameState &)> change;
    std::vector<Message> messages;
    FirstAprilTicks done;  // コート, 選手の数, スカウト, 整備
    bool shown;
};

TEST(FirstApril, ItemsTickOffFromTheRecord) {
    const std::string scout = ScoutRequestQuestion({});
    const std::string maintain = MaintenanceQuestion(2, 3);
    const auto nothing = [](GameState &) {};
    const Case cases[] = {
        {"a new club", nothing, {}, {false, true, false, false}, true},
        {"an indoor court stands",
         [](GameState &s) {
             s.Facilities[2] = {kIndoorCourt, 1000};
         },
         {},
         {true, true, false, false},
         true},
        {"an indoor court is being built",
         [](GameState &s) {
             s.Facilities[2] = {kUnderConstruction, 0};
             s.BuildLot(2, kApril1 + 6) = 2;
             s.BuildKind(2, kApril1 + 6) = kIndoorCourt;
         },
         {},
         {true, true, false, false},
         true},
        {"a lit court is no indoor court",
         [](GameState &s) {
             s.Facilities[2] = {kLitCourt, 1000};
         },
         {},
         {false, true, false, false},
         true},
        {"eight players are too many",
         [](GameState &s) {
             s.Players[6].FamilyName = s.Players[7].FamilyName = 9;
             s.Players[6].Salary = s.Players[7].Salary = 1;
         },
         {},
         {false, false, false, false},
         true},
        {"salaries past the budget",
         [](GameState &s) { s.Players[0].Salary = 801; },
         {},
         {false, false, false, false},
         true},
        {"four players are too few",
         [](GameState &s) { s.Players[4].FamilyName = s.Players[5].FamilyName = 0; },
         {},
         {false, false, false, false},
         true},
        {"a request placed in May",
         nothing,
         {{MessageKind::Question, kScoutRequestTitle, scout, true, kApril1 + 5}},
         {false, true, true, false},
         true},
        {"a request declined",
         nothing,
         {{MessageKind::Question, kScoutRequestTitle, scout, false, kApril1 + 5}},
         {false, true, false, false},
         true},
        {"a request placed in June is too late",
         nothing,
         {{MessageKind::Question, kScoutRequestTitle, scout, true, kJune1}},
         {false, true, false, false},
         true},
        {"a request still open in May",
         [](GameState &s) {
             s.WeekCount = kJune1 - 1;
             s.Candidates[0].FamilyName = 3;
         },
         {},
         {false, true, true, false},
         true},
        {"maintenance paid",
         nothing,
         {{MessageKind::Question, "", maintain, true, kApril1 + 30}},
         {false, true, false, true},
         true},
        {"maintenance declined",
         nothing,
         {{MessageKind::Question, "", maintain, false, kApril1 + 30}},
         {false, true, false, false},
         true},
        {"another question's yes",
         nothing,
         {{MessageKind::Question, "", BuildQuestion(FirstApril(), kIndoorCourt), true, kApril1}},
         {false, true, false, false},
         true},
        {"a report is no answer",
         nothing,
         {{MessageKind::Report, kScoutRequestTitle, maintain, false, kApril1}},
         {false, true, false, false},
         true},
        {"all done",
         [](GameState &s) {
             s.Facilities[2] = {kIndoorCourt, 1000};
         },
         {{MessageKind::Question, kScoutRequestTitle, scout, true, kApril1},
          {MessageKind::Question, "", maintain, true, kApril1 + 30}},
         {true, true, true, true},
         false},
        {"the second season",
         [](GameState &s) { s.WeekCount = kApril1 + 48; },
         {},
         {false, true, false, false},
         false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        GameState s = FirstApril();
        c.change(s);
        FirstAprilNotes notes;
        for (const Message &m : c.messages)
            NoteFirstAprilMessage(notes, m.kind, m.title, m.text, m.answer, m.week);
        const FirstAprilTicks done = FirstAprilDone(s, notes);
        EXPECT_EQ(done, c.done);
        EXPECT_EQ(FirstAprilShown(s, done), c.shown);
    }
}

}  // namespace
}  // namespace tk
