// The squad and training screens that rules open mid-work, plugged into the player
// interface, and the way these screens open one another.
#pragma once

#include <utility>

#include <QPointer>
#include <QWidget>

namespace tk {

class QtGameUi;

// Makes `ui` open the dismissal screen (kaikoWin) at the contract renewal and the scouting
// result screen (SkautWIn) at the June announcement, over the modal screen on top or else
// over `parent`.
void InstallSquadScreens(QtGameUi &ui, QWidget *parent);

// Shows a screen modally over `parent` and deletes it after. The screen lives on the heap:
// should its parent be destroyed while it is open, Qt deletes it with the parent and we do
// not. Returns the dialog's result, or -1 when it was torn down.
template <typename Screen, typename... Args>
int ExecSquadScreen(QWidget *parent, Args &&...args) {
    QPointer<Screen> screen = new Screen(std::forward<Args>(args)..., parent);
    const int result = screen->exec();
    if (!screen) return -1;
    delete screen.data();
    return result;
}

}  // namespace tk
