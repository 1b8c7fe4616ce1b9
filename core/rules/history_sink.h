// What a running game tells a history of the club: the month ends, the year-end settlement
// with the figures the settlement itself used, the end of every week, and the messages the
// player was shown. The game plays the same with or without a history listening.
#pragma once

#include <cstdint>
#include <string>

#include "core/state/game_state.h"

namespace tk {

// The money of one year-end settlement, as the settlement counted it.
struct SeasonMoney {
    std::int64_t budget = 0;         // the team budget paid at the renewal
    std::int64_t sponsorIncome = 0;  // contract money of the sponsors
    std::int64_t penalties = 0;      // penalties for conditions not kept
    std::int64_t salaries = 0;       // the salaries paid (after the dismissals)
};

// How a message meets the player; the history keeps the number. A notice recorded before
// notices had kinds stays a plain Notice: the game itself shows reports and warnings.
enum class MessageKind : std::uint8_t {
    Notice = 0,    // a notice of an older history, neither report nor warning
    Question = 1,  // a yes/no question: the player must answer it
    Report = 2,    // routine news: results, prizes, the month's and the year's figures
    Warning = 3,   // the player must heed it: money short, bankruptcy, a command refused
};

constexpr bool IsQuestion(MessageKind kind) {
    return kind == MessageKind::Question;
}

// The kind of a stored number; numbers this game does not know read as a plain notice.
constexpr MessageKind MessageKindOf(int number) {
    switch (number) {
        case 1: return MessageKind::Question;
        case 2: return MessageKind::Report;
        case 3: return MessageKind::Warning;
        default: return MessageKind::Notice;
    }
}

class HistorySink {
public:
    virtual ~HistorySink() = default;

    // The last week of a month, after the ageing and the upkeep.
    virtual void MonthEnd(const GameState &state) = 0;
    // The settlement of the season starts (the funds passed the bankruptcy check).
    virtual void YearEndBegins(const GameState &state) = 0;
    // The settlement is done, before this season's records are copied to last year's.
    virtual void YearEnd(const GameState &state, const SeasonMoney &money) = 0;
    // The week has closed and the week counter moved on.
    virtual void WeekEnded(const GameState &state) = 0;
    // A notice or a question as the player saw it, in game week `week`; `answer` is the
    // answer of a question (true for "はい"), false for a notice.
    virtual void Message(MessageKind kind, const std::string &text, const std::string &title,
                         int week, bool answer) = 0;
};

}  // namespace tk
