// The one record of a running game and the installation's settings, member for member.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace tk {

inline constexpr int kPlayerSlots = 21;  // Players(0..20); the game uses 0..19
inline constexpr int kSquadSlots = 20;   // slots the rules look at
inline constexpr int kCoachSlots = 11;   // Coaches(0..10); 0 is never used
inline constexpr int kCategories = 6;    // 練習, 地区, 関東, 全国, 海外, 総合
inline constexpr int kCandidateSlots = 5;
inline constexpr int kLotSlots = 10;  // Facilities(0..9); lots 0..8 are used
inline constexpr int kLots = 9;
inline constexpr int kCalendarWeeks = 4801;  // week numbers 0..4800, 100 years
inline constexpr int kLastWeek = 4800;
// The week counter once the last week has been played: the game is over, nothing is played.
inline constexpr int kCalendarOver = kLastWeek + 1;
inline constexpr int kSkillCount = 11;  // skill indices 0..10
inline constexpr int kSponsorCount = 7;

// Flags are stored as 16-bit values, -1 for true and 0 for false.
inline constexpr std::int16_t kTrue = -1;
inline constexpr std::int16_t kFalse = 0;

// A player, or a scouted candidate (same layout).
struct PlayerRecord {
    std::uint8_t FamilyName = 0;  // 0 = empty slot
    std::uint8_t FirstName = 0;
    std::uint8_t Condition = 0;                 // skill index 0
    std::array<std::uint8_t, 6> Skill{};        // skill indices 1..6
    std::uint8_t Style = 0;                     // skill index 7: 1 = 前衛
    std::uint8_t Growth = 0;                    // skill index 8
    std::array<std::uint8_t, 2> SpareLevels{};  // skill indices 9, 10
    std::array<std::uint8_t, kSkillCount> Experience{};
    std::uint8_t PracticeSlot = 0;  // 0 = whole-team practice, 1..3 = individual place
    std::int16_t BirthYear = 0;
    std::int32_t Salary = 0;
    std::uint8_t Order = 0;     // regular 1..5, 0 = not a regular
    std::uint8_t SignMark = 0;  // candidates: 1 = marked for signing

    bool Occupied() const { return FamilyName != 0; }

    // The level byte of a skill index 0..10 (condition, six skills, style, growth, spares).
    std::uint8_t &Level(int skill);
    std::uint8_t Level(int skill) const;

    bool operator==(const PlayerRecord &) const = default;
};

struct CoachRecord {
    std::uint8_t FamilyName = 0;
    std::uint8_t FirstName = 0;
    std::uint8_t Ability = 0;
    std::array<std::uint8_t, 21> SpareCoach{};
    std::int32_t Salary = 0;
    std::uint8_t Hired = 0;  // 0 free, 1 whole-team (全体), 2 individual (個別)

    bool operator==(const CoachRecord &) const = default;
};

inline constexpr std::uint8_t kCoachFree = 0;
inline constexpr std::uint8_t kCoachTeam = 1;
inline constexpr std::uint8_t kCoachIndividual = 2;

struct CategoryRecord {
    std::int16_t Wins = 0;
    std::int16_t Losses = 0;
    std::int32_t Prize = 0;
    std::int16_t Qualified = 0;    // flag
    std::int16_t AlwaysEnter = 0;  // flag

    bool operator==(const CategoryRecord &) const = default;
};

// Stored facility kinds of a lot.
enum FacilityKind : std::int16_t {
    kOutdoorCourt = 0,
    kLitCourt = 1,
    kIndoorCourt = 4,
    kOffice = 5,
    kTrainingRoom = 6,
    kLandForSale = 7,
    kUnderConstruction = 8,
};

struct FacilityRecord {
    std::int16_t Kind = 0;
    std::int16_t Durability = 0;  // 1000 = new; 200 or less is unusable

    bool operator==(const FacilityRecord &) const = default;
};

struct SponsorStateRecord {
    std::array<std::uint8_t, 3> Contract{};      // [1], [2]: sponsor numbers
    std::array<std::int16_t, 8> KeptThisYear{};  // flags by sponsor number
    std::array<std::int16_t, 8> Unlocked{};      // flags by sponsor number

    bool operator==(const SponsorStateRecord &) const = default;
};

// One cell of the week calendar. Plane 0 is the match schedule and reads the two bytes
// as (Kind, Result); planes 1 and 2 are the construction schedules and read them as
// (Lot, Kind). The accessors name the reading; the bytes are the same.
struct CalendarCell {
    std::uint8_t First = 0;
    std::uint8_t Second = 0;

    bool operator==(const CalendarCell &) const = default;
};

inline constexpr int kMatchPlane = 0;

struct LastYearRecord {
    std::array<CategoryRecord, kCategories> Results{};
    std::int32_t MoneyAtYearEnd = 0;
    std::int32_t MoneyAtMonthEnd = 0;

    bool operator==(const LastYearRecord &) const = default;
};

struct GameState {
    std::array<std::uint8_t, 4> Reserved0{};
    std::string TeamName;     // UTF-8; empty = empty slot
    std::string ManagerName;  // UTF-8
    std::int32_t Money = 0;   // 万円
    std::array<std::uint8_t, 12> Reserved1{};
    std::uint8_t TeamLevel = 0;
    std::int16_t TeamPracticeMenu = 0;
    std::array<PlayerRecord, kPlayerSlots> Players{};
    std::array<CoachRecord, kCoachSlots> Coaches{};
    std::array<CategoryRecord, kCategories> Category{};
    std::array<PlayerRecord, kCandidateSlots> Candidates{};
    std::array<FacilityRecord, kLotSlots> Facilities{};
    SponsorStateRecord SponsorState{};
    // Calendar[p][w]: plane p (0 matches, 1 and 2 construction), week number w.
    std::array<std::array<CalendarCell, kCalendarWeeks>, 3> Calendar{};
    std::array<std::uint8_t, 4> ViewFlags{};
    std::int16_t WeekCount = 0;
    std::uint8_t Weather = 0;    // 0 晴れ, 1 曇り, 2 雨天, 3 晴れ
    std::uint8_t TimeOfDay = 0;  // 0..7
    LastYearRecord LastYear{};
    std::uint8_t TeamCourtsNight = 0;
    std::uint8_t TeamCourtsRain = 0;
    std::uint8_t TeamCourtsDay = 0;
    std::uint8_t CampSessions = 0;
    std::int16_t PracticeMatchCount = 0;
    std::array<std::uint8_t, 34> Reserved2{};

    bool operator==(const GameState &) const = default;

    // Match schedule of week w (plane 0).
    std::uint8_t &MatchKind(int w) { return Calendar[kMatchPlane][w].First; }
    std::uint8_t MatchKind(int w) const { return Calendar[kMatchPlane][w].First; }
    std::uint8_t &MatchResult(int w) { return Calendar[kMatchPlane][w].Second; }
    std::uint8_t MatchResult(int w) const { return Calendar[kMatchPlane][w].Second; }
    // Construction schedule of week w in plane 1 or 2.
    std::uint8_t &BuildLot(int plane, int w) { return Calendar[plane][w].First; }
    std::uint8_t BuildLot(int plane, int w) const { return Calendar[plane][w].First; }
    std::uint8_t &BuildKind(int plane, int w) { return Calendar[plane][w].Second; }
    std::uint8_t BuildKind(int plane, int w) const { return Calendar[plane][w].Second; }
};

struct Settings {
    std::int16_t Version = 0;  // 1030 after every load
    std::uint8_t CurrentSlot = 0;
    std::array<PlayerRecord, kPlayerSlots> SparePlayers{};
    std::int16_t SpareWord = 0;
    std::int16_t FastMode = 0;  // -1 fast, 0 normal

    bool operator==(const Settings &) const = default;

    // How notices close, the player's choice in ゲーム設定: by themselves after five seconds
    // (the rules' way and the default) or only on "閉じる". It is kept in a byte the game
    // never used, the first of the spare records (offset 3 of the file), so the file stays
    // 700 bytes and loads unchanged in versions that know nothing of it. 1 means "wait";
    // any other value reads as the five seconds.
    bool NoticesWait() const { return SparePlayers[0].FamilyName == kNoticesWaitMark; }
    void SetNoticesWait(bool wait) { SparePlayers[0].FamilyName = wait ? kNoticesWaitMark : 0; }

    static constexpr std::uint8_t kNoticesWaitMark = 1;
};

inline constexpr std::int16_t kSettingsVersion = 1030;

}  // namespace tk
