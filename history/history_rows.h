// The rows of a slot's history as plain values: what is written in one week's transaction and
// what the records screens read back.
#pragma once

#include <algorithm>

#include <string>
#include <vector>

#include "core/rules/history_sink.h"
#include "core/rules/season_record.h"

namespace tk {

// A notice or question as the player saw it.
struct MessageRow {
    int week = 0;
    MessageKind kind = MessageKind::Notice;
    std::string title;
    std::string text;     // '\r' = line break, as the rules write it
    bool answer = false;  // questions: true for "はい"
};

// A player as the history first saw him.
struct PlayerRow {
    PlayerKey key = 0;
    std::string name;
    int style = 0;
    int birthYear = 0;
    int firstWeek = 0;    // the first month end he was recorded at
    bool joined = false;  // he joined while the history was kept (else he was already there)
    int lastWeek = 0;     // reading only: the last month end he was recorded at
};

// One month end: every squad player's levels.
struct MonthRow {
    int week = 0;
    std::vector<MonthPlayer> players{};
};

// One point of a player's curve.
struct CurvePoint {
    int week = 0;
    SkillLevels levels;
};

// What one transaction writes.
struct HistoryBatch {
    std::vector<MessageRow> messages{};
    std::vector<PlayerRow> players{};  // players seen for the first time
    std::vector<MonthRow> months{};
    std::vector<SeasonRecord> seasons{};

    bool Empty() const {
        return messages.empty() && players.empty() && months.empty() && seasons.empty();
    }
    // The week of its earliest row; `otherwise` when it has none.
    int EarliestWeek(int otherwise) const {
        int earliest = otherwise;
        for (const MessageRow &m : messages) earliest = std::min(earliest, m.week);
        for (const MonthRow &m : months) earliest = std::min(earliest, m.week);
        for (const SeasonRecord &s : seasons) earliest = std::min(earliest, s.week);
        return earliest;
    }
};

}  // namespace tk
