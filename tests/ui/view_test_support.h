// A new game on a fixed seed for the view tests, and grabs of widgets for a look by eye.
#pragma once

#include <QDir>
#include <QWidget>

#include "core/rules/game.h"
#include "core/rules/new_game.h"
#include "tests/support/scripted_ui.h"

namespace tk::test {

// A freshly started game: six players (0..4 regulars), ten free coaches.
struct NewGameFixture {
    GameState state;
    Settings settings;
    Rng rng{20240601};
    ScriptedUi ui;
    Game game{state, settings, rng, ui};

    NewGameFixture() { StartNewGame(game, "テスト", "監督"); }
};

// With TK_UI_GRAB_DIR set, saves a picture of the widget there as <name>.png.
inline void GrabIfAsked(QWidget *widget, const QString &name) {
    const QString dir = qEnvironmentVariable("TK_UI_GRAB_DIR");
    if (dir.isEmpty()) return;
    widget->grab().save(QDir(dir).filePath(name + QStringLiteral(".png")));
}

}  // namespace tk::test
