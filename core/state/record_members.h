// The members of the saved records in their stored order, for the codec and the save tool.
#pragma once

#include <concepts>
#include <type_traits>

#include "core/state/game_state.h"

namespace tk {

// Each VisitMembers calls v(name, member) for every member in declaration order, which is
// also the order of the bytes in the files. Members are u8/i16/i32 scalars, texts
// (std::string), std::arrays or nested records; const records give const members.

template <class T, class R>
concept RecordOf = std::same_as<std::remove_const_t<T>, R>;

template <RecordOf<PlayerRecord> P, class V>
void VisitMembers(P &p, V &&v) {
    v("FamilyName", p.FamilyName);
    v("FirstName", p.FirstName);
    v("Condition", p.Condition);
    v("Skill", p.Skill);
    v("Style", p.Style);
    v("Growth", p.Growth);
    v("SpareLevels", p.SpareLevels);
    v("Experience", p.Experience);
    v("PracticeSlot", p.PracticeSlot);
    v("BirthYear", p.BirthYear);
    v("Salary", p.Salary);
    v("Order", p.Order);
    v("SignMark", p.SignMark);
}

template <RecordOf<CoachRecord> C, class V>
void VisitMembers(C &c, V &&v) {
    v("FamilyName", c.FamilyName);
    v("FirstName", c.FirstName);
    v("Ability", c.Ability);
    v("SpareCoach", c.SpareCoach);
    v("Salary", c.Salary);
    v("Hired", c.Hired);
}

template <RecordOf<CategoryRecord> C, class V>
void VisitMembers(C &c, V &&v) {
    v("Wins", c.Wins);
    v("Losses", c.Losses);
    v("Prize", c.Prize);
    v("Qualified", c.Qualified);
    v("AlwaysEnter", c.AlwaysEnter);
}

template <RecordOf<FacilityRecord> F, class V>
void VisitMembers(F &f, V &&v) {
    v("Kind", f.Kind);
    v("Durability", f.Durability);
}

template <RecordOf<SponsorStateRecord> S, class V>
void VisitMembers(S &s, V &&v) {
    v("Contract", s.Contract);
    v("KeptThisYear", s.KeptThisYear);
    v("Unlocked", s.Unlocked);
}

template <RecordOf<CalendarCell> C, class V>
void VisitMembers(C &c, V &&v) {
    v("First", c.First);
    v("Second", c.Second);
}

template <RecordOf<LastYearRecord> L, class V>
void VisitMembers(L &l, V &&v) {
    v("Results", l.Results);
    v("MoneyAtYearEnd", l.MoneyAtYearEnd);
    v("MoneyAtMonthEnd", l.MoneyAtMonthEnd);
}

// Calendar is Calendar[plane][week], so walking it in index order gives the stored order:
// all weeks of plane 0, then plane 1, then plane 2.
template <RecordOf<GameState> G, class V>
void VisitMembers(G &g, V &&v) {
    v("Reserved0", g.Reserved0);
    v("TeamName", g.TeamName);
    v("ManagerName", g.ManagerName);
    v("Money", g.Money);
    v("Reserved1", g.Reserved1);
    v("TeamLevel", g.TeamLevel);
    v("TeamPracticeMenu", g.TeamPracticeMenu);
    v("Players", g.Players);
    v("Coaches", g.Coaches);
    v("Category", g.Category);
    v("Candidates", g.Candidates);
    v("Facilities", g.Facilities);
    v("SponsorState", g.SponsorState);
    v("Calendar", g.Calendar);
    v("ViewFlags", g.ViewFlags);
    v("WeekCount", g.WeekCount);
    v("Weather", g.Weather);
    v("TimeOfDay", g.TimeOfDay);
    v("LastYear", g.LastYear);
    v("TeamCourtsNight", g.TeamCourtsNight);
    v("TeamCourtsRain", g.TeamCourtsRain);
    v("TeamCourtsDay", g.TeamCourtsDay);
    v("CampSessions", g.CampSessions);
    v("PracticeMatchCount", g.PracticeMatchCount);
    v("Reserved2", g.Reserved2);
}

template <RecordOf<Settings> S, class V>
void VisitMembers(S &s, V &&v) {
    v("Version", s.Version);
    v("CurrentSlot", s.CurrentSlot);
    v("SparePlayers", s.SparePlayers);
    v("SpareWord", s.SpareWord);
    v("FastMode", s.FastMode);
}

template <class T>
struct IsStdArray : std::false_type {};
template <class T, std::size_t N>
struct IsStdArray<std::array<T, N>> : std::true_type {};
template <class T>
inline constexpr bool kIsStdArray = IsStdArray<std::remove_const_t<T>>::value;

}  // namespace tk
