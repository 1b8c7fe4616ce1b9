// The focus goes back to a dialog's opener when the dialog that had it closes, and only then.
#include <QApplication>
#include <QDialog>
#include <QTest>

#include "tests/ui/key_test_support.h"
#include "tests/ui/modal_helper.h"
#include "tests/ui/ui_test_registry.h"
#include "ui/base/focus_return.h"

using namespace tk;
using namespace tk::test;

class tst_FocusReturn : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { ReturnFocusAfterDialogs(*qApp); }

    void cleanup() { TK_VERIFY_NO_LEAKED_WINDOWS(); }

    void theOpenerGetsTheFocusBack_data() {
        QTest::addColumn<bool>("dialogHadFocus");
        QTest::newRow("the dialog had the focus") << true;
        QTest::newRow("another window had it") << false;
    }

    void theOpenerGetsTheFocusBack() {
        QFETCH(bool, dialogHadFocus);
        QWidget opener;
        opener.setObjectName(QStringLiteral("Opener"));
        QWidget other;
        other.setObjectName(QStringLiteral("Other"));
        auto *dialog = new QDialog(&opener);
        opener.show();
        other.show();
        dialog->show();
        QVERIFY(
            ActivateLikeAWindowManager(dialogHadFocus ? static_cast<QWidget *>(dialog) : &other));
        dialog->hide();
        // The hand-back waits for the events of the hiding; it needs no time of its own.
        for (int turn = 0; turn < 3; ++turn) QCoreApplication::processEvents();
        QCOMPARE(opener.isActiveWindow(), dialogHadFocus);
        QCOMPARE(other.isActiveWindow(), !dialogHadFocus);
    }
};

TK_UI_TEST(tst_FocusReturn);

#include "tst_FocusReturn.moc"
