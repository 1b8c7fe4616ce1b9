// Notices and questions: a fresh modal dialog per call, gone when the call returns.
#include "ui/base/messages.h"

#include <QPointer>
#include <QPushButton>

#include "ui/base/MeSForm.h"
#include "ui/base/MesQWin.h"

namespace tk {

namespace {
// A dialog on the heap watched by a QPointer: if its parent window is destroyed while the
// dialog's own event loop runs, Qt deletes the dialog with it and we must not again.
template <typename Dialog>
QPointer<Dialog> MakeDialog(const QString &message, const QString &title, int fontSize,
                            QWidget *parent) {
    auto *dialog = new Dialog(parent);
    dialog->SetCaption(title);
    dialog->SetFontSize(fontSize);
    dialog->SetMessage(message);
    return QPointer<Dialog>(dialog);
}
}  // namespace

void ShowNotice(const QString &message, const QString &title, int fontSize, QWidget *parent) {
    QPointer<MeSForm> dialog = MakeDialog<MeSForm>(message, title, fontSize, parent);
    dialog->exec();
    delete dialog.data();
}

namespace {
bool Ask(QPointer<MesQWin> dialog) {
    dialog->exec();
    if (!dialog) return false;
    const bool yes = dialog->Answered() && dialog->Answer();
    delete dialog.data();
    return yes;
}
}  // namespace

bool AskQuestion(const QString &message, const QString &title, int fontSize, QWidget *parent) {
    return Ask(MakeDialog<MesQWin>(message, title, fontSize, parent));
}

bool AskQuestionYesFirst(const QString &message, const QString &title, int fontSize,
                         QWidget *parent) {
    QPointer<MesQWin> dialog = MakeDialog<MesQWin>(message, title, fontSize, parent);
    dialog->Command1()->setDefault(false);
    dialog->Command2()->setDefault(true);
    dialog->Command2()->setFocus();
    return Ask(dialog);
}

}  // namespace tk
