// What a running game's history records, and when it is written.
#include "history/history_recorder.h"

#include <iterator>

#include "core/rules/lookups.h"
#include "history/history_store.h"

namespace tk {

HistoryRecorder::HistoryRecorder(HistoryStore &store, Commit commit)
    : store_(store), commit_(commit) {}

void HistoryRecorder::Meet(const PlayerRecord &p, PlayerKey key, int week) {
    if (store_.KnowsPlayer(key) || !pendingPlayers_.insert(key).second) return;
    PlayerRow row;
    row.key = key;
    row.name = PersonName(p);
    row.style = p.Style;
    row.birthYear = p.BirthYear;
    row.firstWeek = week;
    pending_.players.push_back(std::move(row));
}

void HistoryRecorder::MonthEnd(const GameState &s) {
    if (failed_) return;
    MonthRow month{s.WeekCount, MakeMonthRecord(s)};
    for (std::size_t p = 0; p < month.players.size(); ++p)
        Meet(s.Players[p], month.players[p].key, s.WeekCount);
    pending_.months.push_back(std::move(month));
}

void HistoryRecorder::YearEndBegins(const GameState &) {
    gathering_ = true;
    summary_.clear();
}

void HistoryRecorder::YearEnd(const GameState &s, const SeasonMoney &money) {
    gathering_ = false;
    if (failed_) return;
    SeasonRecord season = MakeSeasonRecord(s, money);
    season.summary = std::move(summary_);
    summary_.clear();
    for (std::size_t p = 0; p < season.squad.size(); ++p)
        Meet(s.Players[p], season.squad[p].key, s.WeekCount);
    pending_.seasons.push_back(std::move(season));
}

void HistoryRecorder::WeekEnded(const GameState &s) {
    // A quiet week writes nothing: the replay mark only has to be right when the game is
    // saved, and Flush is called then.
    if (commit_ == Commit::EveryWeek && !pending_.Empty()) (void)Flush(s.WeekCount);
}

void HistoryRecorder::Message(MessageKind kind, const std::string &text, const std::string &title,
                              int week, bool answer) {
    // The settlement's notices, one after another, make the summary the office shows.
    if (gathering_ && !IsQuestion(kind)) {
        if (!summary_.empty()) summary_ += "\r\r";
        summary_ += text;
    }
    if (failed_) return;
    pending_.messages.push_back({week, kind, title, text, answer});
}

void HistoryRecorder::Carry(HistoryBatch rows, const GameState &s) {
    for (PlayerRow &p : rows.players)
        if (!store_.KnowsPlayer(p.key) && pendingPlayers_.insert(p.key).second)
            pending_.players.push_back(std::move(p));
    // A player met before the failed week is in the old file only.
    const auto meet = [&](PlayerKey key, int week) {
        for (const PlayerRecord &p : s.Players)
            if (KeyOf(p) == key) return Meet(p, key, week);
    };
    for (MonthRow &m : rows.months) {
        for (const MonthPlayer &p : m.players) meet(p.key, m.week);
        pending_.months.push_back(std::move(m));
    }
    for (SeasonRecord &season : rows.seasons) {
        for (const SquadEntry &e : season.squad) meet(e.key, season.week);
        pending_.seasons.push_back(std::move(season));
    }
    pending_.messages.insert(pending_.messages.begin(),
                             std::make_move_iterator(rows.messages.begin()),
                             std::make_move_iterator(rows.messages.end()));
}

Status HistoryRecorder::Flush(int week) {
    if (failed_) return Failure{"記録は止まっています"};
    Status s = store_.Write(pending_, week);
    if (!s) unwritten_ = std::move(pending_);
    pending_ = {};
    pendingPlayers_.clear();
    if (!s) {
        failed_ = true;
        if (onFailure_) onFailure_(s.Reason());
    }
    return s;
}

}  // namespace tk
