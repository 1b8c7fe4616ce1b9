// The notice: closes on its button or by itself, shows '\r' as a line break, sits centred.
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "core/state/game_state.h"
#include "tests/ui/modal_helper.h"
#include "tests/ui/ui_test_registry.h"
#include "ui/base/MeSForm.h"
#include "ui/base/messages.h"
#include "ui/base/units.h"

using namespace tk;
using namespace tk::test;

class tst_MeSForm : public QObject {
    Q_OBJECT

    MessageRoute route_;  // no settings: notices close by themselves, as the rules say

    void ShowNotice(const QString &message, const QString &title, int fontSize) {
        route_.ShowNotice(MessageKind::Report, message, title, fontSize, nullptr);
    }

private slots:
    void cleanup() { TK_VERIFY_NO_LEAKED_WINDOWS(); }

    void closesOnItsButton() {
        ScopedUiTimingScale realTime(1.0);
        int interval = 0;
        bool timerRunning = false;
        ModalAnswerer answer(
            [&](QWidget *modal) {
                auto *form = qobject_cast<MeSForm *>(modal);
                QVERIFY(form);
                interval = form->Timer1().interval();
                timerRunning = form->Timer1().isActive();
                ClickButton(modal, QStringLiteral("閉じる"));
            },
            QStringLiteral("MeSForm"));
        ShowNotice(QStringLiteral("練習中です。"), QString(), 18);
        QVERIFY(answer.Acted());
        QVERIFY(answer.Closed());
        QVERIFY(!answer.TimedOut());
        QVERIFY(timerRunning);  // it was the button, with the five seconds still running
        QCOMPARE(interval, 5000);
    }

    void closesByItselfWhenTheTimeRunsOut() {
        ScopedUiTimingScale fast(0.001);
        ModalAnswerer watch(ModalAnswerer::Watch(), QStringLiteral("MeSForm"));
        ShowNotice(QStringLiteral("雨のため練習は室内で行いました。"), QString(), 12);
        QVERIFY(watch.Acted());
        QVERIFY(watch.Closed());
        QVERIFY(!watch.TimedOut());
    }

    // The player's choice reaches the notice through the route that shows it, as it stands
    // at each call.
    void waitsForItsButtonWhenTheSettingSaysSo_data() {
        QTest::addColumn<bool>("wait");
        QTest::newRow("waits") << true;
        QTest::newRow("closes by itself") << false;
    }

    void waitsForItsButtonWhenTheSettingSaysSo() {
        QFETCH(bool, wait);
        ScopedUiTimingScale fast(0.001);
        Settings settings;
        MessageRoute route;
        route.UseSettings(&settings);
        settings.SetNoticesWait(wait);
        bool timerRunning = wait;
        ModalAnswerer answer(
            [&](QWidget *modal) {
                auto *form = qobject_cast<MeSForm *>(modal);
                timerRunning = form->Timer1().isActive();
                QCOMPARE(form->Waits(), wait);
                QCOMPARE(form->Kind(), MessageKind::Report);
                ClickButton(modal, QStringLiteral("閉じる"));
            },
            QStringLiteral("MeSForm"));
        route.ShowNotice(MessageKind::Report, QStringLiteral("今年は0万円の\r黒字でした。"),
                         QStringLiteral("黒字"), 12, nullptr);
        QVERIFY(answer.Acted());
        QVERIFY(!answer.TimedOut());
        QCOMPARE(timerRunning, !wait);  // when it waits, nothing closes it but the button
    }

    void showsLineBreaks_data() {
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("shown");
        QTest::newRow("one line") << QStringLiteral("練習中です。")
                                  << QStringLiteral("練習中です。");
        QTest::newRow("two lines") << QStringLiteral("山田 太郎が\r入部しました。")
                                   << QStringLiteral("山田 太郎が\n入部しました。");
        QTest::newRow("empty line")
            << QStringLiteral("優勝！\r\r賞金3000万円") << QStringLiteral("優勝！\n\n賞金3000万円");
        QTest::newRow("CR LF as one break") << QStringLiteral("A\r\nB") << QStringLiteral("A\nB");
        QTest::newRow("markup stays text")
            << QStringLiteral("<b>チーム</b>が優勝") << QStringLiteral("<b>チーム</b>が優勝");
    }

    void showsLineBreaks() {
        QFETCH(QString, message);
        QFETCH(QString, shown);
        QString text;
        Qt::TextFormat format = Qt::AutoText;
        ModalAnswerer answer(
            [&](QWidget *modal) {
                auto *form = qobject_cast<MeSForm *>(modal);
                text = form->Comment()->text();
                format = form->Comment()->textFormat();
                ClickButton(modal, QStringLiteral("閉じる"));
            },
            QStringLiteral("MeSForm"));
        ShowNotice(message, QString(), 12);
        QVERIFY(answer.Acted());
        QCOMPARE(text, shown);
        QCOMPARE(format, Qt::PlainText);
    }

    void takesCaptionAndFontSize_data() {
        QTest::addColumn<QString>("title");
        QTest::addColumn<int>("fontSize");
        QTest::newRow("empty title, 18 pt") << QString() << 18;
        QTest::newRow("title, 14 pt") << QStringLiteral("お知らせ") << 14;
        QTest::newRow("empty title, 12 pt") << QString() << 12;
    }

    void takesCaptionAndFontSize() {
        QFETCH(QString, title);
        QFETCH(int, fontSize);
        int shownSize = 0;
        ModalAnswerer answer(
            [&](QWidget *modal) {
                shownSize = qobject_cast<MeSForm *>(modal)->Comment()->font().pointSize();
                ClickButton(modal, QStringLiteral("閉じる"));
            },
            QStringLiteral("MeSForm"));
        ShowNotice(QStringLiteral("OK"), title, fontSize);
        QVERIFY(answer.Acted());
        QCOMPARE(answer.Title(), title);
        QCOMPARE(shownSize, fontSize);
    }

    // Texts of one or several lines sit around the line 600 twips from the top; a text too
    // tall for that still starts inside the window, and the button stays under it.
    void centresTextsOnOneMiddleLine_data() {
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("centred");
        QTest::newRow("one line") << QStringLiteral("練習中です。") << true;
        QTest::newRow("two lines") << QStringLiteral("山田 太郎が\r入部しました。") << true;
        QTest::newRow("very tall") << QStringLiteral("行\r").repeated(20) << false;
    }

    void centresTextsOnOneMiddleLine() {
        QFETCH(QString, message);
        QFETCH(bool, centred);
        MeSForm form;
        form.SetFontSize(12);
        form.SetMessage(message);
        const QRect label = form.Comment()->geometry();
        const int middle = TwipsToPixels(600);
        if (centred)
            QVERIFY(qAbs(label.top() + label.height() / 2 - middle) <= 1);
        else
            QVERIFY(label.top() >= 0);
        QVERIFY(form.Comment()->heightForWidth(label.width()) <= label.height());
        QVERIFY(form.Command1()->geometry().top() > label.bottom());
        QVERIFY(form.Command1()->geometry().bottom() < form.height());
    }
};

TK_UI_TEST(tst_MeSForm);

#include "tst_MeSForm.moc"
