// The player interface of the rules, answered with the game's real dialogs and screens.
#pragma once

#include <functional>

#include <QPointer>
#include <QWidget>

#include "core/rules/game_ui.h"

namespace tk {

class MessageRoute;

class QtGameUi : public GameUi {
public:
    // What a screen that a rule opens mid-work does; the application plugs the screens in.
    using ScreenHook = std::function<void(Game &)>;

    // Notices and questions go through `route`, which records them and knows how notices
    // close. Dialogs open over `parent` (usually the main screen) unless a modal screen is
    // showing, in which case they open over that one.
    explicit QtGameUi(const MessageRoute &route, QWidget *parent = nullptr)
        : route_(route), parent_(parent) {}

    void SetParent(QWidget *parent) { parent_ = parent; }
    // The window the next notice or question opens over.
    QWidget *DialogParent() const;

    void ShowNotice(MessageKind kind, const std::string &message, const std::string &title,
                    int fontSize) override;
    bool AskQuestion(const std::string &message, const std::string &title, int fontSize) override;

    // Each screen does nothing until its hook is set.
    void SetChooseCamp(ScreenHook hook) { chooseCamp_ = std::move(hook); }
    void SetShowScoutResult(ScreenHook hook) { showScoutResult_ = std::move(hook); }
    void SetDismissAtRenewal(ScreenHook hook) { dismissAtRenewal_ = std::move(hook); }
    void SetPlayNextRound(ScreenHook hook) { playNextRound_ = std::move(hook); }
    // Runs when a round has been settled and a further one the same day is about to begin.
    void SetRoundSettled(std::function<void()> hook) { roundSettled_ = std::move(hook); }

    void ChooseCamp(Game &game) override { Run(chooseCamp_, game); }
    void ShowScoutResult(Game &game) override { Run(showScoutResult_, game); }
    void DismissAtRenewal(Game &game) override { Run(dismissAtRenewal_, game); }
    void PlayNextRound(Game &game) override {
        if (roundSettled_) roundSettled_();
        Run(playNextRound_, game);
    }

private:
    static void Run(const ScreenHook &hook, Game &game) {
        if (hook) hook(game);
    }

    const MessageRoute &route_;
    QPointer<QWidget> parent_;
    ScreenHook chooseCamp_;
    ScreenHook showScoutResult_;
    ScreenHook dismissAtRenewal_;
    ScreenHook playNextRound_;
    std::function<void()> roundSettled_;
};

}  // namespace tk
