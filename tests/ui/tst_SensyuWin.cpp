// The player detail screen: texts and colours of one player, browsing with "←" and "→".
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "core/rules/lookups.h"
#include "tests/ui/key_test_support.h"
#include "tests/ui/modal_helper.h"
#include "tests/ui/ui_test_registry.h"
#include "tests/ui/view_test_support.h"
#include "ui/screens/SensyuWin.h"
#include "ui/widgets/hexa_graph.h"
#include "ui/widgets/label_style.h"

using namespace tk;
using namespace tk::test;

class tst_SensyuWin : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { TK_VERIFY_NO_LEAKED_WINDOWS(); }

    void showsOnePlayer_data() {
        QTest::addColumn<int>("style");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("fifth");
        QTest::addColumn<QString>("type");
        QTest::addColumn<QColor>("typeColour");
        QTest::newRow("baseline player") << 0 << "　ショット"
                                         << "C"
                                         << "後衛" << QColor(255, 128, 0);
        QTest::newRow("net player") << 1 << "　 ボレー"
                                    << "A"
                                    << "前衛" << QColor(0, 0, 255);
    }

    void showsOnePlayer() {
        QFETCH(int, style);
        QFETCH(QString, caption);
        QFETCH(QString, fifth);
        QFETCH(QString, type);
        QFETCH(QColor, typeColour);
        NewGameFixture g;
        PlayerRecord &p = g.state.Players[3];
        p.Skill = {250, 200, 150, 110, 140, 230};
        p.Style = static_cast<std::uint8_t>(style);
        p.PracticeSlot = 1;
        SensyuWin screen(g.state, 3);
        QCOMPARE(screen.windowTitle(), QStringLiteral("選手詳細"));
        QCOMPARE(screen.Force(8)->text(),
                 QStringLiteral("No.4　") + QString::fromStdString(PersonName(p)));
        QCOMPARE(screen.Force(0)->text(), QStringLiteral("年齢 %1歳").arg(AgeOf(g.state, 3)));
        const QString grades[] = {"S", "B", "C", "D"};
        for (int i = 0; i < 4; ++i) QCOMPARE(screen.Force(i + 1)->text(), grades[i]);
        QCOMPARE(TextColour(screen.Force(1)), QColor(255, 0, 255));
        QCOMPARE(TextColour(screen.Force(4)), QColor(0, 192, 0));
        QCOMPARE(screen.FifthCaption()->text(), caption);
        QCOMPARE(screen.Force(5)->text(), fifth);
        QCOMPARE(screen.Force(6)->text(), type);
        QCOMPARE(TextColour(screen.Force(6)), typeColour);
        QCOMPARE(screen.Force(9)->text(), QStringLiteral("レギュラー　○"));  // 4th regular
        QCOMPARE(screen.Force(10)->text(), QStringLiteral("個人練習　○"));
        QCOMPARE(screen.Force(7)->text(), QStringLiteral("状態　普通"));
        QCOMPARE(screen.BenchGraph()->CurrentLevels(),
                 (HexaGraph::Levels{250, 200, 150, 110, 140, 230}));
        QCOMPARE(screen.Command1()->text(), QStringLiteral("→"));
        QCOMPARE(screen.Command2()->text(), QStringLiteral("←"));
        if (style == 1) GrabIfAsked(&screen, QStringLiteral("SensyuWin"));
    }

    void benchPlayerWithoutIndividualPractice() {
        NewGameFixture g;
        SensyuWin screen(g.state, 5);  // the sixth player is not a regular
        QCOMPARE(screen.Force(9)->text(), QStringLiteral("レギュラー　×"));
        QCOMPARE(screen.Force(10)->text(), QStringLiteral("個人練習　×"));
    }

    void buttonsAtTheEnds_data() {
        QTest::addColumn<int>("player");
        QTest::addColumn<int>("shown");
        QTest::addColumn<bool>("previous");
        QTest::addColumn<bool>("next");
        QTest::newRow("first") << 0 << 0 << false << true;
        QTest::newRow("middle") << 2 << 2 << true << true;
        QTest::newRow("last") << 5 << 5 << true << false;
        QTest::newRow("an empty slot shows the first") << 9 << 0 << false << true;
        QTest::newRow("negative shows the first") << -3 << 0 << false << true;
    }

    void buttonsAtTheEnds() {
        QFETCH(int, player);
        QFETCH(int, shown);
        QFETCH(bool, previous);
        QFETCH(bool, next);
        NewGameFixture g;
        SensyuWin screen(g.state, player);
        QCOMPARE(screen.PlayerIndNum(), shown);
        QCOMPARE(screen.Command2()->isEnabled(), previous);
        QCOMPARE(screen.Command1()->isEnabled(), next);
    }

    void aSquadOfOneCannotBrowse() {
        NewGameFixture g;
        for (int i = 1; i < 6; ++i) g.state.Players[static_cast<std::size_t>(i)] = {};
        SensyuWin screen(g.state, 0);
        QVERIFY(!screen.Command1()->isEnabled());
        QVERIFY(!screen.Command2()->isEnabled());
    }

    void browsingToTheLastPlayerIsWhatTheMainScreenSelects() {
        NewGameFixture g;
        QStringList titles;
        ModalAnswerer answer(
            [&](QWidget *modal) {
                auto *screen = static_cast<SensyuWin *>(modal);
                QVERIFY(ActivateLikeAWindowManager(modal));
                // "→" and the right arrow key (typed into the focused widget) browse alike.
                for (int k = 0; k < 5; ++k) {
                    if (k % 2 == 0)
                        ClickButton(modal, QStringLiteral("→"));
                    else
                        TypeIntoFocus(Qt::Key_Right);
                    titles << screen->Force(8)->text();
                }
                QVERIFY(!screen->Command1()->isEnabled());
                TypeIntoFocus(Qt::Key_Left);
                QCOMPARE(screen->PlayerIndNum(), 4);
                ClickButton(modal, QStringLiteral("→"));
                ClickButton(modal, QStringLiteral("閉じる"));
            },
            QStringLiteral("SensyuWin"));
        const int last = SensyuWin::Browse(g.state, 0);
        QVERIFY(answer.Closed());
        QCOMPARE(last, 5);
        QCOMPARE(titles.size(), 5);
        QVERIFY(titles.last().startsWith(QStringLiteral("No.6　")));
    }
};

TK_UI_TEST(tst_SensyuWin);

#include "tst_SensyuWin.moc"
