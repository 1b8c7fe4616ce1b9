// A match week on screen: the announcement, the lineup, the match, then what follows it,
// with a same-day further round opening the three screens again from within the settlement.
#pragma once

class QWidget;

namespace tk {

struct Game;
class QtGameUi;

// One round of this week's match: BeforeGame, RegurarSetWin and GameWin modally in this
// order over `parent`, then the result, prizes and offers; a won round that goes on the same
// day plays the next round through game.ui.PlayNextRound before this returns. Returns false,
// doing nothing, when this week holds no match or a match is already on screen.
bool PlayMatchRoundOnScreen(Game &game, QWidget *parent);

// What the main screen calls for a match week (game.ui is `ui`): installs the next-round
// hook on `ui` and plays the round. The end of the week is the caller's.
bool PlayMatchWeekOnScreen(Game &game, QtGameUi &ui, QWidget *parent);

// Makes `ui` answer PlayNextRound with PlayMatchRoundOnScreen over `parent`.
void InstallMatchScreens(QtGameUi &ui, QWidget *parent);

// A match is on screen: its announcement, lineup or match window is showing.
bool MatchOnScreen();

}  // namespace tk
