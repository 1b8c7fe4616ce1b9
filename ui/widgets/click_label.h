// A label that reports clicks and double clicks, like the game's clickable name labels.
#pragma once

#include <QLabel>

namespace tk {

class ClickLabel : public QLabel {
    Q_OBJECT

public:
    explicit ClickLabel(QWidget *parent = nullptr);

signals:
    void clicked();
    void doubleClicked();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
};

}  // namespace tk
