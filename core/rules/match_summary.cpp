// One summary for the rest of a match played at once.
#include "core/rules/match_summary.h"

#include "core/rules/game.h"
#include "core/rules/match_engine.h"

namespace tk {

namespace {

// A notice's line breaks become full-width spaces: one notice, one line of the summary.
std::string OneLine(const std::string &text) {
    std::string out;
    for (char c : text) {
        if (c == '\r')
            out += "　";
        else
            out += c;
    }
    return out;
}

}  // namespace

void HeldNotices::ShowNotice(MessageKind kind, const std::string &message, const std::string &,
                             int) {
    if (kind == MessageKind::Warning) kind_ = kind;
    held_.push_back(message);
}

bool HeldNotices::AskQuestion(const std::string &message, const std::string &title, int fontSize) {
    ShowHeld();
    return inner_.AskQuestion(message, title, fontSize);
}

void HeldNotices::ChooseCamp(Game &game) {
    ShowHeld();
    inner_.ChooseCamp(game);
}

void HeldNotices::ShowScoutResult(Game &game) {
    ShowHeld();
    inner_.ShowScoutResult(game);
}

void HeldNotices::DismissAtRenewal(Game &game) {
    ShowHeld();
    inner_.DismissAtRenewal(game);
}

void HeldNotices::PlayNextRound(Game &game) {
    ShowHeld();
    inner_.PlayNextRound(game);
}

std::vector<std::string> HeldNotices::Take() {
    std::vector<std::string> taken;
    taken.swap(held_);
    return taken;
}

void HeldNotices::SetAsideBouts(int wins, int losses) {
    bouts_ = Take();
    wins_ = wins;
    losses_ = losses;
}

void HeldNotices::ShowHeld() {
    if (held_.empty() && bouts_.empty()) return;
    const std::string text = MatchSummaryText(wins_, losses_, bouts_, Take());
    bouts_.clear();
    wins_ = losses_ = -1;
    const MessageKind kind = kind_;
    kind_ = MessageKind::Report;
    inner_.ShowNotice(kind, text, kMatchSummaryTitle, kMatchSummaryFontSize);
}

std::string MatchSummaryText(int wins, int losses, const std::vector<std::string> &bouts,
                             const std::vector<std::string> &results) {
    std::string text;
    const auto line = [&text](const std::string &s) {
        if (!text.empty()) text += '\r';
        text += s;
    };
    for (const std::string &b : bouts) line(OneLine(b));
    if (wins >= 0 && losses >= 0)
        line("（" + std::to_string(wins) + "勝" + std::to_string(losses) + "敗）");
    for (const std::string &r : results) line(OneLine(r));
    return text;
}

AfterClose PlayRestOfMatch(Game &game, Match &match) {
    HeldNotices held(game.ui);
    Game quiet{game.state, game.settings, game.rng, held, game.history};
    while (!match.Finished()) match.PlayBout(&held);
    held.SetAsideBouts(match.TeamWins(), match.TeamLosses());
    AfterClose next = SettleMatch(quiet, match.Won());
    if (next == AfterClose::kAwardResult) {
        FinishAfterClose(quiet, next);
        next = AfterClose::kNothing;
    }
    held.ShowHeld();
    return next;
}

}  // namespace tk
