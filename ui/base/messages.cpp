// Notices and questions: a fresh modal dialog per call, gone when the call returns.
#include "ui/base/messages.h"

#include <QPointer>

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

bool AskQuestion(const QString &message, const QString &title, int fontSize, QWidget *parent) {
    QPointer<MesQWin> dialog = MakeDialog<MesQWin>(message, title, fontSize, parent);
    dialog->exec();
    if (!dialog) return false;
    const bool yes = dialog->Answered() && dialog->Answer();
    delete dialog.data();
    return yes;
}

}  // namespace tk
