// The notice: a message that closes on its button or by itself after five seconds.
#include "ui/base/MeSForm.h"

#include <QPushButton>
#include <QShowEvent>

#include "ui/base/notice_key_guard.h"
#include "ui/base/timing.h"

namespace tk {

MeSForm::MeSForm(QWidget *parent) : MessageDialog(parent) {
    setObjectName(QStringLiteral("MeSForm"));
    command1_ = new QPushButton(QStringLiteral("閉じる"), this);
    command1_->setObjectName(QStringLiteral("Command1"));
    command1_->setDefault(true);
    SetButtons({command1_});

    timer1_.setObjectName(QStringLiteral("Timer1"));
    timer1_.setSingleShot(true);
    connect(command1_, &QPushButton::clicked, this, &QDialog::accept);
    connect(&timer1_, &QTimer::timeout, this, &QDialog::accept);
    connect(&timer1_, &QTimer::timeout, this, &NoticeClosedByItself);
}

void MeSForm::showEvent(QShowEvent *event) {
    MessageDialog::showEvent(event);
    // The five seconds count from the moment the player can see the notice; a notice that
    // waits has no timer at all.
    if (!event->spontaneous() && !waits_) timer1_.start(UiTiming::NoticeMs());
}

}  // namespace tk
