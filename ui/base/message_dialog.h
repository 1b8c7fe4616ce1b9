// What the notice and the question share: the text label `Comment`, centred on one middle
// line, and a row of buttons under it.
#pragma once

#include <QDialog>
#include <QString>
#include <initializer_list>
#include <vector>

class QLabel;
class QPushButton;

namespace tk {

// The game writes a line break inside a message as the single character 13 ('\r').
QString MessageToLabelText(const QString &message);

class MessageDialog : public QDialog {
    Q_OBJECT

public:
    // Shows the message with its '\r' line breaks, as plain text: a team or manager name
    // inside a message is never read as markup.
    void SetMessage(const QString &message);
    // The window caption; most calls pass an empty one.
    void SetCaption(const QString &title);
    // Point size of the message; a size below 1 keeps the default font.
    void SetFontSize(int points);

    QLabel *Comment() const { return comment_; }

protected:
    explicit MessageDialog(QWidget *parent = nullptr);

    // Puts the buttons, left to right, centred in the row under the text.
    void SetButtons(std::initializer_list<QPushButton *> buttons);

private:
    // Centres the label on the middle line, then puts the buttons under it and sizes the
    // dialog. Runs whenever the text or its font changes.
    void Relayout();

    QLabel *comment_ = nullptr;
    std::vector<QPushButton *> buttons_;
};

}  // namespace tk
