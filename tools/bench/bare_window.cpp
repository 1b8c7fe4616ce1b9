// The yardstick of the start benchmarks: a bare Qt window, started as the game starts, that
// quits as soon as it has been painted (as the game does with TK_EXIT_WHEN_SHOWN=1).
// With --text it also shows a line of Japanese text and a bold heading in the default font:
// the least that any screen of the game loads (the fonts), to tell it from the game's own cost.
#include <cstring>

#include <QApplication>
#include <QLabel>
#include <QVBoxLayout>
#include <QWidget>

#include "app/quit_when_painted.h"

int main(int argc, char *argv[]) {
    const bool text = argc > 1 && std::strcmp(argv[1], "--text") == 0;
    QApplication application(argc, argv);
    QWidget window;
    window.resize(640, 480);
    window.setWindowTitle(QStringLiteral("テニス監督"));
    if (text) {
        auto *layout = new QVBoxLayout(&window);
        auto *heading = new QLabel(QStringLiteral("～はじめる～"));
        QFont bold = heading->font();
        bold.setBold(true);
        heading->setFont(bold);
        layout->addWidget(heading);
        layout->addWidget(new QLabel(QStringLiteral("データ1　新しく始める　ゲーム設定　終了")));
    }
    tk::QuitWhenPainted quit;
    window.installEventFilter(&quit);
    window.show();
    return application.exec();
}
