// A see-through child that stands over one drawn piece of a hand-drawn widget (a command
// button, a lot, a bar) and tells accessibility what it shows and what pressing it does.
#pragma once

#include <functional>

#include <QAccessible>
#include <QString>
#include <QWidget>

class QLabel;

namespace tk {

class AccessibleItem : public QWidget {
    Q_OBJECT

public:
    // The item takes no mouse events: the drawn widget under it keeps its own handling.
    explicit AccessibleItem(QAccessible::Role role, QWidget *parent);

    QAccessible::Role Role() const { return role_; }
    // The name and the longer description a screen reader reads; an event tells it of a change.
    void SetText(const QString &name, const QString &description = QString());
    // What the accessibility "press" action does (queued, so a screen it opens never blocks
    // the caller); `key` is the keyboard shortcut that does the same.
    void SetPress(std::function<void()> press, const QString &key = QString());
    bool Pressable() const { return static_cast<bool>(press_); }
    QString Key() const { return key_; }
    void Press();

private:
    QAccessible::Role role_;
    std::function<void()> press_;
    QString key_;
};

// Sets a widget's accessible name and announces the change when it differs.
void SetAccessibleText(QWidget *widget, const QString &name,
                       const QString &description = QString());

// A caption and the value it names: the caption labels the value (a screen reader's
// "labelled by"), and the value follows the caption in reading order.
void ReadCaptionFirst(QLabel *caption, QWidget *value);

}  // namespace tk
