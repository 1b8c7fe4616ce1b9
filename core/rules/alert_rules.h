// The 要対応 list: what stops the team or costs money while the player does nothing, each
// with the screen that fixes it; and which of them are new since they were last seen.
#pragma once

#include <string>
#include <vector>

#include "core/state/game_state.h"

namespace tk {

// What an alert is about; with its subject it names the alert for as long as it lasts.
enum class AlertKind {
    NoCourt,           // no court counted as usable in fine weather: practice stops
    CourtUnusable,     // one court too worn to be counted (subject: the lot)
    CourtWearing,      // one court close to that (subject: the lot)
    LineupGap,         // a place of the five regulars is empty
    SquadShort,        // fewer than five players
    IdleIndividual,    // players in individual practice that it does not train
    YearEndShortfall,  // the funds fall short of the coming year end's salaries
    TournamentOpen,    // a tournament the team may enter and has not (subject: 2..4)
    SponsorAtRisk,     // a sponsor's keeping condition has no chance left (subject: 1..7)
};

// The main screen's command that opens the fixing screen.
enum class AlertFix {
    Practice,   // 練習: the practice menu and the coaches
    Matches,    // 試合: bookings and entries
    Office,     // 事務所
    Roster,     // 選手: contracts and scouting
    Grounds,    // 土地: the whole grounds, 整備
    Lineup,     // レギュラー設定
    Allotment,  // 練習配分
};

struct Alert {
    AlertKind kind;
    int subject = 0;
    std::string text;  // '\r' breaks the line
    AlertFix fix;

    bool SameAs(const Alert &other) const { return kind == other.kind && subject == other.subject; }
};

// Courts at or below this durability are drawn in the warning colour on the whole grounds;
// from here a few weeks of practice take them out of use.
inline constexpr int kCourtWearingAtOrBelow = 299;

// The history's title of an alert's message.
inline constexpr const char *kAlertTitle = "要対応";

// Every alert of the record as it stands, in a fixed order. Reads only: the court counts
// and the practice values are those the next practice would use.
std::vector<Alert> CurrentAlerts(const GameState &s);

// True when `now` holds an alert that `before` did not.
bool HasNewAlert(const std::vector<Alert> &before, const std::vector<Alert> &now);

// Remembers the alerts seen last and tells which are new: an alert is new when it appears,
// and again only after it went away and came back.
class AlertWatch {
public:
    std::vector<Alert> Appeared(const std::vector<Alert> &now);
    void Forget() { seen_.clear(); }

private:
    std::vector<Alert> seen_;
};

}  // namespace tk
