// The yardstick of the cold-start benchmark: a bare Qt window, started as the game starts,
// that quits as soon as it has been painted (as the game does with TK_EXIT_WHEN_SHOWN=1).
#include <QApplication>
#include <QEvent>
#include <QWidget>

namespace {

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
    QWidget window;
    window.resize(640, 480);
    window.setWindowTitle(QStringLiteral("テニス監督"));
    QuitWhenPainted quit;
    window.installEventFilter(&quit);
    window.show();
    return application.exec();
}
