// The main screen's eight command buttons, drawn from the command-bar picture strip:
// the pressed face while the mouse is down, the command on release.
#pragma once

#include <array>

#include <QPixmap>
#include <QWidget>

namespace tk {

class CommandBar : public QWidget {
    Q_OBJECT

public:
    explicit CommandBar(QWidget *parent = nullptr);

    // A disabled button is drawn greyed and ignores the mouse.
    void SetButtonEnabled(int index, bool enabled);
    bool ButtonEnabled(int index) const { return enabled_[static_cast<std::size_t>(index)]; }
    // What the tooltip over button i says (by default the command's name).
    void SetButtonToolTip(int index, const QString &text);
    QString ButtonToolTip(int index) const { return toolTips_[static_cast<std::size_t>(index)]; }
    // Where button i is drawn, for tests and tooltips.
    QRect ButtonRect(int index) const;
    int Pressed() const { return pressed_; }

    QSize sizeHint() const override;

signals:
    // Mouse-up over the button that was pressed (BottunSwich).
    void commandReleased(int index);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    bool event(QEvent *event) override;

private:
    int ButtonAt(const QPoint &pos) const;

    QPixmap strip_;
    std::array<bool, 8> enabled_{};
    std::array<QString, 8> toolTips_{};
    int pressed_ = -1;
};

}  // namespace tk
