// The squad screens that rules open mid-work.
#include "ui/screens/squad_screens.h"

#include "core/rules/game.h"
#include "ui/base/qt_game_ui.h"
#include "ui/screens/SkautWIn.h"
#include "ui/screens/kaikoWin.h"

namespace tk {

namespace {

// The screen opens over the modal screen in front, if any, else over the given window.
QWidget *ScreenParent(const QtGameUi &ui, const QPointer<QWidget> &fallback) {
    QWidget *over = ui.DialogParent();
    return over != nullptr ? over : fallback.data();
}

}  // namespace

void InstallSquadScreens(QtGameUi &ui, QWidget *parent) {
    const QPointer<QWidget> fallback(parent);
    ui.SetDismissAtRenewal([&ui, fallback](Game &game) {
        ExecSquadScreen<kaikoWin>(ScreenParent(ui, fallback), game);
    });
    ui.SetShowScoutResult([&ui, fallback](Game &game) {
        ExecSquadScreen<SkautWIn>(ScreenParent(ui, fallback), game);
    });
}

}  // namespace tk
