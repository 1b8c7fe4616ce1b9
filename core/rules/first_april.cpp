// What counts as done on the first season's checklist.
#include "core/rules/first_april.h"

#include <algorithm>

#include "core/rules/land_rules.h"
#include "core/rules/lookups.h"
#include "core/rules/scout_rules.h"

namespace tk {

namespace {

constexpr int kFirstSeasonEnd = 13 + 48;  // 2年目4月1週
constexpr int kAprilFirstWeek = 13;       // weeks of the year
constexpr int kJuneFirstWeek = 21;        // the scouting result comes
constexpr int kSquadLow = 5;
constexpr int kSquadHigh = 7;

bool InAprilOrMay(int week) {
    const int month = MonthOf(week);
    return month == 4 || month == 5;
}

bool EndsWith(const std::string &text, const std::string &end) {
    return text.size() >= end.size() &&
           text.compare(text.size() - end.size(), end.size(), end) == 0;
}

// The maintenance question, whatever its count and price.
bool IsMaintenanceQuestion(const std::string &text) {
    static const std::string sample = MaintenanceQuestion(1, 1);
    static const std::string head = sample.substr(0, sample.find(MaintenanceCostText(1, 1)));
    static const std::string tail = sample.substr(head.size() + MaintenanceCostText(1, 1).size());
    return text.rfind(head, 0) == 0 && EndsWith(text, tail);
}

bool IndoorCourtStandsOrComes(const GameState &s) {
    for (const FacilityRecord &f : s.Facilities)
        if (f.Kind == kIndoorCourt) return true;
    const int from = std::clamp(static_cast<int>(s.WeekCount), 0, kLastWeek);
    for (int w = from; w <= kLastWeek; ++w)
        for (int plane = 1; plane <= 2; ++plane)
            if (s.BuildLot(plane, w) != 0 && s.BuildKind(plane, w) == kIndoorCourt) return true;
    return false;
}

bool SquadPaidByBudget(const GameState &s) {
    const int n = PlayerCount(s);
    if (n < kSquadLow || n > kSquadHigh) return false;
    std::int64_t salaries = 0;
    for (int p = 0; p < n; ++p) salaries += s.Players[static_cast<std::size_t>(p)].Salary;
    return salaries <= TeamBudget(s);
}

}  // namespace

void NoteFirstAprilMessage(FirstAprilNotes &notes, MessageKind kind, const std::string &title,
                           const std::string &text, bool answer, int week) {
    if (kind != MessageKind::Question || !answer) return;
    if (title == kScoutRequestTitle && InAprilOrMay(week)) notes.scouted = true;
    if (IsMaintenanceQuestion(text)) notes.maintained = true;
}

FirstAprilTicks FirstAprilDone(const GameState &s, const FirstAprilNotes &notes) {
    FirstAprilTicks done{};
    done[static_cast<std::size_t>(FirstAprilItem::Court)] = IndoorCourtStandsOrComes(s);
    done[static_cast<std::size_t>(FirstAprilItem::Squad)] = SquadPaidByBudget(s);
    // A request still open before June was placed in April or May.
    const int weekOfYear = WeekOfYear(s.WeekCount);
    const bool requestOpen =
        ScoutRequestOpen(s) && weekOfYear >= kAprilFirstWeek && weekOfYear < kJuneFirstWeek;
    done[static_cast<std::size_t>(FirstAprilItem::Scouting)] = notes.scouted || requestOpen;
    done[static_cast<std::size_t>(FirstAprilItem::Maintenance)] = notes.maintained;
    return done;
}

bool FirstAprilShown(const GameState &s, const FirstAprilTicks &done) {
    return s.WeekCount < kFirstSeasonEnd &&
           !std::all_of(done.begin(), done.end(), [](bool d) { return d; });
}

const char *FirstAprilItemName(FirstAprilItem item) {
    switch (item) {
        case FirstAprilItem::Court: return "コート";
        case FirstAprilItem::Squad: return "選手の数";
        case FirstAprilItem::Scouting: return "スカウト";
        case FirstAprilItem::Maintenance: return "整備";
    }
    return "";
}

}  // namespace tk
