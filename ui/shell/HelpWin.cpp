// The help screen.
#include "ui/shell/HelpWin.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "ui/shell/help_text.h"
#include "ui/widgets/screen_keys.h"

namespace tk {

HelpWin::HelpWin(QWidget *parent) : QDialog(parent) {
    setObjectName(QStringLiteral("HelpWin"));
    setWindowTitle(QStringLiteral("遊び方"));

    const std::vector<HelpSection> sections = HelpSections();
    contents_ = new QListWidget(this);
    contents_->setObjectName(QStringLiteral("Contents"));
    for (const HelpSection &s : sections) {
        contents_->addItem(s.title);
        anchors_ << s.anchor;
    }
    contents_->setFixedWidth(contents_->sizeHintForColumn(0) + 24);

    text_ = new QTextBrowser(this);
    text_->setObjectName(QStringLiteral("HelpText"));
    text_->setOpenLinks(false);
    text_->setHtml(HelpPageHtml(sections));

    close_ = new QPushButton(QStringLiteral("閉じる"), this);
    close_->setObjectName(QStringLiteral("Command1"));
    connect(close_, &QPushButton::clicked, this, &QDialog::accept);
    connect(contents_, &QListWidget::currentRowChanged, this, &HelpWin::ShowSection);

    auto *body = new QHBoxLayout;
    body->addWidget(contents_);
    body->addWidget(text_, 1);
    auto *bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(close_);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(body, 1);
    layout->addLayout(bottom);
    resize(860, 600);

    SetUpScreenKeys(this, close_, contents_);
    contents_->setCurrentRow(0);
}

void HelpWin::ShowFirstApril(const FirstAprilTicks &done) {
    if (done == done_) return;
    done_ = done;
    const int at = text_->verticalScrollBar()->value();
    text_->setHtml(HelpPageHtml(HelpSections(done_)));
    text_->verticalScrollBar()->setValue(at);
}

void HelpWin::ShowSection(int index) {
    if (index < 0 || index >= anchors_.size()) return;
    text_->scrollToAnchor(anchors_[index]);
}

}  // namespace tk
