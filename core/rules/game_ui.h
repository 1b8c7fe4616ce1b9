// The one way the rules speak to the player: notices, questions and the screens a rule
// opens in the middle of its work. The application implements it with real dialogs; tests
// and the simulator implement it with a scripted double.
#pragma once

#include <string>

#include "core/rules/history_sink.h"

namespace tk {

struct Game;

class GameUi {
public:
    virtual ~GameUi() = default;

    // A message the player reads, a report or a warning; returns when it is closed (or
    // closes itself). Whoever shows it also records it in the game's history.
    virtual void ShowNotice(MessageKind kind, const std::string &message, const std::string &title,
                            int fontSize) = 0;
    // A yes/no question; true when the player answered "はい".
    virtual bool AskQuestion(const std::string &message, const std::string &title,
                             int fontSize) = 0;

    // Screens that a rule opens modally in the middle of its work.
    virtual void ChooseCamp(Game &game) = 0;        // 合宿地決定 (April and August)
    virtual void ShowScoutResult(Game &game) = 0;   // June announcement of a scouting result
    virtual void DismissAtRenewal(Game &game) = 0;  // contract renewal at the year end
    virtual void PlayNextRound(Game &game) = 0;     // a further tournament round the same day
};

}  // namespace tk
