// The short time after a notice closed by itself in which keys are not commands.
#include "ui/base/notice_key_guard.h"

#include <QElapsedTimer>

#include "ui/base/timing.h"

namespace tk {

namespace {
// Process-wide like the notices themselves: any notice, from any screen, may have just gone.
QElapsedTimer g_closed;
}  // namespace

void NoticeClosedByItself() {
    g_closed.start();
}

bool NoticeKeyGuardHolds() {
    return g_closed.isValid() && g_closed.elapsed() < UiTiming::NoticeKeyGuardMs();
}

}  // namespace tk
