// The main screen's squad list and selected-player view: names, colours, the click rules.
#include <QLabel>
#include <QSignalSpy>
#include <QTest>

#include "core/rules/lookups.h"
#include "tests/ui/modal_helper.h"
#include "tests/ui/ui_test_registry.h"
#include "tests/ui/view_test_support.h"
#include "ui/widgets/hexa_graph.h"
#include "ui/widgets/label_style.h"
#include "ui/widgets/player_detail_panel.h"
#include "ui/widgets/player_panel.h"

using namespace tk;
using namespace tk::test;

class tst_PlayerPanel : public QObject {
    Q_OBJECT

    static QString Name(const GameState &s, int i) {
        return QString::fromStdString(PersonName(s, i));
    }

private slots:
    void cleanup() { TK_VERIFY_NO_LEAKED_WINDOWS(); }

    void namesOfANewGameWithRegularsInPurple() {
        NewGameFixture g;
        PlayerPanel panel;
        panel.MakePlayerWin(g.state);
        const QColor purple(128, 128, 255), red(255, 128, 128);
        for (int i = 0; i < 6; ++i) QCOMPARE(panel.NameSection(i)->text(), Name(g.state, i));
        for (int i = 6; i < 20; ++i) QCOMPARE(panel.NameSection(i)->text(), QString());
        for (int i = 0; i < 5; ++i) QCOMPARE(BackgroundColour(panel.NameSection(i)), purple);
        for (int i = 5; i < 20; ++i) QCOMPARE(BackgroundColour(panel.NameSection(i)), red);
        QCOMPARE(panel.Note()->text(), QStringLiteral("紫がレギュラーです。"));

        // A regular who loses his place turns light red at the next redraw.
        g.state.Players[2].Order = 0;
        panel.Redraw(g.state);
        QCOMPARE(BackgroundColour(panel.NameSection(2)), red);
    }

    void selection_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("elected");  // -1: the click is ignored
        QTest::newRow("a player") << 3 << 3;
        QTest::newRow("the last player") << 5 << 5;
        QTest::newRow("an empty slot shows player 0") << 6 << 0;
        QTest::newRow("the last slot") << 19 << 0;
        QTest::newRow("far past the squad") << 25 << 0;
        QTest::newRow("a negative index is ignored") << -5 << -1;
    }

    void selection() {
        QFETCH(int, index);
        QFETCH(int, elected);
        NewGameFixture g;
        PlayerPanel list;
        PlayerDetailPanel details;
        list.MakePlayerWin(g.state);
        QCOMPARE(NameSectionClick(g.state, 2, list, details), std::optional<int>(2));

        const std::optional<int> shown = NameSectionClick(g.state, index, list, details);
        const int now = elected < 0 ? 2 : elected;
        QCOMPARE(shown.has_value(), elected >= 0);
        QCOMPARE(list.Elected(), now);
        for (int i = 0; i < 20; ++i) QCOMPARE(list.ElectedMark(i)->isVisibleTo(&list), i == now);
        QCOMPARE(details.Force(2)->text(),
                 QStringLiteral("年俸 ") +
                     QString::fromStdString(MoneyText(g.state.Players[now].Salary)));
    }

    void detailsOfTheShownPlayer() {
        NewGameFixture g;
        PlayerRecord &p = g.state.Players[4];
        p.Condition = 250;
        p.Style = 1;
        p.Salary = 450;
        PlayerDetailPanel details;
        details.Show(g.state, 4);
        QCOMPARE(details.Graphs()->objectName(), QStringLiteral("Graphs"));
        QCOMPARE(details.Graphs()->CurrentLevels(),
                 (HexaGraph::Levels{p.Skill[0], p.Skill[1], p.Skill[2], p.Skill[3], p.Skill[4],
                                    p.Skill[5]}));
        QCOMPARE(details.ConditionBar()->width(), 100);  // 1500 twips
        QCOMPARE(details.Force(1)->text(), QStringLiteral("前衛"));
        QCOMPARE(details.Force(2)->text(), QStringLiteral("年俸 450万円"));
        QCOMPARE(details.Force(3)->text(), QString::number(AgeOf(g.state, 4)) + "歳");

        p.Condition = 125;
        p.Style = 0;
        details.Show(g.state, 4);
        QCOMPARE(details.ConditionBar()->width(), 50);
        QCOMPARE(details.Force(1)->text(), QStringLiteral("後衛"));
    }

    void clicksReportTheSlot() {
        NewGameFixture g;
        PlayerPanel panel;
        panel.MakePlayerWin(g.state);
        panel.show();
        QSignalSpy clicked(&panel, &PlayerPanel::nameClicked);
        QSignalSpy doubled(&panel, &PlayerPanel::nameDoubleClicked);
        QTest::mouseClick(panel.NameSection(7), Qt::LeftButton);
        QTest::mouseDClick(panel.NameSection(3), Qt::LeftButton);
        QCOMPARE(clicked.count(), 1);
        QCOMPARE(clicked.at(0).at(0).toInt(), 7);
        QCOMPARE(doubled.count(), 1);
        QCOMPARE(doubled.at(0).at(0).toInt(), 3);
    }

    void grab() {
        NewGameFixture g;
        PlayerPanel list;
        PlayerDetailPanel details;
        list.MakePlayerWin(g.state);
        NameSectionClick(g.state, 1, list, details);
        GrabIfAsked(&list, QStringLiteral("PlayerPanel"));
        GrabIfAsked(&details, QStringLiteral("PlayerDetailPanel"));
    }
};

TK_UI_TEST(tst_PlayerPanel);

#include "tst_PlayerPanel.moc"
