// The shared layout of the list screens.
#include "ui/screens/list_screen_layout.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace tk {

void LayOutListScreen(QDialog *dialog, QWidget *list, std::initializer_list<QPushButton *> buttons,
                      QWidget *line) {
    auto *row = new QHBoxLayout;
    if (line != nullptr) row->addWidget(line);
    row->addStretch();
    for (QPushButton *b : buttons) {
        b->setAutoDefault(false);
        row->addWidget(b);
    }
    auto *layout = new QVBoxLayout(dialog);
    layout->addWidget(list);
    layout->addLayout(row);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

}  // namespace tk
