// The main screen's command buttons, drawn from the command-bar picture strip: the pressed
// face while the mouse is down, the command on release. The eight commands of the rules
// come first, then 連続進行, which shows 停止 and a line of status beside it while it runs.
#pragma once

#include <array>

#include <QPixmap>
#include <QWidget>

#include "ui/widgets/picture_catalogue.h"

class QLabel;

namespace tk {

class AccessibleItem;

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

    // While a run of weeks goes on, the 連続進行 button reads 停止 and the status line says
    // how to stop it; `stopping` once a stop has been asked for (the week under way ends).
    void SetAdvancing(bool running, bool stopping = false);
    bool Advancing() const { return advancing_; }
    QLabel *AdvanceStatus() const { return status_; }
    // What accessibility sees of button i: a push button with its name, key and state.
    AccessibleItem *ButtonItem(int index) const { return items_[static_cast<std::size_t>(index)]; }

    QSize sizeHint() const override;

signals:
    // Mouse-up over the button that was pressed (BottunSwich); kAdvanceButton for 連続進行.
    void commandReleased(int index);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    bool event(QEvent *event) override;

private:
    int ButtonAt(const QPoint &pos) const;
    int FaceOf(int button) const;
    void BuildItems();
    void NameItem(int index);

    QPixmap strip_;
    std::array<bool, kCommandBarButtons> enabled_{};
    std::array<QString, kCommandBarButtons> toolTips_{};
    int pressed_ = -1;
    bool advancing_ = false;
    QLabel *status_ = nullptr;
    std::array<AccessibleItem *, kCommandBarButtons> items_{};
};

}  // namespace tk
