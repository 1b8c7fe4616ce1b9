// A scripted player for tests: records every message and answers questions from a queue.
#pragma once

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "core/rules/game.h"
#include "core/rules/game_ui.h"

namespace tk::test {

class ScriptedUi : public GameUi {
public:
    struct Message {
        std::string text;
        std::string title;
        int fontSize = 0;
        bool question = false;
        MessageKind kind = MessageKind::Notice;
    };

    std::vector<Message> messages;
    std::deque<bool> answers;    // next answers to questions, front first
    bool defaultAnswer = false;  // when the queue is empty

    // What the screens a rule opens do; by default they do nothing and are counted.
    std::function<void(Game &)> onChooseCamp;
    std::function<void(Game &)> onScoutResult;
    std::function<void(Game &)> onDismissAtRenewal;
    std::function<void(Game &)> onPlayNextRound;
    int campScreens = 0, scoutScreens = 0, dismissScreens = 0, nextRounds = 0;

    void ShowNotice(MessageKind kind, const std::string &message, const std::string &title,
                    int fontSize) override {
        messages.push_back({message, title, fontSize, false, kind});
    }

    bool AskQuestion(const std::string &message, const std::string &title, int fontSize) override {
        messages.push_back({message, title, fontSize, true, MessageKind::Question});
        if (answers.empty()) return defaultAnswer;
        bool a = answers.front();
        answers.pop_front();
        return a;
    }

    void ChooseCamp(Game &game) override {
        ++campScreens;
        if (onChooseCamp) onChooseCamp(game);
    }
    void ShowScoutResult(Game &game) override {
        ++scoutScreens;
        if (onScoutResult) onScoutResult(game);
    }
    void DismissAtRenewal(Game &game) override {
        ++dismissScreens;
        if (onDismissAtRenewal) onDismissAtRenewal(game);
    }
    void PlayNextRound(Game &game) override {
        ++nextRounds;
        if (onPlayNextRound) onPlayNextRound(game);
    }

    // Texts of every notice and question so far, in order.
    std::vector<std::string> Texts() const {
        std::vector<std::string> out;
        for (const auto &m : messages) out.push_back(m.text);
        return out;
    }
    bool Saw(const std::string &text) const {
        for (const auto &m : messages)
            if (m.text == text) return true;
        return false;
    }
};

// A game context over its own record, settings and seeded random source.
struct TestGame {
    GameState state;
    Settings settings;
    Rng rng{12345};
    ScriptedUi ui;
    Game game{state, settings, rng, ui};

    explicit TestGame(std::uint64_t seed = 12345) : rng(seed) {}
};

}  // namespace tk::test
