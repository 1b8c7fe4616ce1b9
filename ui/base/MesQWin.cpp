// The question: "はい" or "いいえ", nothing else closes it.
#include "ui/base/MesQWin.h"

#include <QCloseEvent>
#include <QPushButton>

namespace tk {

MesQWin::MesQWin(QWidget *parent) : MessageDialog(parent) {
    setObjectName(QStringLiteral("MesQWin"));
    command2_ = new QPushButton(QStringLiteral("はい"), this);
    command2_->setObjectName(QStringLiteral("Command2"));
    command1_ = new QPushButton(QStringLiteral("いいえ"), this);
    command1_->setObjectName(QStringLiteral("Command1"));
    SetButtons({command2_, command1_});
    // Questions guard erasing and quitting: a stray Enter must not say yes.
    command1_->setDefault(true);
    command1_->setFocus();

    connect(command2_, &QPushButton::clicked, this, [this] { Reply(true); });
    connect(command1_, &QPushButton::clicked, this, [this] { Reply(false); });
}

void MesQWin::Reply(bool yes) {
    answer_ = yes;
    answered_ = true;
    done(yes ? QDialog::Accepted : QDialog::Rejected);
}

void MesQWin::reject() {}

void MesQWin::closeEvent(QCloseEvent *event) {
    if (answered_) {
        MessageDialog::closeEvent(event);
        return;
    }
    event->ignore();
}

}  // namespace tk
