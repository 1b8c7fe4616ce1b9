// The screens of a match week, in their order.
#include "ui/screens/match_week_screens.h"

#include <QApplication>
#include <QPointer>
#include <QWidget>

#include <utility>

#include "core/rules/game.h"
#include "core/rules/lineup_rules.h"
#include "core/rules/match_week.h"
#include "core/rules/tournament_rules.h"
#include "ui/base/qt_game_ui.h"
#include "ui/screens/BeforeGame.h"
#include "ui/screens/GameWin.h"
#include "ui/screens/RegurarSetWin.h"

namespace tk {

namespace {

// Marks the windows of a running match, so that no second match starts beside it.
constexpr const char *kMatchFlowProperty = "tkMatchFlow";

// Shows a screen modally and deletes it after. The screen lives on the heap: should its
// parent be destroyed while it is open, Qt deletes it with the parent and we must not.
template <typename Screen, typename... Args>
QPointer<Screen> Open(QWidget *parent, Args &&...args) {
    QPointer<Screen> screen = new Screen(std::forward<Args>(args)..., parent);
    screen->setProperty(kMatchFlowProperty, true);
    screen->exec();
    return screen;
}

}  // namespace

bool MatchOnScreen() {
    const auto windows = QApplication::topLevelWidgets();
    for (QWidget *w : windows)
        if (w->isVisible() && w->property(kMatchFlowProperty).toBool()) return true;
    return false;
}

bool PlayMatchRoundOnScreen(Game &game, QWidget *parent) {
    if (!IsMatchWeek(game.state) || MatchOnScreen()) return false;
    // The screens open over `parent`; should it go away meanwhile, the round stops there.
    const QPointer<QWidget> owner(parent);
    const auto ownerGone = [&] { return parent != nullptr && owner.isNull(); };

    delete Open<BeforeGame>(parent, game).data();
    if (ownerGone()) return false;

    delete Open<RegurarSetWin>(parent, game).data();
    if (ownerGone()) return false;
    // The lineup screen only closes with five places filled; should it have been torn down
    // with its parent, the match still gets five players.
    if (!AllFilled(game.state)) AutoFillLineup(game.state);

    QPointer<GameWin> match = Open<GameWin>(parent, game);
    if (!match) return false;
    const bool finished = match->Finished();
    const AfterClose next = match->Next();
    delete match.data();
    if (!finished) return false;
    // The match window is closed: a lost round's result, or the next round the same day.
    FinishAfterClose(game, next);
    return true;
}

void InstallMatchScreens(QtGameUi &ui, QWidget *parent) {
    ui.SetPlayNextRound([screenParent = QPointer<QWidget>(parent)](Game &game) {
        PlayMatchRoundOnScreen(game, screenParent.data());
    });
}

bool PlayMatchWeekOnScreen(Game &game, QtGameUi &ui, QWidget *parent) {
    InstallMatchScreens(ui, parent);
    return PlayMatchRoundOnScreen(game, parent);
}

}  // namespace tk
