// The accessible face of AccessibleItem: its role, its name and its press action.
#include "ui/widgets/accessible_item.h"

#include <QAccessibleWidget>
#include <QLabel>
#include <QTimer>

namespace tk {

namespace {

class AccessibleItemFace : public QAccessibleWidget {
public:
    explicit AccessibleItemFace(AccessibleItem *item) : QAccessibleWidget(item, item->Role()) {}

    AccessibleItem *Item() const { return static_cast<AccessibleItem *>(widget()); }

    QStringList actionNames() const override {
        if (!Item()->Pressable()) return QAccessibleWidget::actionNames();
        return {pressAction()};
    }
    void doAction(const QString &name) override {
        if (name == pressAction() && Item()->isEnabled()) Item()->Press();
    }
    QStringList keyBindingsForAction(const QString &name) const override {
        if (name == pressAction() && !Item()->Key().isEmpty()) return {Item()->Key()};
        return {};
    }
};

QAccessibleInterface *ItemFactory(const QString &className, QObject *object) {
    if (className == QLatin1String("tk::AccessibleItem") && object->isWidgetType())
        return new AccessibleItemFace(static_cast<AccessibleItem *>(object));
    return nullptr;
}

}  // namespace

AccessibleItem::AccessibleItem(QAccessible::Role role, QWidget *parent)
    : QWidget(parent), role_(role) {
    static const bool installed = [] {
        QAccessible::installFactory(ItemFactory);
        return true;
    }();
    (void)installed;
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
}

void AccessibleItem::SetText(const QString &name, const QString &description) {
    SetAccessibleText(this, name, description);
}

void AccessibleItem::SetPress(std::function<void()> press, const QString &key) {
    press_ = std::move(press);
    key_ = key;
}

void AccessibleItem::Press() {
    if (!press_) return;
    QTimer::singleShot(0, this, [this] {
        if (press_ && isEnabled()) press_();
    });
}

void ReadCaptionFirst(QLabel *caption, QWidget *value) {
    caption->setBuddy(value);
    // Screen readers follow the order of the children: the value moves behind its caption.
    if (value->parentWidget() == caption->parentWidget()) value->raise();
}

void SetAccessibleText(QWidget *widget, const QString &name, const QString &description) {
    if (widget->accessibleName() != name) {
        widget->setAccessibleName(name);
        QAccessibleEvent event(widget, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&event);
    }
    if (widget->accessibleDescription() != description) {
        widget->setAccessibleDescription(description);
        QAccessibleEvent event(widget, QAccessible::DescriptionChanged);
        QAccessible::updateAccessibility(&event);
    }
}

}  // namespace tk
