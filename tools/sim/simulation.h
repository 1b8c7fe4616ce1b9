// A whole game played headlessly: the record, its random source, the screenless player and
// the policy, week after week through the rules' own weekly cycle.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "core/rules/game.h"
#include "core/rules/week_rules.h"
#include "core/state/game_state.h"
#include "tools/sim/policy.h"
#include "tools/sim/sim_ui.h"

namespace tk::sim {

class Simulation {
public:
    // The game's draws come from `seed`; the policy has its own choices.
    Simulation(std::uint64_t seed, std::unique_ptr<Policy> policy);
    Simulation(const Simulation &) = delete;
    Simulation &operator=(const Simulation &) = delete;

    // A new game with these names, as the new-game screen starts it.
    void StartNew(const std::string &teamName, const std::string &managerName);
    // Goes on with a loaded record.
    void Load(const GameState &state);
    // Another manager takes the club over from the next week on.
    void HandOver(std::unique_ptr<Policy> policy);

    // Tells a history of the game (or none, with null) everything the screens would show.
    void SetHistory(HistorySink *history) {
        game_.history = history;
        ui_.SetHistory(history, &state_);
    }

    // One press of "advance": the policy's commands, then the week and its end.
    WeekOutcome PlayOneWeek();
    // Up to `weeks` weeks; stops early when the game ends. `afterWeek` (optional) sees the
    // record after every week. Returns the number of weeks played.
    int Play(int weeks, const std::function<void(const GameState &)> &afterWeek = {});

    GameState &State() { return state_; }
    const GameState &State() const { return state_; }
    Game &CurrentGame() { return game_; }
    SimUi &Ui() { return ui_; }
    const Policy &CurrentPolicy() const { return *policy_; }
    WeekOutcome LastOutcome() const { return last_; }

private:
    GameState state_;
    Settings settings_;
    Rng rng_;
    std::unique_ptr<Policy> policy_;
    SimUi ui_;
    Game game_;
    WeekOutcome last_ = WeekOutcome::Next;
};

// The short summary the simulator prints: date, money, level, squad.
std::string SummaryText(const GameState &s);

// FNV-1a of bytes: a short fingerprint of an encoded record.
std::uint64_t Fnv1a(const std::uint8_t *data, std::size_t size);

}  // namespace tk::sim
