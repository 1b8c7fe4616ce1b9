// The about box: the game's credits and its web pages.
#include "ui/shell/Versions.h"

#include <QDesktopServices>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/base/messages.h"

#ifndef TK_VERSION_TEXT
#define TK_VERSION_TEXT "1.0.0"
#endif

namespace tk {

namespace {
QLabel *MakeLink(const QString &text, const QUrl &url, const QString &name, QWidget *parent) {
    auto *label = new QLabel(parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::RichText);
    label->setText(QStringLiteral("<a href=\"%1\">%2</a>")
                       .arg(url.toString(QUrl::FullyEncoded), text.toHtmlEscaped()));
    // The link is opened by OpenPage, never handed to the system by the label itself.
    label->setOpenExternalLinks(false);
    label->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    return label;
}
}  // namespace

QString Versions::VersionText() {
    return QStringLiteral(TK_VERSION_TEXT);
}

QUrl Versions::HomePage() {
    return QUrl(QStringLiteral("https://example.com/tennis-kantoku"));
}

QUrl Versions::SupportPage() {
    return QUrl(QStringLiteral("https://example.com/tennis-kantoku/support"));
}

Versions::Versions(const MessageRoute &messages, QWidget *parent)
    : QDialog(parent),
      messages_(messages),
      opener_([](const QUrl &url) { return QDesktopServices::openUrl(url); }) {
    setObjectName(QStringLiteral("Versions"));
    setWindowTitle(QStringLiteral("ゲームについて"));
    setModal(true);

    credits_ = new QLabel(this);
    credits_->setObjectName(QStringLiteral("Credits"));
    credits_->setTextFormat(Qt::PlainText);
    credits_->setAlignment(Qt::AlignHCenter);
    credits_->setText(QStringLiteral("テニス監督\n"
                                     "バージョン %1\n\n"
                                     "テニスチームの監督になって選手を育て、\n"
                                     "大会の頂点を目指しましょう。\n\n"
                                     "企画・プログラム・グラフィック：テニス監督制作チーム")
                          .arg(VersionText()));

    link1_ = MakeLink(QStringLiteral("テニス監督のホームページ"), HomePage(),
                      QStringLiteral("Link1"), this);
    link2_ = MakeLink(QStringLiteral("ご意見・ご感想はこちら"), SupportPage(),
                      QStringLiteral("Link2"), this);

    command1_ = new QPushButton(QStringLiteral("閉じる"), this);
    command1_->setObjectName(QStringLiteral("Command1"));
    command1_->setDefault(true);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(command1_);
    buttons->addStretch();

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(credits_);
    layout->addSpacing(8);
    layout->addWidget(link1_, 0, Qt::AlignHCenter);
    layout->addWidget(link2_, 0, Qt::AlignHCenter);
    layout->addSpacing(8);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(link1_, &QLabel::linkActivated, this, &Versions::OpenPage);
    connect(link2_, &QLabel::linkActivated, this, &Versions::OpenPage);
    connect(command1_, &QPushButton::clicked, this, &QDialog::accept);
}

void Versions::OpenPage(const QString &address) {
    const QUrl url(address, QUrl::StrictMode);
    // Only the game's own web pages are opened, and only through the desktop's browser.
    const bool ours = url == HomePage() || url == SupportPage();
    if (ours && opener_ && opener_(url)) return;
    messages_.ShowNotice(MessageKind::Warning,
                         QStringLiteral("ページを開けませんでした。\r%1").arg(address), QString(),
                         12, this);
}

}  // namespace tk
