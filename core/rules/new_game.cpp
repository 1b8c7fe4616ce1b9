// A new game: six players, ten coaches, an office and one court, 3000万円.
#include "core/rules/new_game.h"

#include "core/rules/events.h"
#include "core/rules/game.h"
#include "core/rules/lookups.h"

namespace tk {

namespace {

void DrawStartingPlayer(Game &game, PlayerRecord &p) {
    p.FamilyName = static_cast<std::uint8_t>(game.Random(49, 1));
    p.FirstName = static_cast<std::uint8_t>(game.Random(65, 1));
    p.BirthYear = static_cast<std::int16_t>(-game.Random(33, 25));
    p.Salary = game.Random(500, 300);
    p.Condition = 250;
    p.Growth = 2;
    for (auto &skill : p.Skill) skill = static_cast<std::uint8_t>(game.Random(150, 50));
    // A player whose volley is better than his shot plays at the net.
    p.Style = p.Skill[4] < p.Skill[5] ? 1 : 0;
}

}  // namespace

void InitNewGame(Game &game) {
    GameState &s = game.state;
    s.WeekCount = 13;
    s.Money = 3000;
    // The month's and the season's balance start from the starting funds, so that the office
    // and the first year end measure against what the club began with.
    s.LastYear.MoneyAtYearEnd = s.Money;
    s.LastYear.MoneyAtMonthEnd = s.Money;

    for (int i = 0; i < 6; ++i) {
        PlayerRecord &p = s.Players[static_cast<std::size_t>(i)];
        DrawStartingPlayer(game, p);
        p.Order = static_cast<std::uint8_t>(i < 5 ? i + 1 : 0);
    }

    for (int n = 1; n <= 10; ++n) {
        CoachRecord &c = s.Coaches[static_cast<std::size_t>(n)];
        c.FamilyName = static_cast<std::uint8_t>(game.Random(49, 1));
        c.FirstName = static_cast<std::uint8_t>(game.Random(65, 1));
        c.Salary = CoachSalary(n);
        c.Ability = static_cast<std::uint8_t>(25 * n);
        c.Hired = kCoachFree;
    }

    for (int lot = 0; lot < kLots; ++lot)
        s.Facilities[static_cast<std::size_t>(lot)] = {kLandForSale, 1000};
    s.Facilities[0].Kind = kOffice;
    s.Facilities[1].Kind = kOutdoorCourt;

    s.ViewFlags[0] = 1;
    s.ViewFlags[1] = 1;
    s.TeamLevel = 1;
    s.TeamCourtsDay = 1;
    s.TeamCourtsNight = 1;
    s.TeamCourtsRain = 1;
    game.settings.SpareWord = 50;

    EnterGame(s, 9, true, 10);   // 春季大会
    EnterGame(s, 36, true, 15);  // 秋季大会
}

void StartNewGame(Game &game, const std::string &teamName, const std::string &managerName) {
    game.state = GameState{};
    InitNewGame(game);
    game.state.TeamName = teamName;
    game.state.ManagerName = managerName;
}

std::string IntroductionText() {
    return "\r\r\r"
           "あなたはテニスチームの監督です。\r"
           "チームをどんどん強くしてください！\r"
           "レベルによって毎年収入があります。\r"
           "選手やコーチの年俸の支払いや\r"
           "スポンサー・コーチの契約は\r"
           "4月にあります。";
}

}  // namespace tk
