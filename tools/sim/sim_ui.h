// The screenless player of the simulator: notices are counted, questions and the screens a
// rule opens are answered by a policy, and a further round on the same day is played at once.
#pragma once

#include <string>
#include <vector>

#include "core/rules/alert_rules.h"
#include "core/rules/game_ui.h"
#include "core/rules/history_sink.h"

namespace tk::sim {

class Policy;

class SimUi : public GameUi {
public:
    explicit SimUi(Policy *policy = nullptr) : policy_(policy) {}

    void SetPolicy(Policy *policy) { policy_ = policy; }
    // Hands every notice and question to a history, dated by the game's week.
    void SetHistory(HistorySink *history, const GameState *state) {
        history_ = history;
        state_ = state;
    }
    // Keeps the text of every notice and question (off by default: long games say a lot).
    void KeepTranscript(bool keep) { keepTranscript_ = keep; }
    const std::vector<std::string> &Transcript() const { return transcript_; }

    void ShowNotice(MessageKind kind, const std::string &message, const std::string &title,
                    int fontSize) override;
    bool AskQuestion(const std::string &message, const std::string &title, int fontSize) override;
    void ChooseCamp(Game &game) override;
    void ShowScoutResult(Game &game) override;
    void DismissAtRenewal(Game &game) override;
    // The match screen of the next round, played without a screen.
    void PlayNextRound(Game &game) override;

    // Runs fn with every question it asks answered "はい": the player pressing a screen's
    // button and confirming it (a screen that cannot be left otherwise, such as the camp
    // choice, is closed this way).
    template <class F>
    auto Confirming(F &&fn) {
        struct Guard {
            int &n;
            ~Guard() { --n; }
        } guard{++confirming_};
        return fn();
    }

    // The main screen's 要対応 list: with a history, each alert is recorded as a warning when
    // it appears, and again only after it went away and came back.
    void RecordNewAlerts();

    // What happened so far.
    int alerts = 0;  // alerts recorded
    int notices = 0;
    int questions = 0;
    int campScreens = 0;
    int scoutScreens = 0;
    int renewalScreens = 0;
    int nextRounds = 0;

private:
    Policy *policy_;
    HistorySink *history_ = nullptr;
    const GameState *state_ = nullptr;
    AlertWatch alertWatch_;
    int confirming_ = 0;
    bool keepTranscript_ = false;
    std::vector<std::string> transcript_;
};

}  // namespace tk::sim
