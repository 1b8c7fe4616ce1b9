// Runs a piece of work once a window has painted for the first time, so that what the player
// sees first is not kept waiting by what can come a moment later (the history, its notices).
#pragma once

#include <functional>

class QObject;
class QWidget;

namespace tk {

// Calls `work` from the event loop after `window` has first painted; at once from the event
// loop when there is no window or it is not shown. Nothing runs once `context` is gone.
void RunAfterFirstPaint(QWidget *window, QObject *context, std::function<void()> work);

}  // namespace tk
