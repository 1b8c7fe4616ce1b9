// The rules' player interface on the real dialogs: UTF-8 texts, answers, screen hooks.
#include <QLabel>
#include <QTest>

#include "core/rules/game.h"
#include "tests/ui/modal_helper.h"
#include "tests/ui/ui_test_registry.h"
#include "ui/base/MesQWin.h"
#include "ui/base/qt_game_ui.h"

using namespace tk;
using namespace tk::test;

class tst_QtGameUi : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { TK_VERIFY_NO_LEAKED_WINDOWS(); }

    void noticeShowsTheCoreText() {
        QtGameUi ui;
        QString text;
        ModalAnswerer answer(
            [&](QWidget *modal) {
                text = modal->findChild<QLabel *>(QStringLiteral("Comment"))->text();
                ClickButton(modal, QStringLiteral("閉じる"));
            },
            QStringLiteral("MeSForm"));
        ui.ShowNotice("資金が足りません。\r残り3000万円", "", 12);
        QVERIFY(answer.Closed());
        QCOMPARE(text, QStringLiteral("資金が足りません。\n残り3000万円"));
    }

    void questionAnswersAndOpensOverTheOpenModal() {
        QtGameUi ui;
        QWidget *parentOfQuestion = nullptr;
        QDialog screen;
        screen.setObjectName(QStringLiteral("Screen"));
        ModalAnswerer onScreen(
            [&](QWidget *modal) {
                ModalAnswerer yes(
                    [&](QWidget *question) {
                        parentOfQuestion = question->parentWidget();
                        ClickButton(question, QStringLiteral("はい"));
                    },
                    QStringLiteral("MesQWin"));
                QVERIFY(ui.AskQuestion("このチームを消しますか？", "", 12));
                qobject_cast<QDialog *>(modal)->accept();
            },
            QStringLiteral("Screen"));
        screen.exec();
        QVERIFY(onScreen.Closed());
        QCOMPARE(parentOfQuestion, &screen);
    }

    void screensDoNothingUntilHooked() {
        GameState state;
        Settings settings;
        Rng rng(1);
        QtGameUi ui;
        Game game{state, settings, rng, ui};
        ui.ChooseCamp(game);  // no hook: nothing happens
        int camps = 0, rounds = 0;
        ui.SetChooseCamp([&](Game &) { ++camps; });
        ui.SetPlayNextRound([&](Game &g) { rounds += &g == &game; });
        ui.ChooseCamp(game);
        ui.PlayNextRound(game);
        ui.ShowScoutResult(game);
        ui.DismissAtRenewal(game);
        QCOMPARE(camps, 1);
        QCOMPARE(rounds, 1);
    }
};

TK_UI_TEST(tst_QtGameUi);

#include "tst_QtGameUi.moc"
