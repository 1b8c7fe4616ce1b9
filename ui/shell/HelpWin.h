// The help screen "遊び方": the sections of the game's rules in its own words, with a list
// of contents beside them. It stays open beside the game while the player plays on.
#pragma once

#include <QDialog>

#include "core/rules/first_april.h"

class QListWidget;
class QPushButton;
class QTextBrowser;

namespace tk {

class HelpWin : public QDialog {
    Q_OBJECT

public:
    explicit HelpWin(QWidget *parent = nullptr);

    // Shows section `index` of the contents (0 = the first).
    void ShowSection(int index);
    // Ticks the items of "はじめての4月" that are done.
    void ShowFirstApril(const FirstAprilTicks &done);

    QListWidget *Contents() const { return contents_; }
    QTextBrowser *Text() const { return text_; }
    QPushButton *CloseButton() const { return close_; }

private:
    QListWidget *contents_ = nullptr;
    QTextBrowser *text_ = nullptr;
    QPushButton *close_ = nullptr;
    QStringList anchors_;
    FirstAprilTicks done_{};
};

}  // namespace tk
