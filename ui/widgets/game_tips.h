// What the practice menus and the drinks do, in one place for their tooltips and the help.
#pragma once

#include <QString>

namespace tk {

// What whole-team practice menu 0..7 trains, and from which team level it may be chosen.
QString PracticeMenuTrains(int menu);
// The menu's name and what it trains, for its tooltip.
QString PracticeMenuTip(int menu);
// What nutrition drink 0..2 does and what it costs.
QString DrinkTip(int item);

}  // namespace tk
