// How the simulated manager plays: what he does before each week, how he answers the
// questions and what he does on the screens that the rules open in the middle of a week.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace tk {
struct Game;
}

namespace tk::sim {

class SimUi;

class Policy {
public:
    virtual ~Policy() = default;

    virtual std::string Name() const = 0;
    // The commands of the main screen the manager uses before he presses "advance".
    virtual void BeforeWeek(Game &game, SimUi &ui) = 0;
    // A question of a rule: true for "はい".
    virtual bool Answer(const std::string &question) = 0;
    // 合宿地決定: must decide a class (the screen cannot be closed otherwise).
    virtual void ChooseCamp(Game &game, SimUi &ui) = 0;
    // The scouting result: must sign or decline the candidates.
    virtual void ScoutResult(Game &game, SimUi &ui) = 0;
    // The dismissal screen of the contract renewal.
    virtual void DismissAtRenewal(Game &game, SimUi &ui) = 0;
};

// "idle": the default answer everywhere ("いいえ", camp "行かない", no command used).
std::unique_ptr<Policy> MakeIdlePolicy();
// "active": books practice matches, enters tournaments, hires coaches, scouts and signs,
// builds and maintains courts, signs sponsors, buys drinks and goes to camp, within the
// funds it can spare; answers every question "はい".
std::unique_ptr<Policy> MakeActivePolicy();
// "careful": plays a new game with its own funds the way a thoughtful manager would: the
// strongest five, wages within the season's means, cheap young players scouted to replace
// the ageing ones, every tournament the team may enter, practice matches that pay, and
// courts, a training room, coaches and camps as the funds allow.
std::unique_ptr<Policy> MakeCarefulPolicy();
// "random": any legal command at random, questions answered at random (the soak test's
// player). Its choices come from its own generator, seeded with `seed`.
std::unique_ptr<Policy> MakeRandomPolicy(std::uint64_t seed);

// The policy of a name above; nullptr for an unknown name.
std::unique_ptr<Policy> MakePolicy(const std::string &name, std::uint64_t seed);
std::vector<std::string> PolicyNames();

}  // namespace tk::sim
