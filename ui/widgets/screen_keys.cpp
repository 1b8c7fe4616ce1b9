// Enter, Esc and Tab on the game's screens.
#include "ui/widgets/screen_keys.h"

#include <QAbstractScrollArea>
#include <QDialog>
#include <QLayout>
#include <QPushButton>

namespace tk {

namespace {

void Collect(QLayout *layout, QList<QWidget *> &out);

void CollectWidget(QWidget *w, QList<QWidget *> &out) {
    if (w == nullptr) return;
    if (w->focusPolicy() & Qt::TabFocus) out << w;
    // A list or a text view looks after the focus of its own parts.
    if (qobject_cast<QAbstractScrollArea *>(w) != nullptr) return;
    if (w->layout() != nullptr) Collect(w->layout(), out);
}

void Collect(QLayout *layout, QList<QWidget *> &out) {
    for (int i = 0; i < layout->count(); ++i) {
        QLayoutItem *item = layout->itemAt(i);
        if (item->widget() != nullptr)
            CollectWidget(item->widget(), out);
        else if (item->layout() != nullptr)
            Collect(item->layout(), out);
    }
}

}  // namespace

QList<QWidget *> LayoutFocusOrder(QWidget *root) {
    QList<QWidget *> order;
    if (root != nullptr && root->layout() != nullptr) Collect(root->layout(), order);
    return order;
}

void FollowLayoutFocusOrder(QWidget *root) {
    const QList<QWidget *> order = LayoutFocusOrder(root);
    for (qsizetype i = 1; i < order.size(); ++i) QWidget::setTabOrder(order[i - 1], order[i]);
}

void EnterPressesFocusedButtons(QWidget *window) {
    for (QPushButton *b : window->findChildren<QPushButton *>()) b->setAutoDefault(true);
}

void SetUpScreenKeys(QDialog *screen, QPushButton *confirm, QWidget *firstFocus) {
    EnterPressesFocusedButtons(screen);
    if (confirm != nullptr) confirm->setDefault(true);
    FollowLayoutFocusOrder(screen);
    if (firstFocus == nullptr) firstFocus = confirm;
    if (firstFocus == nullptr) {
        const QList<QWidget *> order = LayoutFocusOrder(screen);
        if (!order.isEmpty()) firstFocus = order.first();
    }
    if (firstFocus != nullptr) firstFocus->setFocus();
}

}  // namespace tk
