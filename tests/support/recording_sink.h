// A history listener for tests: keeps what the rules told it, in order.
#pragma once

#include <string>
#include <vector>

#include "core/rules/history_sink.h"
#include "core/rules/season_record.h"

namespace tk::test {

class RecordingSink : public HistorySink {
public:
    struct Call {
        std::string what;  // "month", "begin", "year", "week", "message"
        int week = 0;
    };

    std::vector<Call> calls;
    std::vector<SeasonRecord> seasons;  // made at each year end, as a history would
    std::vector<SeasonMoney> money;

    void MonthEnd(const GameState &s) override { calls.push_back({"month", s.WeekCount}); }
    void YearEndBegins(const GameState &s) override { calls.push_back({"begin", s.WeekCount}); }
    void YearEnd(const GameState &s, const SeasonMoney &m) override {
        calls.push_back({"year", s.WeekCount});
        seasons.push_back(MakeSeasonRecord(s, m));
        money.push_back(m);
    }
    void WeekEnded(const GameState &s) override { calls.push_back({"week", s.WeekCount}); }
    void Message(MessageKind, const std::string &, const std::string &, int week, bool) override {
        calls.push_back({"message", week});
    }

    int Count(const std::string &what) const {
        int n = 0;
        for (const Call &c : calls) n += c.what == what ? 1 : 0;
        return n;
    }
};

}  // namespace tk::test
