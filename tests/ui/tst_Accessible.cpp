// What a screen reader gets from the main screen and the dialogs: the command bar's buttons
// with names, keys and a press action, the lots and the hexagon in words, messages named and
// described, and the week's news line changing after a week.
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>

#include "core/rules/lookups.h"
#include "tests/ui/key_test_support.h"
#include "tests/ui/modal_helper.h"
#include "tests/ui/ui_test_registry.h"
#include "ui/base/messages.h"
#include "ui/shell/MainWin.h"
#include "ui/widgets/accessible_item.h"
#include "ui/widgets/command_bar.h"
#include "ui/widgets/grounds_view.h"
#include "ui/widgets/hexa_graph.h"
#include "ui/widgets/week_status.h"

using namespace tk;
using namespace tk::test;

class tst_Accessible : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { TK_VERIFY_NO_LEAKED_WINDOWS(); }

    void commandBarButtonsAreNamedPressableButtons_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("key");
        QTest::newRow("次の週へ") << 0 << "次の週へ"
                                  << "1";
        QTest::newRow("事務所") << 5 << "事務所"
                                << "6";
        QTest::newRow("連続進行") << kAdvanceButton << "連続進行"
                                  << "9";
    }

    void commandBarButtonsAreNamedPressableButtons() {
        QFETCH(int, index);
        QFETCH(QString, name);
        QFETCH(QString, key);
        CommandBar bar;
        bar.show();
        QAccessibleInterface *face = QAccessible::queryAccessibleInterface(bar.ButtonItem(index));
        QVERIFY(face);
        QCOMPARE(face->role(), QAccessible::Button);
        QCOMPARE(face->text(QAccessible::Name), name);
        QVERIFY(!face->text(QAccessible::Description).isEmpty());
        QAccessibleActionInterface *action = face->actionInterface();
        QVERIFY(action);
        QCOMPARE(action->keyBindingsForAction(QAccessibleActionInterface::pressAction()),
                 QStringList{key});
        QSignalSpy released(&bar, &CommandBar::commandReleased);
        action->doAction(QAccessibleActionInterface::pressAction());
        QTRY_COMPARE(released.count(), 1);
        QCOMPARE(released.first().first().toInt(), index);
        // A disabled button says so and ignores the press.
        bar.SetButtonEnabled(index, false);
        QVERIFY(face->state().disabled);
        action->doAction(QAccessibleActionInterface::pressAction());
        QTest::qWait(20);
        QCOMPARE(released.count(), 1);
        bar.SetAdvancing(true);
        if (index == kAdvanceButton)
            QCOMPARE(face->text(QAccessible::Name), QStringLiteral("停止"));
    }

    void drawnInformationIsReadAsText() {
        GameState s;
        s.Facilities[0].Durability = 640;
        GroundsView view;
        view.Redraw(s);
        view.SetSelectedLot(0);
        const QString lot0 = view.LotItem(0)->accessibleName();
        QVERIFY2(lot0.startsWith(QStringLiteral("区画1 ")), qPrintable(lot0));
        QVERIFY2(lot0.contains(QStringLiteral("状態 640/1000")), qPrintable(lot0));
        QVERIFY(lot0.endsWith(QStringLiteral("（選択中）")));
        QVERIFY(!view.LotItem(1)->accessibleName().contains(QStringLiteral("選択中")));

        HexaGraph graph;
        graph.MakeGraph(250, 221, 181, 136, 106, 70);
        QCOMPARE(graph.accessibleName(),
                 QStringLiteral(
                     "能力グラフ スタミナ S、パワー A、技術 B、敏捷 C、ショット D、ボレー F"));
    }

    void messagesAreNamedAndDescribed_data() {
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("name");
        QTest::newRow("no caption") << ""
                                    << "雨のため 練習は室内で行いました。";
        QTest::newRow("a caption") << "お知らせ"
                                   << "お知らせ";
    }

    void messagesAreNamedAndDescribed() {
        QFETCH(QString, title);
        QFETCH(QString, name);
        QString seenName, seenDescription;
        QAccessible::Role role = QAccessible::NoRole;
        ModalAnswerer answer([&](QWidget *modal) {
            QAccessibleInterface *face = QAccessible::queryAccessibleInterface(modal);
            seenName = face->text(QAccessible::Name);
            seenDescription = face->text(QAccessible::Description);
            role = face->role();
            ClickButton(modal, QStringLiteral("閉じる"));
        });
        MessageRoute().ShowNotice(MessageKind::Report,
                                  QStringLiteral("雨のため\r練習は室内で行いました。"), title, 12,
                                  nullptr);
        QVERIFY(answer.Acted());
        QCOMPARE(role, QAccessible::AlertMessage);
        QCOMPARE(seenName, name);
        QCOMPARE(seenDescription, QStringLiteral("雨のため 練習は室内で行いました。"));
    }

    void aPlayedWeekIsAnnounced() {
        MainScreenSession session(7, true);
        WeekStatus *news = session.main->News();
        QVERIFY(news);
        const QString before = news->accessibleName();
        QVERIFY(before.startsWith(QStringLiteral("今週のお知らせ 1年目 4月1週")));
        const int announced = news->Announced();
        session.main->Command(0);
        QTRY_VERIFY_WITH_TIMEOUT(news->Announced() == announced + 1, 5000);
        QVERIFY2(news->accessibleName().contains(QStringLiteral("4月2週になりました。資金 ")),
                 qPrintable(news->accessibleName()));
        // A redraw within the same week says nothing new.
        session.main->FormLoad();
        QCOMPARE(news->Announced(), announced + 1);
    }
};

TK_UI_TEST(tst_Accessible);

#include "tst_Accessible.moc"
