// A notice that closes by itself may go just as the player presses Enter to close it: that
// key must not reach the main screen as a command (a week played by accident).
#pragma once

namespace tk {

// Called by the notice when its own timer closes it.
void NoticeClosedByItself();
// True for UiTiming::NoticeKeyGuardMs() after a notice closed by itself: keys that arrive
// meanwhile were meant for the notice.
bool NoticeKeyGuardHolds();

}  // namespace tk
