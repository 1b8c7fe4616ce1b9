// Starts the application on the title screen.
#include <chrono>
#include <cstdio>

#include <QApplication>
#include <QIcon>

#include "app/command_line.h"
#include "app/start_screen.h"
#include "storage/game_modules.h"
#include "storage/save_store.h"
#include "ui/base/app_look.h"
#include "ui/base/dialog_window.h"
#include "ui/base/focus_return.h"
#include "ui/base/widget_report.h"
#include "ui/shell/game_app.h"
#include "ui/shell/main_screen.h"
#include "ui/widgets/pictures.h"

#ifndef TK_APP_ID
#define TK_APP_ID "tennis-kantoku"
#endif

int main(int argc, char *argv[]) {
    // --help and --version answer before any window-system connection is made.
    const tk::CommandLineAnswer options = tk::ReadCommandLine(argc, argv);
    if (!options.Start) {
        std::fputs(options.Out.c_str(), stdout);
        std::fputs(options.Error.c_str(), stderr);
        return options.Status;
    }

    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("tennis-kantoku"));
    QApplication::setApplicationDisplayName(QStringLiteral("テニス監督"));
    // Ties the windows to the installed menu entry (its name and icon).
    QApplication::setDesktopFileName(QStringLiteral(TK_APP_ID));
    QApplication::setQuitOnLastWindowClosed(false);
    tk::SetUpAppLook(application, tk::GameFontFolder());
    tk::InstallDialogWindows(application);
    tk::ReturnFocusAfterDialogs(application);
    QApplication::setWindowIcon(QIcon(tk::Picture(tk::PictureId::AppIcon)));

    const auto seed =
        static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
    tk::GameApp app(tk::DefaultDataLocation(), seed);

    app.SetMainScreenFactory(&tk::OpenMainScreen);
    // exit() ends the event loop as asked; quit() would first ask every window to close, and
    // the title screen refuses that (only "終了" leaves it).
    QObject::connect(&app, &tk::GameApp::quitRequested, &application,
                     [] { QCoreApplication::exit(0); });
    // TK_WIDGET_REPORT=<file>: where the windows are, for the tests that drive the real program.
    tk::InstallWidgetReport(qEnvironmentVariable("TK_WIDGET_REPORT"));
    tk::ShowFirstScreen(app);
    return application.exec();
}
