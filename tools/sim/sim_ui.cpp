// The simulator's player interface.
#include "tools/sim/sim_ui.h"

#include "core/rules/match_week.h"
#include "tools/sim/policy.h"

namespace tk::sim {

void SimUi::ShowNotice(const std::string &message, const std::string &, int) {
    ++notices;
    if (keepTranscript_) transcript_.push_back(message);
}

bool SimUi::AskQuestion(const std::string &message, const std::string &, int) {
    ++questions;
    if (keepTranscript_) transcript_.push_back(message);
    if (confirming_ > 0) return true;
    return policy_ != nullptr && policy_->Answer(message);
}

void SimUi::ChooseCamp(Game &game) {
    ++campScreens;
    if (policy_ != nullptr) policy_->ChooseCamp(game, *this);
}

void SimUi::ShowScoutResult(Game &game) {
    ++scoutScreens;
    if (policy_ != nullptr) policy_->ScoutResult(game, *this);
}

void SimUi::DismissAtRenewal(Game &game) {
    ++renewalScreens;
    if (policy_ != nullptr) policy_->DismissAtRenewal(game, *this);
}

void SimUi::PlayNextRound(Game &game) {
    ++nextRounds;
    PlayMatchRound(game);
}

}  // namespace tk::sim
