// Every screen opened from the main screen fits the smallest screen the game is played on,
// 1280×720 logical pixels (1920×1080 at 150 %; 1366×768 at 100 % and 3840×2160 at 200 % have
// more room), with its title bar: every control inside the window, no scroll bar around the
// window's contents, and the caption readable in full in the title bar; a caption that tells
// the game's state is a line of the screen too. (The main screen fits itself to the screen:
// tests/desktop/sizes_test.sh.)
#include <algorithm>
#include <functional>

#include <QFontMetrics>
#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>

#include "core/rules/game.h"
#include "tests/ui/key_test_support.h"
#include "tests/ui/match_screen_support.h"
#include "tests/ui/ui_test_registry.h"
#include "ui/base/MeSForm.h"
#include "ui/base/MesQWin.h"
#include "ui/screens/BeforeGame.h"
#include "ui/screens/BoughtTochiWin.h"
#include "ui/screens/DistributeWin.h"
#include "ui/screens/ElectCoach.h"
#include "ui/screens/GameSetWin.h"
#include "ui/screens/GameWin.h"
#include "ui/screens/GasyuElectWin.h"
#include "ui/screens/IraiWin.h"
#include "ui/screens/ItemsWin.h"
#include "ui/screens/KirokuWin.h"
#include "ui/screens/NewGameWin.h"
#include "ui/screens/PlayerSetWin.h"
#include "ui/screens/PracMenuWin.h"
#include "ui/screens/RegurarSetWin.h"
#include "ui/screens/RirekiWin.h"
#include "ui/screens/SeibiWin.h"
#include "ui/screens/SelectPlayer.h"
#include "ui/screens/SelectSponWin.h"
#include "ui/screens/SensyuWin.h"
#include "ui/screens/SetWIn.h"
#include "ui/screens/SkautWIn.h"
#include "ui/screens/TochiWin.h"
#include "ui/screens/WholeTochiWin.h"
#include "ui/screens/ZimuWin.h"
#include "ui/screens/kaikoWin.h"
#include "ui/shell/HelpWin.h"
#include "ui/shell/Versions.h"

using namespace tk;
using namespace tk::test;

namespace {

// The room a window has on the smallest screen, less a window manager's frame and title.
constexpr int kRoomWidth = 1280 - 10, kRoomHeight = 720 - 30;
// A title bar's close box, icon and margins beside the caption.
constexpr int kTitleBarExtras = 90;

// Everything a screen needs: a new game on its main screen, and a match week beside it.
struct Screens {
    MainScreenSession session{7};
    ScreenGame match{MatchState(), 7};
    MaintainMarks marks;
    int lot = 0;
    ConstructionChoice choice;

    static GameState MatchState() {
        GameState s;
        SetSquad(s, {120, 95, 105, 140, 80});
        BookWeek(s, 20, 3);
        return s;
    }
    Game &game() { return session.app.CurrentGame(); }
};

using Make = std::function<QWidget *(Screens &, QWidget *)>;

const std::vector<std::pair<const char *, Make>> &AllScreens() {
    static const std::vector<std::pair<const char *, Make>> screens = {
        {"NewGameWin", [](Screens &s, QWidget *p) { return new NewGameWin(s.session.app, p); }},
        {"PracMenuWin", [](Screens &s, QWidget *p) { return new PracMenuWin(s.game(), p); }},
        {"DistributeWin",
         [](Screens &s, QWidget *p) { return new DistributeWin(s.game().state, p); }},
        {"ElectCoach", [](Screens &s, QWidget *p) { return new ElectCoach(s.game(), 1, p); }},
        {"SelectPlayer", [](Screens &s, QWidget *p) { return new SelectPlayer(s.game(), 0, p); }},
        {"GameSetWin", [](Screens &s, QWidget *p) { return new GameSetWin(s.game(), p); }},
        {"BeforeGame", [](Screens &s, QWidget *p) { return new BeforeGame(s.match.game, p); }},
        {"RegurarSetWin",
         [](Screens &s, QWidget *p) { return new RegurarSetWin(s.match.game, p); }},
        {"GameWin", [](Screens &s, QWidget *p) { return new GameWin(s.match.game, p); }},
        {"ItemsWin", [](Screens &s, QWidget *p) { return new ItemsWin(s.game(), p); }},
        {"GasyuElectWin", [](Screens &s, QWidget *p) { return new GasyuElectWin(s.game(), p); }},
        {"SetWIn", [](Screens &s, QWidget *p) { return new SetWIn(s.game().settings, p); }},
        {"ZimuWin", [](Screens &s, QWidget *p) { return new ZimuWin(s.game(), p); }},
        {"SelectSponWin", [](Screens &s, QWidget *p) { return new SelectSponWin(s.game(), 0, p); }},
        {"PlayerSetWin", [](Screens &s, QWidget *p) { return new PlayerSetWin(s.game(), p); }},
        {"IraiWin", [](Screens &s, QWidget *p) { return new IraiWin(s.game(), p); }},
        {"SkautWIn", [](Screens &s, QWidget *p) { return new SkautWIn(s.game(), p); }},
        {"kaikoWin", [](Screens &s, QWidget *p) { return new kaikoWin(s.game(), p); }},
        {"SensyuWin",
         [](Screens &s, QWidget *p) {
             return new SensyuWin(s.game().state, 0, p, s.session.app.History().Store());
         }},
        {"WholeTochiWin",
         [](Screens &s, QWidget *p) { return new WholeTochiWin(s.game(), s.marks, {}, p); }},
        {"TochiWin",
         [](Screens &s, QWidget *p) { return new TochiWin(s.game(), s.marks, s.lot, p); }},
        {"BoughtTochiWin",
         [](Screens &s, QWidget *p) { return new BoughtTochiWin(s.game(), s.choice, p); }},
        {"SeibiWin", [](Screens &s, QWidget *p) { return new SeibiWin(s.game(), s.marks, 1, p); }},
        {"KirokuWin",
         [](Screens &s, QWidget *p) {
             return new KirokuWin(s.session.app.History().Store(), s.game().state, p);
         }},
        {"RirekiWin",
         [](Screens &s, QWidget *p) {
             return new RirekiWin(s.session.app.History().Messages(), true, p);
         }},
        {"HelpWin", [](Screens &, QWidget *p) { return new HelpWin(p); }},
        {"Versions",
         [](Screens &s, QWidget *p) { return new Versions(s.session.app.Messages(), p); }},
        {"MeSForm", [](Screens &, QWidget *p) { return new MeSForm(p); }},
        {"MesQWin", [](Screens &, QWidget *p) { return new MesQWin(p); }},
    };
    return screens;
}

// The screens whose caption tells the game's state (a total, a verdict, a prompt): the
// screen shows it in a line of its own too.
const QStringList kTellingCaptions = {"NewGameWin", "SelectSponWin", "PlayerSetWin", "SkautWIn",
                                      "kaikoWin"};

bool InsideAList(const QWidget *widget, const QWidget *window) {
    for (const QWidget *w = widget->parentWidget(); w != nullptr && w != window;
         w = w->parentWidget())
        if (qobject_cast<const QAbstractScrollArea *>(w) != nullptr) return true;
    return false;
}

}  // namespace

class tst_ScreensFit : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { TK_VERIFY_NO_LEAKED_WINDOWS(); }

    void fitsTheSmallestScreen_data() {
        QTest::addColumn<int>("index");
        for (std::size_t i = 0; i < AllScreens().size(); ++i)
            QTest::newRow(AllScreens()[i].first) << static_cast<int>(i);
    }

    void fitsTheSmallestScreen() {
        QFETCH(int, index);
        const ScopedUiTimingScale still(1000);  // no match or notice moves on by itself
        Screens screens;
        QVERIFY(screens.session.main);
        QWidget *screen =
            AllScreens()[static_cast<std::size_t>(index)].second(screens, screens.session.main);
        screen->show();
        QVERIFY(QTest::qWaitForWindowExposed(screen));
        const QString name = QString::fromUtf8(AllScreens()[static_cast<std::size_t>(index)].first);

        QVERIFY2(screen->width() <= kRoomWidth && screen->height() <= kRoomHeight,
                 qPrintable(QStringLiteral("%1 is %2×%3")
                                .arg(name)
                                .arg(screen->width())
                                .arg(screen->height())));
        for (QWidget *child : screen->findChildren<QWidget *>()) {
            if (!child->isVisible() || InsideAList(child, screen)) continue;
            const QRect at(child->mapTo(screen, QPoint(0, 0)), child->size());
            if (at.isEmpty()) continue;  // takes no room
            QVERIFY2(screen->rect().contains(at),
                     qPrintable(QStringLiteral("%1 (%2) at %3,%4 %5×%6 lies outside %7")
                                    .arg(child->objectName(), child->metaObject()->className())
                                    .arg(at.x())
                                    .arg(at.y())
                                    .arg(at.width())
                                    .arg(at.height())
                                    .arg(name)));
            if (auto *area = qobject_cast<QScrollArea *>(child))
                QVERIFY2(!area->verticalScrollBar()->isVisible() &&
                             !area->horizontalScrollBar()->isVisible(),
                         qPrintable(name + QStringLiteral(" scrolls")));
        }
        if (kTellingCaptions.contains(name)) {
            const QList<QLabel *> labels = screen->findChildren<QLabel *>();
            QVERIFY2(std::any_of(labels.begin(), labels.end(),
                                 [&](const QLabel *l) {
                                     return l->isVisible() && !l->text().isEmpty() &&
                                            screen->windowTitle().endsWith(l->text());
                                 }),
                     qPrintable(name + QStringLiteral(" tells 「%1」 in its caption only")
                                           .arg(screen->windowTitle())));
        }
        QFont titleFont = screen->font();
        titleFont.setBold(true);
        const int caption = QFontMetrics(titleFont).horizontalAdvance(screen->windowTitle());
        QVERIFY2(
            caption + kTitleBarExtras <= screen->width(),
            qPrintable(QStringLiteral("the caption 「%1」 is cut off").arg(screen->windowTitle())));
        delete screen;
    }
};

TK_UI_TEST(tst_ScreensFit);

#include "tst_ScreensFit.moc"
