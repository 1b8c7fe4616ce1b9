// The headless game loop of the simulator, the soak test, the golden test and the benchmarks.
#include "tools/sim/simulation.h"

#include "core/rules/lookups.h"
#include "core/rules/new_game.h"

namespace tk::sim {

Simulation::Simulation(std::uint64_t seed, std::unique_ptr<Policy> policy)
    : rng_(seed),
      policy_(std::move(policy)),
      ui_(policy_.get()),
      game_{state_, settings_, rng_, ui_} {
    settings_.Version = kSettingsVersion;
    settings_.FastMode = kTrue;  // no pauses to wait for: practice weeks take one step
}

void Simulation::StartNew(const std::string &teamName, const std::string &managerName) {
    StartNewGame(game_, teamName, managerName);
    last_ = WeekOutcome::Next;
}

void Simulation::Load(const GameState &state) {
    state_ = state;
    last_ = state_.TeamName.empty() ? WeekOutcome::Bankrupt : WeekOutcome::Next;
}

void Simulation::HandOver(std::unique_ptr<Policy> policy) {
    policy_ = std::move(policy);
    ui_.SetPolicy(policy_.get());
}

WeekOutcome Simulation::PlayOneWeek() {
    if (last_ != WeekOutcome::Next) return last_;
    policy_->BeforeWeek(game_, ui_);
    // The alerts the main screen would show before and after the week.
    ui_.RecordNewAlerts();
    last_ = PlayWeek(game_);
    if (last_ == WeekOutcome::Next) ui_.RecordNewAlerts();
    return last_;
}

int Simulation::Play(int weeks, const std::function<void(const GameState &)> &afterWeek) {
    int played = 0;
    while (played < weeks && last_ == WeekOutcome::Next) {
        PlayOneWeek();
        ++played;
        if (afterWeek) afterWeek(state_);
    }
    return played;
}

std::string SummaryText(const GameState &s) {
    std::string out;
    out += "team: " + (s.TeamName.empty() ? std::string("(none: the game is over)") : s.TeamName);
    out += "\ndate: " + DateText(s.WeekCount) + " (week " + std::to_string(s.WeekCount) + ")";
    out += "\nyear: " + std::to_string(YearOf(s.WeekCount));
    out += "\nmoney: " + MoneyText(s.Money) + " (" + std::to_string(s.Money) + ")";
    out += "\nlevel: " + std::to_string(s.TeamLevel);
    out += "\nsquad: " + std::to_string(PlayerCount(s));
    out += "\n";
    return out;
}

std::uint64_t Fnv1a(const std::uint8_t *data, std::size_t size) {
    std::uint64_t h = 14695981039346656037ULL;
    for (std::size_t i = 0; i < size; ++i) {
        h ^= data[i];
        h *= 1099511628211ULL;
    }
    return h;
}

}  // namespace tk::sim
