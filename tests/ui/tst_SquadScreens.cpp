// The squad screens plugged into the game: the mid-work hooks of the player interface and
// the main screen's commands.
#include <QPushButton>
#include <QTest>

#include "core/rules/lookups.h"
#include "tests/ui/modal_helper.h"
#include "tests/ui/squad_screen_support.h"
#include "tests/ui/ui_test_registry.h"
#include "ui/base/messages.h"
#include "ui/base/qt_game_ui.h"
#include "ui/screens/squad_screens.h"
#include "ui/shell/command_screens.h"

using namespace tk;
using namespace tk::test;

class tst_SquadScreens : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { TK_VERIFY_NO_LEAKED_WINDOWS(); }

    void theRenewalOpensTheDismissalScreen() {
        NewGameFixture g;
        QWidget owner;
        MessageRoute messages;
        QtGameUi ui(messages, &owner);
        InstallSquadScreens(ui, &owner);
        Game game{g.state, g.settings, g.rng, ui};
        ModalAnswerer close(ModalAnswerer::Click(QStringLiteral("閉じる")),
                            QStringLiteral("kaikoWin"));
        ui.DismissAtRenewal(game);
        QVERIFY(close.Acted());
        QCOMPARE(PlayerCount(g.state), 6);
    }

    void theAnnouncementOpensTheResultScreen() {
        NewGameFixture g;
        g.state.Candidates[0].FamilyName = 5;
        g.state.Candidates[0].FirstName = 5;
        QWidget owner;
        MessageRoute messages;
        QtGameUi ui(messages, &owner);
        InstallSquadScreens(ui, &owner);
        Game game{g.state, g.settings, g.rng, ui};
        // "契約しない", then "はい" on the question it asks.
        ModalAnswerer decline(ModalAnswerer::Click(QStringLiteral("契約しない")),
                              QStringLiteral("SkautWIn"));
        AnswerNextModal(ModalAnswerer::Click(QStringLiteral("はい")), QStringLiteral("MesQWin"));
        ui.ShowScoutResult(game);
        QVERIFY(decline.Acted());
        QCOMPARE(int(g.state.Candidates[0].FamilyName), 0);
    }

    void theMainScreenOpensThePlanTheRosterAndTheSplit() {
        QVERIFY(CommandAvailable(MainCommand::PracticePlan));
        QVERIFY(CommandAvailable(MainCommand::Roster));
        QVERIFY(CommandAvailable(MainCommand::Allotment));
    }
};

TK_UI_TEST(tst_SquadScreens);

#include "tst_SquadScreens.moc"
