// The help screen: every subject a new player asks about, the figures of the rules, the
// hints last, the contents list leading to each section, Esc closing it.
#include <QListWidget>
#include <QScrollBar>
#include <QTest>
#include <QTextBrowser>
#include <QTextDocument>

#include "core/rules/lookups.h"
#include "core/rules/sponsors.h"
#include "tests/ui/modal_helper.h"
#include "tests/ui/ui_test_registry.h"
#include "tests/ui/view_test_support.h"
#include "ui/shell/HelpWin.h"
#include "ui/shell/help_text.h"

using namespace tk;
using namespace tk::test;

class tst_HelpWin : public QObject {
    Q_OBJECT

    static QString Plain(const QString &html) {
        QTextDocument doc;
        doc.setHtml(html);
        return doc.toPlainText();
    }

private slots:
    void cleanup() { TK_VERIFY_NO_LEAKED_WINDOWS(); }

    void sectionsTellTheRulesFigures_data() {
        QTest::addColumn<QString>("section");
        QTest::addColumn<QStringList>("facts");
        GameState s;
        QStringList budgets;
        for (int level = 1; level <= 5; ++level) {
            s.TeamLevel = static_cast<std::uint8_t>(level);
            budgets << QString::fromStdString(MoneyText(TeamBudget(s)));
        }
        QTest::newRow("week") << "1週間の流れ" << QStringList{"次の週へ", "午前", "維持費"};
        QTest::newRow("practice") << "練習メニュー"
                                  << QStringList{"基本練習", "発展練習", "前衛", "体力"};
        QTest::newRow("courts") << "コートとコート配分"
                                << QStringList{"室内コート", "個別コーチ", "2コートまで"};
        QTest::newRow("coaches") << "コーチと4月"
                                 << QStringList{"4月だけ",
                                                QString::fromStdString(MoneyText(CoachSalary(10)))};
        QTest::newRow("camps") << "合宿とドリンク" << QStringList{"高級", "1000万円", "+150"};
        QTest::newRow("grades") << "能力とグレード" << QStringList{"221〜249", "70以下"};
        QTest::newRow("matches") << "試合と大会"
                                 << QStringList{"ワールドテニス", "Lv.Max", "3勝", "0.35％"};
        QTest::newRow("money") << "お金"
                               << (budgets + QStringList{"破産", QString::fromStdString(SName(7)),
                                                         "5000万円"});
        QTest::newRow("keys") << "キー操作" << QStringList{"Enter / Space / 1", "F1",     "F5",
                                                           "Shift+Enter / 9",   "Ctrl+M", "Ctrl+R"};
        QTest::newRow("access") << "スクリーンリーダーとキーボード"
                                << QStringList{"Orca", "押す", "今週のお知らせ", "レギュラー"};
        QTest::newRow("hints") << "勝つためのヒント"
                               << QStringList{"3月の終わり", "室内コート", "基本練習", "整備"};
        QTest::newRow("first April") << "はじめての4月"
                                     << QStringList{"室内コート", "5～7人", "4月か5月", "整備",
                                                    QString::fromStdString(MoneyText(600))};
    }

    void sectionsTellTheRulesFigures() {
        QFETCH(QString, section);
        QFETCH(QStringList, facts);
        const std::vector<HelpSection> sections = HelpSections();
        const auto found = std::find_if(sections.begin(), sections.end(),
                                        [&](const HelpSection &h) { return h.title == section; });
        QVERIFY2(found != sections.end(), qPrintable(section));
        const QString text = Plain(found->html);
        for (const QString &fact : facts) QVERIFY2(text.contains(fact), qPrintable(fact));
    }

    void theHintsComeLastAndTheListLeadsToEachSection() {
        HelpWin help;
        help.show();
        const std::vector<HelpSection> sections = HelpSections();
        QCOMPARE(sections.back().title, QStringLiteral("勝つためのヒント"));
        QCOMPARE(help.Contents()->count(), int(sections.size()));
        QCOMPARE(help.Contents()->currentRow(), 0);
        QScrollBar *bar = help.Text()->verticalScrollBar();
        int last = bar->value();
        for (int row = 1; row < help.Contents()->count(); ++row) {
            help.Contents()->setCurrentRow(row);
            QVERIFY2(bar->value() > last || bar->value() == bar->maximum(),
                     qPrintable(sections[std::size_t(row)].title));
            last = bar->value();
        }
        GrabIfAsked(&help, QStringLiteral("HelpWin"));
        QTest::keyClick(help.Contents(), Qt::Key_Escape);
        QVERIFY(!help.isVisible());
    }
};

TK_UI_TEST(tst_HelpWin);

#include "tst_HelpWin.moc"
