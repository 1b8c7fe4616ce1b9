// Starts the application on the title screen.
#include <chrono>

#include <QApplication>

#include "core/state/save_store.h"
#include "ui/shell/game_app.h"
#include "ui/shell/main_screen.h"

int main(int argc, char *argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("tennis-kantoku"));
    QApplication::setApplicationDisplayName(QStringLiteral("テニス監督"));
    QApplication::setQuitOnLastWindowClosed(false);

    const auto seed =
        static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
    tk::GameApp app(tk::DefaultDataFolder(), seed);

    app.SetMainScreenFactory(&tk::OpenMainScreen);
    QObject::connect(&app, &tk::GameApp::quitRequested, &application, &QApplication::quit);
    app.ShowTitle();
    return application.exec();
}
