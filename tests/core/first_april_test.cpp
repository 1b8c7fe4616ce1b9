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
    const char *done;  // コート, 選手の数, スカウト, 整備: 1 done, 0 not
    bool shown;
};

TEST(FirstApril, ItemsTickOffFromTheRecord) {
    const std::string scout = ScoutRequestQuestion({});
    const std::string maintain = MaintenanceQuestion(2, 3);
    const std::string build = BuildQuestion(FirstApril(), kIndoorCourt);
    const auto none = [](GameState &) {};
    const auto indoor = [](GameState &s) { s.Facilities[2] = {kIndoorCourt, 1000}; };
    const auto building = [](GameState &s) {
        s.Facilities[2] = {kUnderConstruction, 0};
        s.BuildLot(2, kApril1 + 6) = 2;
        s.BuildKind(2, kApril1 + 6) = kIndoorCourt;
    };
    const auto lit = [](GameState &s) { s.Facilities[2] = {kLitCourt, 1000}; };
    const auto eight = [](GameState &s) {
        s.Players[6].FamilyName = s.Players[7].FamilyName = 9;
        s.Players[6].Salary = s.Players[7].Salary = 1;
    };
    const auto dear = [](GameState &s) { s.Players[0].Salary = 801; };
    const auto four = [](GameState &s) { s.Players[4].FamilyName = s.Players[5].FamilyName = 0; };
    const auto openInMay = [](GameState &s) {
        s.WeekCount = kJune1 - 1;
        s.Candidates[0].FamilyName = 3;
    };
    const auto nextSeason = [](GameState &s) { s.WeekCount = kApril1 + 48; };
    const auto q = [](const std::string &title, const std::string &text, bool yes, int week) {
        return Message{MessageKind::Question, title, text, yes, week};
    };
    const Case cases[] = {
        {"a new club", none, {}, "0100", true},
        {"an indoor court stands", indoor, {}, "1100", true},
        {"an indoor court is being built", building, {}, "1100", true},
        {"a lit court is no indoor court", lit, {}, "0100", true},
        {"eight players are too many", eight, {}, "0000", true},
        {"salaries past the budget", dear, {}, "0000", true},
        {"four players are too few", four, {}, "0000", true},
        {"a request placed in May",
         none,
         {q(kScoutRequestTitle, scout, true, kJune1 - 1)},
         "0110",
         true},
        {"a request declined", none, {q(kScoutRequestTitle, scout, false, kApril1)}, "0100", true},
        {"a request placed in June is too late",
         none,
         {q(kScoutRequestTitle, scout, true, kJune1)},
         "0100",
         true},
        {"a request still open in May", openInMay, {}, "0110", true},
        {"maintenance paid", none, {q("", maintain, true, kApril1 + 30)}, "0101", true},
        {"maintenance declined", none, {q("", maintain, false, kApril1 + 30)}, "0100", true},
        {"another question's yes", none, {q("", build, true, kApril1)}, "0100", true},
        {"a report is no answer",
         none,
         {{MessageKind::Report, kScoutRequestTitle, maintain, false, kApril1}},
         "0100",
         true},
        {"all done",
         indoor,
         {q(kScoutRequestTitle, scout, true, kApril1), q("", maintain, true, kApril1 + 30)},
         "1111",
         false},
        {"the second season", nextSeason, {}, "0100", false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        GameState s = FirstApril();
        c.change(s);
        FirstAprilNotes notes;
        for (const Message &m : c.messages)
            NoteFirstAprilMessage(notes, m.kind, m.title, m.text, m.answer, m.week);
        const FirstAprilTicks done = FirstAprilDone(s, notes);
        std::string ticks;
        for (bool d : done) ticks += d ? '1' : '0';
        EXPECT_EQ(ticks, c.done);
        EXPECT_EQ(FirstAprilShown(s, done), c.shown);
    }
}

}  // namespace
}  // namespace tk
