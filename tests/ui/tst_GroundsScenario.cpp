// A story through the grounds screens as the main screen opens them: buy a lot, build a lit
// court, see it finished at the right end of week, and watch the grounds go dark at night.
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "core/rules/land_rules.h"
#include "core/rules/new_game.h"
#include "core/rules/week_rules.h"
#include "tests/support/scripted_ui.h"
#include "tests/ui/modal_helper.h"
#include "tests/ui/ui_test_registry.h"
#include "tests/ui/view_test_support.h"
#include "ui/screens/TochiWin.h"
#include "ui/screens/WholeTochiWin.h"
#include "ui/screens/ZimuWin.h"
#include "ui/screens/grounds_marks.h"
#include "ui/screens/whole_grounds_picture.h"
#include "ui/shell/command_screens.h"
#include "ui/shell/game_app.h"
#include "ui/widgets/pictures.h"

using namespace tk;
using namespace tk::test;

namespace {

const char *kFinished = "の\r工事が終わりました";

int Finishes(const ScriptedUi &ui) {
    int n = 0;
    for (const std::string &t : ui.Texts())
        if (t.size() > std::string(kFinished).size() && t.ends_with(kFinished)) ++n;
    return n;
}

// The picture of one lot as the whole-grounds screen drew it.
QImage DrawnLot(WholeTochiWin *screen, int lot) {
    return screen->Grounds()
        ->grab(WholeGroundsPicture::LotRect(lot))
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
}

QImage Tile(int displayKind) {
    return SmallLotTile(displayKind).toImage().convertToFormat(QImage::Format_RGB32);
}

}  // namespace

class tst_GroundsScenario : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { TK_VERIFY_NO_LEAKED_WINDOWS(); }

    void theCommandsArePluggedIn() {
        QVERIFY(CommandAvailable(MainCommand::Office));
        QVERIFY(CommandAvailable(MainCommand::Grounds));
        QVERIFY(CommandAvailable(MainCommand::Lot));
    }

    void buyBuildAndSeeItFinished() {
        QTemporaryDir dir;
        GameApp app(dir.path(), 7);
        StartNewGame(app.CurrentGame(), "テスト", "監督");
        GameState &s = app.State();
        QWidget mainScreen;  // owns the grounds marks, as the main screen does
        int player = 0, lot = 0;
        const int start = s.WeekCount;

        // The grounds: mark lot 3 (index 2), buy it and build a court with lighting.
        QString started;
        ModalAnswerer grounds(
            [&](QWidget *modal) {
                auto *screen = static_cast<WholeTochiWin *>(modal);
                QTest::mouseClick(screen->Grounds(), Qt::LeftButton, Qt::NoModifier,
                                  WholeGroundsPicture::LotRect(2).center());
                QVERIFY(screen->BuyButton()->isEnabled());
                ModalAnswerer buyYes(ModalAnswerer::Click(QStringLiteral("はい")),
                                     QStringLiteral("MesQWin"));
                ModalAnswerer build(
                    [&](QWidget *construction) {
                        ClickButton(construction, QStringLiteral("照明有"));
                        ModalAnswerer yes(ModalAnswerer::Click(QStringLiteral("はい")),
                                          QStringLiteral("MesQWin"));
                        ModalAnswerer notice(
                            [&](QWidget *n) {
                                started = n->findChild<QLabel *>(QStringLiteral("Comment"))->text();
                                ClickButton(n, QStringLiteral("閉じる"));
                            },
                            QStringLiteral("MeSForm"));
                        ClickButton(construction, QStringLiteral("建設"));
                        QVERIFY(yes.Acted());
                    },
                    QStringLiteral("BoughtTochiWin"));
                ClickButton(screen, QStringLiteral("購入"));
                QVERIFY(buyYes.Acted());
                QVERIFY(build.Closed());
                QVERIFY(!screen->BuyButton()->isEnabled());
                ClickButton(screen, QStringLiteral("閉じる"));
            },
            QStringLiteral("WholeTochiWin"));
        OpenCommandScreen(MainCommand::Grounds, app, &mainScreen, player, lot);
        QVERIFY(grounds.Closed());
        QCOMPARE(started, QStringLiteral("工事が始まりました。\n完成は3週間後です"));
        QCOMPARE(s.Money, 3000 - 5000 - 400);
        QCOMPARE(int(s.Facilities[2].Kind), int(kUnderConstruction));
        QCOMPARE(MarkedLotCount(GroundsMarks::Of(&mainScreen)), 0);

        // The office counts the building site as costing nothing.
        QString upkeep;
        ModalAnswerer office(
            [&](QWidget *modal) {
                upkeep = static_cast<ZimuWin *>(modal)->LandUpkeep()->text();
                ClickButton(modal, QStringLiteral("閉じる"));
            },
            QStringLiteral("ZimuWin"));
        OpenCommandScreen(MainCommand::Office, app, &mainScreen, player, lot);
        QCOMPARE(upkeep, QStringLiteral("23万円"));

        // The weeks go by (told through a scripted player): the lot is a building site until
        // the end of its third week after the start.
        ScriptedUi told;
        Game scripted{s, app.GameSettings(), app.CurrentGame().rng, told};
        const int nightBefore = s.TeamCourtsNight;
        for (int week = start; week < start + 3; ++week) {
            QCOMPARE(EndOfWeek(scripted), WeekOutcome::Next);
            QCOMPARE(int(s.Facilities[2].Kind), int(kUnderConstruction));
        }
        QCOMPARE(Finishes(told), 0);
        QCOMPARE(EndOfWeek(scripted), WeekOutcome::Next);
        QCOMPARE(s.WeekCount, start + 4);
        QCOMPARE(int(s.Facilities[2].Kind), int(kLitCourt));
        QCOMPARE(Finishes(told), 1);
        QCOMPARE(int(s.TeamCourtsNight), nightBefore + 1);

        // The lot screen shows the new court on lot 3.
        lot = 2;
        QString name;
        ModalAnswerer lotScreen(
            [&](QWidget *modal) {
                name = static_cast<TochiWin *>(modal)->Name()->text();
                ClickButton(modal, QStringLiteral("閉じる"));
            },
            QStringLiteral("TochiWin"));
        OpenCommandScreen(MainCommand::Lot, app, &mainScreen, player, lot);
        QCOMPARE(name, QStringLiteral("屋外コート"));
        QCOMPARE(lot, 2);

        // By day the new court is lit-court green; at night the unlit court goes dark while
        // the lit one shows its lamps.
        const struct {
            int timeOfDay;
            int unlit;
            int lit;
        } views[] = {{1, 0, 1}, {5, 2, 3}};
        for (const auto &v : views) {
            s.TimeOfDay = static_cast<std::uint8_t>(v.timeOfDay);
            s.Weather = 0;
            ModalAnswerer look(
                [&](QWidget *modal) {
                    auto *screen = static_cast<WholeTochiWin *>(modal);
                    QCOMPARE(screen->Grounds()->DisplayKindOf(1), v.unlit);
                    QCOMPARE(screen->Grounds()->DisplayKindOf(2), v.lit);
                    QCOMPARE(DrawnLot(screen, 1).pixel(60, 45), Tile(v.unlit).pixel(60, 45));
                    QCOMPARE(DrawnLot(screen, 2).pixel(30, 30), Tile(v.lit).pixel(30, 30));
                    if (v.timeOfDay == 5) GrabIfAsked(modal, QStringLiteral("WholeTochiWinNight"));
                    // "練習配分" opens the court split over the grounds.
                    ModalAnswerer split(ModalAnswerer::Click(QStringLiteral("閉じる")),
                                        QStringLiteral("DistributeWin"));
                    ClickButton(modal, QStringLiteral("練習配分"));
                    QVERIFY(split.Closed());
                    ClickButton(modal, QStringLiteral("閉じる"));
                },
                QStringLiteral("WholeTochiWin"));
            OpenCommandScreen(MainCommand::Grounds, app, &mainScreen, player, lot);
            QVERIFY(look.Closed());
        }
        QVERIFY(DrawnLotDiffers());
    }

private:
    // The dark and the daylight tiles of an outdoor court are different pictures.
    static bool DrawnLotDiffers() { return Tile(0) != Tile(2) && Tile(1) != Tile(3); }
};

TK_UI_TEST(tst_GroundsScenario);

#include "tst_GroundsScenario.moc"
