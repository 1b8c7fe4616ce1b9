// Starts the application on the title screen.
#include <chrono>

#include <QApplication>
#include <QEvent>
#include <QIcon>

#include "core/state/save_store.h"
#include "ui/shell/game_app.h"
#include "ui/shell/main_screen.h"
#include "ui/shell/widget_report.h"
#include "ui/widgets/pictures.h"

namespace {

// TK_EXIT_WHEN_SHOWN=1: quit as soon as the title screen has been painted, so that a script
// can time the cold start (tools/bench/coldstart.sh).
class QuitWhenPainted : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (event->type() == QEvent::Paint) QCoreApplication::exit(0);
        return QObject::eventFilter(watched, event);
    }
};

}  // namespace

int main(int argc, char *argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("tennis-kantoku"));
    QApplication::setApplicationDisplayName(QStringLiteral("テニス監督"));
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setWindowIcon(QIcon(tk::Picture(tk::PictureId::AppIcon)));

    const auto seed =
        static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
    tk::GameApp app(tk::DefaultDataLocation(), seed);

    app.SetMainScreenFactory(&tk::OpenMainScreen);
    // exit() ends the event loop as asked; quit() would first ask every window to close, and
    // the title screen refuses that (only "終了" leaves it).
    QObject::connect(&app, &tk::GameApp::quitRequested, &application,
                     [] { QCoreApplication::exit(0); });
    QuitWhenPainted quitWhenShown;
    // TK_WIDGET_REPORT=<file>: where the windows are, for the tests that drive the real program.
    tk::InstallWidgetReport(qEnvironmentVariable("TK_WIDGET_REPORT"));
    app.ShowTitle();
    if (qEnvironmentVariableIntValue("TK_EXIT_WHEN_SHOWN") == 1 && app.TitleScreen() != nullptr)
        app.TitleScreen()->installEventFilter(&quitWhenShown);
    return application.exec();
}
