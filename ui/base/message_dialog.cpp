// The shared layout of the notice and the question: a centred text and a row of buttons.
#include "ui/base/message_dialog.h"

#include <algorithm>

#include <QAccessibleWidget>
#include <QFont>
#include <QLabel>
#include <QPushButton>

#include "ui/base/units.h"

namespace tk {

namespace {
// Layout in twips (15 twips = 1 px at 100 %).
constexpr int kDialogWidth = 5400;
constexpr int kSide = 240;           // margin left and right of the text
constexpr int kMiddleLine = 600;     // texts of one or several lines sit around this line
constexpr int kTopMargin = 60;       // a very tall text starts here rather than above the top
constexpr int kButtonRowTop = 1200;  // lowest place of the text's bottom before the buttons
constexpr int kButtonGap = 180;      // between the text and the buttons, and under them
constexpr int kButtonWidth = 1440;
constexpr int kButtonHeight = 420;
constexpr int kButtonSpacing = 240;

// A notice is an alert to accessibility, so a screen reader reads it as it appears; the
// question keeps the dialog role of every QDialog.
QAccessibleInterface *NoticeFactory(const QString &className, QObject *object) {
    if (className == QLatin1String("tk::MeSForm") && object->isWidgetType())
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::AlertMessage);
    return nullptr;
}

}  // namespace

QString MessageToLabelText(const QString &message) {
    QString text = message;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

MessageDialog::MessageDialog(QWidget *parent) : QDialog(parent) {
    static const bool factory = [] {
        QAccessible::installFactory(NoticeFactory);
        return true;
    }();
    (void)factory;
    setModal(true);
    comment_ = new QLabel(this);
    comment_->setObjectName(QStringLiteral("Comment"));
    comment_->setTextFormat(Qt::PlainText);
    comment_->setWordWrap(true);
    comment_->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    Relayout();
}

void MessageDialog::SetMessage(const QString &message) {
    comment_->setText(MessageToLabelText(message));
    // The message is the dialog's description, read as it opens; lines read as one text.
    QString spoken = comment_->text();
    spoken.replace(QLatin1Char('\n'), QLatin1Char(' '));
    setAccessibleDescription(spoken);
    if (windowTitle().isEmpty()) setAccessibleName(spoken);
    Relayout();
}

void MessageDialog::SetCaption(const QString &title) {
    setWindowTitle(title);
    // Most messages have no caption: then the message itself names the dialog.
    QString spoken = comment_->text();
    spoken.replace(QLatin1Char('\n'), QLatin1Char(' '));
    setAccessibleName(title.isEmpty() ? spoken : title);
}

void MessageDialog::SetFontSize(int points) {
    if (points < 1) return;
    QFont font = comment_->font();
    font.setPointSize(points);
    comment_->setFont(font);
    Relayout();
}

void MessageDialog::SetButtons(std::initializer_list<QPushButton *> buttons) {
    buttons_.assign(buttons.begin(), buttons.end());
    Relayout();
}

void MessageDialog::Relayout() {
    const int width = TwipsToPixels(kDialogWidth);
    const int side = TwipsToPixels(kSide);
    const int textWidth = width - 2 * side;

    int textHeight = comment_->heightForWidth(textWidth);
    if (textHeight < 0) textHeight = comment_->sizeHint().height();
    // The middle of the text stays on the middle line; a text too tall for that starts at
    // the top margin instead of losing its first lines above the window.
    const int top =
        std::max(TwipsToPixels(kTopMargin), TwipsToPixels(kMiddleLine) - textHeight / 2);
    comment_->setGeometry(side, top, textWidth, textHeight);

    const int gap = TwipsToPixels(kButtonGap);
    const int rowTop = std::max(TwipsToPixels(kButtonRowTop), top + textHeight) + gap;
    int buttonHeight = TwipsToPixels(kButtonHeight);
    int buttonWidth = TwipsToPixels(kButtonWidth);
    for (QPushButton *b : buttons_) {
        buttonHeight = std::max(buttonHeight, b->sizeHint().height());
        buttonWidth = std::max(buttonWidth, b->sizeHint().width());
    }
    const int count = static_cast<int>(buttons_.size());
    const int spacing = TwipsToPixels(kButtonSpacing);
    const int rowWidth = count * buttonWidth + std::max(0, count - 1) * spacing;
    int x = (width - rowWidth) / 2;
    for (QPushButton *b : buttons_) {
        b->setGeometry(x, rowTop, buttonWidth, buttonHeight);
        x += buttonWidth + spacing;
    }
    setFixedSize(width, rowTop + buttonHeight + gap);
}

}  // namespace tk
