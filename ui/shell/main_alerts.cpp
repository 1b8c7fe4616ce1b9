// The main screen's 要対応 list: redrawn with the screen, each new alert recorded in the
// history once between weeks, and a click on an alert opens the screen of its command.
#include "ui/base/messages.h"
#include "ui/shell/MainWin.h"
#include "ui/shell/game_app.h"
#include "ui/shell/main_shortcuts.h"
#include "ui/widgets/alert_list.h"
#include "ui/widgets/command_bar.h"

namespace tk {

namespace {

// The command-bar button of a fix, or -1 for the buttons below the grounds.
int BarButtonOf(AlertFix fix) {
    switch (fix) {
        case AlertFix::Practice: return 1;
        case AlertFix::Matches: return 2;
        case AlertFix::Office: return 5;
        case AlertFix::Roster: return 6;
        case AlertFix::Grounds: return 7;
        case AlertFix::Lineup:
        case AlertFix::Allotment: return -1;
    }
    return -1;
}

const MainShortcut &ShortcutOf(AlertFix fix) {
    const int bar = BarButtonOf(fix);
    if (bar >= 0) return CommandBarShortcut(bar);
    return CommandButtonShortcut(fix == AlertFix::Lineup ? 1 : 3);
}

}  // namespace

QString AlertFixCaption(AlertFix fix) {
    // The command's name is the tooltip's words before its colon.
    const MainShortcut &shortcut = ShortcutOf(fix);
    const QString what = QString::fromUtf8(shortcut.what);
    return what.section(QStringLiteral("："), 0, 0) + QStringLiteral("（") +
           QString::fromUtf8(shortcut.keyNames) + QStringLiteral("）");
}

void MainWin::RefreshAlerts() {
    const std::vector<Alert> alerts = CurrentAlerts(app_.State());
    alerts_->Show(alerts);
    // Judged between weeks only, as the run of weeks judges them: an alert recorded while a
    // week is under way might be gone by its end. The history opens after the first paint:
    // what shows before is recorded then.
    if (week_.UnderWay() || !app_.Messages().Recording()) return;
    for (const Alert &a : alertWatch_.Appeared(alerts))
        app_.Messages().RecordOnly(MessageKind::Warning, a.text, kAlertTitle);
}

void MainWin::OpenAlertFix(AlertFix fix) {
    const int bar = BarButtonOf(fix);
    if (bar >= 0) {
        if (bar_->ButtonEnabled(bar)) Command(bar);
    } else if (fix == AlertFix::Lineup) {
        OpenLineup();
    } else {
        OpenAllotment();
    }
}

}  // namespace tk
