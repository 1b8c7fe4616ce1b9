// "結果へ": the rest of a match played at once, its notices gathered into one summary.
#pragma once

#include <string>
#include <vector>

#include "core/rules/game_ui.h"
#include "core/rules/tournament_rules.h"

namespace tk {

struct Game;
class Match;

// Holds back the notices shown through it; a question or a screen a rule opens first shows
// what was held back, so the player still reads everything in its order.
class HeldNotices : public GameUi {
public:
    explicit HeldNotices(GameUi &inner) : inner_(inner) {}

    void ShowNotice(MessageKind kind, const std::string &message, const std::string &title,
                    int fontSize) override;
    bool AskQuestion(const std::string &message, const std::string &title, int fontSize) override;
    void ChooseCamp(Game &game) override;
    void ShowScoutResult(Game &game) override;
    void DismissAtRenewal(Game &game) override;
    void PlayNextRound(Game &game) override;

    // Texts held since the last Take, in order; the hold starts afresh.
    std::vector<std::string> Take();
    // Shows one summary of what is held (nothing when nothing is).
    void ShowHeld();
    // The match is over: what is held so far are its bouts, `wins` to `losses`; the
    // notices after them are its result.
    void SetAsideBouts(int wins, int losses);

private:
    GameUi &inner_;
    std::vector<std::string> held_;
    std::vector<std::string> bouts_;
    int wins_ = -1;  // -1: no score to show
    int losses_ = -1;
    MessageKind kind_ = MessageKind::Report;  // a warning held makes the summary one
};

// The summary's text: one line per remaining bout, the score, then the result notices
// (prize and the like), each notice's own line breaks turned into spaces.
std::string MatchSummaryText(int wins, int losses, const std::vector<std::string> &bouts,
                             const std::vector<std::string> &results);
inline constexpr const char *kMatchSummaryTitle = "試合結果";
inline constexpr int kMatchSummaryFontSize = 12;

// Plays the match's remaining bouts with the same draws as the screen, settles it, and shows
// one summary instead of a notice per bout. A lost tournament round's result and prize,
// which otherwise follow once the match screen has closed, are settled here too, so that
// they are part of the summary. Returns what is left for after the screen closes.
AfterClose PlayRestOfMatch(Game &game, Match &match);

}  // namespace tk
