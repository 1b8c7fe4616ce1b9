// "はじめての4月": the four things a new manager settles in the first season, each ticked off
// from the record (the game and the messages the player met) as soon as it is done.
#pragma once

#include <array>
#include <string>

#include "core/rules/history_sink.h"
#include "core/state/game_state.h"

namespace tk {

enum class FirstAprilItem {
    Court,        // コート: an indoor court stands or is being built
    Squad,        // 選手の数: five to seven players whose salaries the budget pays
    Scouting,     // スカウト: a scout request placed in April or May
    Maintenance,  // 整備: courts maintained
};
inline constexpr int kFirstAprilItems = 4;

// What only the messages tell: the record keeps no trace of them once they are past.
struct FirstAprilNotes {
    bool scouted = false;     // a scout request was placed in April or May
    bool maintained = false;  // a maintenance was paid for

    bool operator==(const FirstAprilNotes &) const = default;
};

// Reads one message of the record, as the player met it in week `week`, into `notes`.
void NoteFirstAprilMessage(FirstAprilNotes &notes, MessageKind kind, const std::string &title,
                           const std::string &text, bool answer, int week);

using FirstAprilTicks = std::array<bool, kFirstAprilItems>;

// Which items are done, by FirstAprilItem.
FirstAprilTicks FirstAprilDone(const GameState &s, const FirstAprilNotes &notes);

// The checklist is shown through the first season until every item is done.
bool FirstAprilShown(const GameState &s, const FirstAprilTicks &done);

// The item's name as the help writes it ("コート", "選手の数", "スカウト", "整備").
const char *FirstAprilItemName(FirstAprilItem item);

}  // namespace tk
