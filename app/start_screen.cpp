// The first screen: the title, or a saved game for the start benchmarks; quit once painted.
#include "app/start_screen.h"

#include <cstdio>

#include <QWidget>

#include "app/quit_when_painted.h"
#include "ui/shell/answer_at_once.h"
#include "ui/shell/game_app.h"

namespace tk {
namespace {

// The saved game of slot (0..3) on the main screen; false when there is none to open.
bool OpenSavedGame(GameApp &app, int slot) {
    if (app.Store().InspectSlot(slot).State != SlotState::Occupied) {
        std::fprintf(stderr, "tennis-kantoku: TK_START_SLOT: データ%d has no saved game\n",
                     slot + 1);
        return false;
    }
    // The title screen reads the settings again when it first opens.
    app.GameSettings() = app.Store().LoadSettings();
    app.GameSettings().CurrentSlot = static_cast<std::uint8_t>(slot);
    return app.ContinueGame() && app.MainScreen() != nullptr;
}

}  // namespace

void ShowFirstScreen(GameApp &app) {
    AnswerAtOnceIfAsked(&app);
    const int slot = qEnvironmentVariableIntValue("TK_START_SLOT");
    QWidget *first = nullptr;
    if (slot >= 1 && slot <= kSaveSlots && OpenSavedGame(app, slot - 1)) {
        first = app.MainScreen();
    } else {
        app.ShowTitle();
        first = app.TitleScreen();
    }
    if (qEnvironmentVariableIntValue("TK_EXIT_WHEN_SHOWN") == 1 && first != nullptr) {
        first->installEventFilter(new QuitWhenPainted(&app));
        // A notice shown while the game opened may have let the screen paint already.
        first->update();
    }
}

}  // namespace tk
