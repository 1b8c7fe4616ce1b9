// Practice-match bookings and tournament applications.
#include "core/rules/booking_rules.h"

#include "core/rules/events.h"
#include "core/rules/game.h"
#include "core/rules/lookups.h"

namespace tk {

namespace {

bool IsTournamentIndex(int index) {
    return index >= 2 && index <= 4;
}

const CategoryRecord &CategoryOf(const GameState &s, int index) {
    return s.Category[static_cast<std::size_t>(index)];
}

}  // namespace

PracticeBooking PracticeBookingState(const GameState &s) {
    if (s.PracticeMatchCount >= kPracticeMatchesPerYear) return PracticeBooking::kYearLimitReached;
    // The last week of the calendar has no next week to book into.
    const int next = s.WeekCount + 1;
    if (next > kLastWeek || s.MatchKind(next) != 0) return PracticeBooking::kNextWeekTaken;
    return PracticeBooking::kAvailable;
}

std::string PracticeBookingText(PracticeBooking state) {
    switch (state) {
        case PracticeBooking::kYearLimitReached:
            return "今年はすでに練習試合を\r10回行っています。";
        case PracticeBooking::kNextWeekTaken:
            return "来週はすでに予定が入って\rいるので試合はできません。";
        case PracticeBooking::kAvailable: break;
    }
    return "来週は練習試合が可能です｡";
}

std::string PracticeFrameCaption(const GameState &s) {
    return "練習試合　　" + std::to_string(s.PracticeMatchCount) + "(回)/10(回中)";
}

std::string PracticeLevelName(int level) {
    if (level == kPracticeLevels) return "Lv.Max";
    if (level >= 1 && level < kPracticeLevels) return "Lv." + std::to_string(level);
    return "";
}

bool CanChoosePracticeLevel(const GameState &s, int level) {
    if (level >= 1 && level < kPracticeLevels) return true;
    return level == kPracticeLevels && s.Category[0].Qualified != kFalse;
}

bool BookPracticeMatch(GameState &s, int level) {
    if (!CanBookPracticeMatch(s) || !CanChoosePracticeLevel(s, level)) return false;
    ++s.PracticeMatchCount;
    s.MatchKind(s.WeekCount + 1) = static_cast<std::uint8_t>(level);
    s.MatchResult(s.WeekCount + 1) = 0;
    return true;
}

bool AskAndBookPracticeMatch(Game &game, int level) {
    if (!CanBookPracticeMatch(game.state) || !CanChoosePracticeLevel(game.state, level))
        return false;
    if (!game.ui.AskQuestion(kPracticeQuestion, "", 14)) return false;
    return BookPracticeMatch(game.state, level);
}

TournamentEntry TournamentEntryState(const GameState &s, int index) {
    if (!IsTournamentIndex(index)) return TournamentEntry::kNotQualified;
    const CategoryRecord &c = CategoryOf(s, index);
    if (c.AlwaysEnter != kFalse) return TournamentEntry::kAlwaysEnters;
    return c.Qualified != kFalse ? TournamentEntry::kCanApply : TournamentEntry::kNotQualified;
}

std::string TournamentConditionText(const GameState &s, int index) {
    if (TournamentEntryState(s, index) == TournamentEntry::kAlwaysEnters)
        return "常時出場しています。";
    switch (index) {
        case 2: return "条件　春・秋季大会でベスト4";
        case 3: return "条件　春・秋季大会で優勝";
        case 4: return "条件　日本選手権で優勝";
        default: return "";
    }
}

std::string TournamentDatesText(int index) {
    switch (index) {
        case 2: return "日時\r\n6月3週\r\n12月1週";
        case 3: return "日時\r\n7月2週";
        case 4: return "日時\r\n1月3週";
        default: return "";
    }
}

int TournamentWeekOfYear(const GameState &s, int index) {
    switch (index) {
        case 2: {
            const int month = MonthOf(s.WeekCount);
            return month <= 5 || month == 12 ? 23 : 45;
        }
        case 3: return 26;
        case 4: return 3;
        default: return 0;
    }
}

std::string TournamentQuestion(const GameState &s, int index) {
    const int w = TournamentWeekOfYear(s, index);
    const int month = (w + 3) / 4;
    const int week = w - 4 * (month - 1);
    return std::to_string(month) + "月" + std::to_string(week) + "週に" +
           CompetitionName(index * 10) + "を\r行います。よろしいですか？";
}

bool ApplyForTournament(GameState &s, int index) {
    if (!CanApplyForTournament(s, index)) return false;
    EnterGame(s, TournamentWeekOfYear(s, index), false, index * 10);
    return true;
}

bool AskAndApplyForTournament(Game &game, int index) {
    if (!CanApplyForTournament(game.state, index)) return false;
    if (!game.ui.AskQuestion(TournamentQuestion(game.state, index), "", 12)) return false;
    return ApplyForTournament(game.state, index);
}

}  // namespace tk
