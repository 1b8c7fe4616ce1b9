// The simulator's player interface.
#include "tools/sim/sim_ui.h"

#include "core/rules/match_week.h"
#include "tools/sim/policy.h"

namespace tk::sim {

void SimUi::ShowNotice(MessageKind kind, const std::string &message, const std::string &title,
                       int) {
    ++notices;
    if (keepTranscript_) transcript_.push_back(message);
    if (history_ != nullptr) history_->Message(kind, message, title, state_->WeekCount, false);
}

bool SimUi::AskQuestion(const std::string &message, const std::string &title, int) {
    ++questions;
    if (keepTranscript_) transcript_.push_back(message);
    const bool yes = confirming_ > 0 || (policy_ != nullptr && policy_->Answer(message));
    if (history_ != nullptr)
        history_->Message(MessageKind::Question, message, title, state_->WeekCount, yes);
    return yes;
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

void SimUi::RecordNewAlerts() {
    if (history_ == nullptr) return;
    for (const Alert &a : alertWatch_.Appeared(CurrentAlerts(*state_))) {
        history_->Message(MessageKind::Warning, a.text, kAlertTitle, state_->WeekCount, false);
        ++alerts;
    }
}

}  // namespace tk::sim
