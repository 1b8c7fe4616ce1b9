// The about box: caption, credits, links that open the game's pages, "閉じる".
#include <QLabel>
#include <QTest>

#include "tests/ui/modal_helper.h"
#include "tests/ui/ui_test_registry.h"
#include "ui/base/messages.h"
#include "ui/shell/Versions.h"

using namespace tk;
using namespace tk::test;

class tst_Versions : public QObject {
    Q_OBJECT

    static void ClickLink(QLabel *link) {
        QTest::mouseClick(link, Qt::LeftButton, Qt::NoModifier, link->rect().center());
    }

private slots:
    void cleanup() { TK_VERIFY_NO_LEAKED_WINDOWS(); }

    void opensAndCloses() {
        MessageRoute messages;
        Versions box(messages);
        ModalAnswerer answer(ModalAnswerer::Click(QStringLiteral("閉じる")));
        box.exec();
        QVERIFY(answer.Closed());
        QVERIFY(!answer.TimedOut());
        QCOMPARE(answer.Title(), QStringLiteral("ゲームについて"));
        QVERIFY(box.Credits()->text().contains(QStringLiteral("テニス監督")));
        QVERIFY(box.Credits()->text().contains(Versions::VersionText()));
    }

    void linkOpensItsPage_data() {
        QTest::addColumn<int>("link");
        QTest::addColumn<QUrl>("page");
        QTest::newRow("home page") << 1 << Versions::HomePage();
        QTest::newRow("support page") << 2 << Versions::SupportPage();
    }

    void linkOpensItsPage() {
        QFETCH(int, link);
        QFETCH(QUrl, page);
        MessageRoute messages;
        Versions box(messages);
        QList<QUrl> opened;
        box.SetUrlOpener([&](const QUrl &url) {
            opened << url;
            return true;
        });
        ModalAnswerer answer([&](QWidget *modal) {
            ClickLink(link == 1 ? box.Link1() : box.Link2());
            ClickButton(modal, QStringLiteral("閉じる"));
        });
        box.exec();
        QVERIFY(answer.Closed());
        QCOMPARE(opened, QList<QUrl>{page});
    }

    // When no browser takes the page, the player is told instead of nothing happening.
    void failedOpenIsReported() {
        MessageRoute messages;
        Versions box(messages);
        box.SetUrlOpener([](const QUrl &) { return false; });
        QString notice;
        ModalAnswerer closeNotice(
            [&](QWidget *modal) {
                notice = modal->findChild<QLabel *>(QStringLiteral("Comment"))->text();
                ClickButton(modal, QStringLiteral("閉じる"));
            },
            QStringLiteral("MeSForm"));
        ModalAnswerer answer(
            [&](QWidget *modal) {
                ClickLink(box.Link1());
                ClickButton(modal, QStringLiteral("閉じる"));
            },
            QStringLiteral("Versions"));
        box.exec();
        QVERIFY(closeNotice.Closed());
        QVERIFY(answer.Closed());
        QVERIFY(notice.startsWith(QStringLiteral("ページを開けませんでした。\n")));
    }
};

TK_UI_TEST(tst_Versions);

#include "tst_Versions.moc"
