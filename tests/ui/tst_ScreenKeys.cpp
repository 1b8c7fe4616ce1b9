// Every screen's keys, typed into the widget that has the focus: Enter presses the screen's
// confirming button, Esc closes the screens that may be closed and no other, and Tab goes
// through the controls in the order they are laid out.
#include <functional>
#include <memory>

#include <QAbstractButton>
#include <QApplication>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "core/rules/land_rules.h"
#include "tests/ui/key_test_support.h"
#include "tests/ui/modal_helper.h"
#include "tests/ui/ui_test_registry.h"
#include "tests/ui/view_test_support.h"
#include "ui/screens/BoughtTochiWin.h"
#include "ui/screens/CoachList.h"
#include "ui/screens/DistributeWin.h"
#include "ui/screens/ElectCoach.h"
#include "ui/screens/GameSetWin.h"
#include "ui/screens/GasyuElectWin.h"
#include "ui/screens/IraiWin.h"
#include "ui/screens/ItemsWin.h"
#include "ui/screens/PlayerSetWin.h"
#include "ui/screens/PracMenuWin.h"
#include "ui/screens/RegurarSetWin.h"
#include "ui/screens/RosterList.h"
#include "ui/screens/SeibiWin.h"
#include "ui/screens/SelectPlayer.h"
#include "ui/screens/SelectSponWin.h"
#include "ui/screens/SensyuWin.h"
#include "ui/screens/SkautWIn.h"
#include "ui/screens/TochiWin.h"
#include "ui/screens/WholeTochiWin.h"
#include "ui/screens/ZimuWin.h"
#include "ui/screens/kaikoWin.h"
#include "ui/shell/HelpWin.h"

using namespace tk;
using namespace tk::test;

namespace {

// What the screens need besides the game.
struct Bench {
    NewGameFixture g;
    MaintainMarks marks;
    int lot = 1;
};

using Factory = std::function<QDialog *(Bench &)>;

struct ScreenCase {
    const char *name;
    Factory make;
    bool escapeCloses;
    const char *confirm;  // the text of the button Enter presses
    QStringList tabs;     // what Tab reaches, from the first focus (texts or object names)
};

QString Describe(QWidget *w) {
    if (w == nullptr) return QStringLiteral("(none)");
    if (auto *b = qobject_cast<QAbstractButton *>(w)) return b->text().replace('\n', ' ');
    return w->objectName();
}

const std::vector<ScreenCase> &Cases() {
    // clang-format off
    static const std::vector<ScreenCase> cases = {
        {"PracMenuWin", [](Bench &b) { return new PracMenuWin(b.g.game); }, true, "閉じる",
         {"基本練習", "選択", "選択", "閉じる", "基本練習"}},
        {"DistributeWin", [](Bench &b) { return new DistributeWin(b.g.state); }, true, "閉じる",
         {"閉じる", "全体練習 を増やす", "全体練習 を増やす", "全体練習 を増やす", "閉じる"}},
        {"ItemsWin", [](Bench &b) { return new ItemsWin(b.g.game); }, true, "閉じる",
         {"閉じる", "使う", "使う", "使う", "閉じる"}},
        {"ZimuWin", [](Bench &b) { return new ZimuWin(b.g.game); }, true, "閉じる",
         {"閉じる", "契約", "契約", "閉じる"}},
        {"SelectSponWin", [](Bench &b) { return new SelectSponWin(b.g.game, 1); }, true, "契約",
         {"次へ", "閉じる", "前へ", "次へ"}},
        {"GameSetWin", [](Bench &b) { return new GameSetWin(b.g.game); }, true, "試合申込み",
         {"Lv.1", "試合申込み", "閉じる", "Lv.1"}},
        {"IraiWin", [](Bench &b) { return new IraiWin(b.g.game); }, true, "依頼",
         {"指定しない", "弱い", "依頼", "閉じる", "指定しない"}},
        {"SeibiWin", [](Bench &b) { return new SeibiWin(b.g.game, b.marks, 1); }, true, "整備",
         {"普通", "整備", "閉じる", "普通"}},
        {"ElectCoach", [](Bench &b) { return new ElectCoach(b.g.game, 1); }, true,
         "上記のコーチと契約", {"CoachLists", "上記のコーチと契約", "キャンセル", "CoachLists"}},
        {"SelectPlayer", [](Bench &b) { return new SelectPlayer(b.g.game, 1); }, true,
         "上記の選手に決定", {"PlayerList", "上記の選手に決定", "キャンセル", "PlayerList"}},
        {"PlayerSetWin", [](Bench &b) { return new PlayerSetWin(b.g.game); }, true, "閉じる",
         {"RosterList", "選手解雇", "選手獲得 スカウト", "閉じる", "RosterList"}},
        {"kaikoWin", [](Bench &b) { return new kaikoWin(b.g.game); }, true, "閉じる",
         {"RosterList", "選手解雇", "閉じる", "RosterList"}},
        // Only its three buttons leave the scouting result, and a camp must be decided.
        {"SkautWIn", [](Bench &b) { return new SkautWIn(b.g.game); }, false, "上記の選手と契約",
         {"チームの選手を解雇", "契約しない", "チームの選手を解雇"}},
        {"GasyuElectWin", [](Bench &b) { return new GasyuElectWin(b.g.game); }, false, "決定",
         {"普通", "決定", "普通"}},
        {"RegurarSetWin", [](Bench &b) { return new RegurarSetWin(b.g.game); }, true, "決定",
         {"決定", "←→", "←→", "←→", "←→", "←→", "↓", "決定"}},
        {"TochiWin", [](Bench &b) { return new TochiWin(b.g.game, b.marks, b.lot); }, true,
         "閉じる", {"閉じる", "整備", "工事", "閉じる"}},
        {"WholeTochiWin", [](Bench &b) { return new WholeTochiWin(b.g.game, b.marks); }, true,
         "閉じる", {"閉じる", "閉じる"}},
        {"BoughtTochiWin",
         [](Bench &b) { return new BoughtTochiWin(b.g.game, *OpenConstruction(b.g.state, 1)); },
         true, "建設",
         {"建設", "閉じる", "屋外コート", "室内コート", "トレーニング室", "照明有", "建設"}},
        {"SensyuWin", [](Bench &b) { return new SensyuWin(b.g.state, 0); }, true, "閉じる",
         {"閉じる", "→", "閉じる"}},
        {"HelpWin", [](Bench &) { return new HelpWin; }, true, "閉じる",
         {"Contents", "HelpText", "閉じる", "Contents"}},
    };
    // clang-format on
    return cases;
}

}  // namespace

class tst_ScreenKeys : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { TK_VERIFY_NO_LEAKED_WINDOWS(); }

    void keysOfEveryScreen_data() {
        QTest::addColumn<int>("index");
        for (std::size_t i = 0; i < Cases().size(); ++i) QTest::newRow(Cases()[i].name) << int(i);
    }

    void keysOfEveryScreen() {
        QFETCH(int, index);
        const ScreenCase &c = Cases()[std::size_t(index)];
        Bench bench;
        std::unique_ptr<QDialog> screen(c.make(bench));
        // Enter presses the confirming button unless another button has the focus.
        QPushButton *confirm = nullptr;
        for (QPushButton *b : screen->findChildren<QPushButton *>())
            if (b->isDefault()) confirm = b;
        QVERIFY(confirm);
        QCOMPARE(Describe(confirm), QString::fromUtf8(c.confirm));

        screen->show();
        QVERIFY(ActivateLikeAWindowManager(screen.get()));
        QStringList tabs{Describe(QApplication::focusWidget())};
        for (int i = 1; i < c.tabs.size(); ++i) {
            TypeIntoFocus(Qt::Key_Tab);
            tabs << Describe(QApplication::focusWidget());
        }
        QCOMPARE(tabs, c.tabs);

        TypeIntoFocus(Qt::Key_Escape);
        QCOMPARE(screen->isVisible(), !c.escapeCloses);
    }

    // Enter confirms, Esc leaves as the window frame does: the practice menu is stored by
    // the one and not by the other, as the rules say of "閉じる" and the frame.
    void enterStoresThePracticeMenuEscDoesNot_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("stored");
        QTest::newRow("Enter") << int(Qt::Key_Return) << 3;
        QTest::newRow("Esc") << int(Qt::Key_Escape) << 0;
    }

    void enterStoresThePracticeMenuEscDoesNot() {
        QFETCH(int, key);
        QFETCH(int, stored);
        Bench bench;
        PracMenuWin screen(bench.g.game);
        screen.show();
        QVERIFY(ActivateLikeAWindowManager(&screen));
        QTest::mouseClick(screen.Practices(3), Qt::LeftButton);
        TypeIntoFocus(key);
        QVERIFY(!screen.isVisible());
        QCOMPARE(int(bench.g.state.TeamPracticeMenu), stored);
    }

    void enterDecidesTheCamp() {
        Bench bench;
        bench.g.ui.answers = {true};
        GasyuElectWin screen(bench.g.game);
        screen.show();
        QVERIFY(ActivateLikeAWindowManager(&screen));
        TypeIntoFocus(Qt::Key_Return);
        QVERIFY(bench.g.ui.Saw("よろしいですか？"));
        QVERIFY(!screen.isVisible());
        QCOMPARE(int(bench.g.state.CampSessions), 1);
    }

    // The lists take the arrow keys when they have the focus: the roster scrolls past its
    // eighth row, the coach list steps within and between its two blocks of five.
    void listsFollowTheArrowKeys() {
        Bench bench;
        for (int i = 6; i < 10; ++i)
            bench.g.state.Players[std::size_t(i)] = bench.g.state.Players[std::size_t(i - 5)];
        kaikoWin roster(bench.g.game);
        roster.show();
        QVERIFY(ActivateLikeAWindowManager(&roster));
        for (int i = 0; i < 9; ++i) TypeIntoFocus(Qt::Key_Down);
        QCOMPARE(roster.List()->ElectedPlayer(), 9);
        QCOMPARE(roster.List()->ScrollPosition(), 2);
        TypeIntoFocus(Qt::Key_Up);
        QCOMPARE(roster.List()->ElectedPlayer(), 8);
        roster.close();

        ElectCoach coaches(bench.g.game, 1);
        coaches.show();
        QVERIFY(ActivateLikeAWindowManager(&coaches));
        const int first = coaches.findChild<CoachList *>()->ElectedCoach();
        TypeIntoFocus(Qt::Key_Right);
        TypeIntoFocus(Qt::Key_Down);
        QCOMPARE(coaches.findChild<CoachList *>()->SelectedRow(), 6);
        QVERIFY(coaches.findChild<CoachList *>()->ElectedCoach() != first);
        TypeIntoFocus(Qt::Key_Right);  // past the second block: stays
        QCOMPARE(coaches.findChild<CoachList *>()->SelectedRow(), 6);
    }
};

TK_UI_TEST(tst_ScreenKeys);

#include "tst_ScreenKeys.moc"
