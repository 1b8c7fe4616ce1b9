// Drawing and pressing the command bar.
#include "ui/widgets/command_bar.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

#include "ui/widgets/picture_catalogue.h"
#include "ui/widgets/pictures.h"

namespace tk {

namespace {

const char *const kToolTips[kCommandButtonCount] = {
    "1週間進める",        "練習・コーチ設定", "試合設定", "アイテム",
    "ゲーム進行速度設定", "事務所",           "選手契約", "土地・施設",
};

}  // namespace

CommandBar::CommandBar(QWidget *parent) : QWidget(parent), strip_(Picture(PictureId::CommandBar)) {
    setObjectName(QStringLiteral("BottunSwich"));
    enabled_.fill(true);
    for (int i = 0; i < kCommandButtonCount; ++i)
        toolTips_[static_cast<std::size_t>(i)] = QString::fromUtf8(kToolTips[i]);
    setFixedSize(sizeHint());
    setAttribute(Qt::WA_OpaquePaintEvent, false);
}

QSize CommandBar::sizeHint() const {
    return {kCommandDrawStep * (kCommandButtonCount - 1) + kCommandFaceWidth,
            kCommandDrawTop * 2 + kCommandFaceHeight};
}

QRect CommandBar::ButtonRect(int i) const {
    return {i * kCommandDrawStep, kCommandDrawTop, kCommandFaceWidth, kCommandFaceHeight};
}

void CommandBar::SetButtonToolTip(int index, const QString &text) {
    toolTips_[static_cast<std::size_t>(index)] = text;
}

void CommandBar::SetButtonEnabled(int index, bool enabled) {
    enabled_[static_cast<std::size_t>(index)] = enabled;
    update();
}

int CommandBar::ButtonAt(const QPoint &pos) const {
    for (int i = 0; i < kCommandButtonCount; ++i)
        if (ButtonRect(i).contains(pos)) return i;
    return -1;
}

void CommandBar::paintEvent(QPaintEvent *) {
    QPainter p(this);
    for (int i = 0; i < kCommandButtonCount; ++i) {
        const int band = (i == pressed_) ? kCommandPressedOffset : 0;
        const QRect source(i * kCommandColumnStep, band, kCommandFaceWidth, kCommandFaceHeight);
        if (!enabled_[static_cast<std::size_t>(i)]) p.setOpacity(0.35);
        p.drawPixmap(ButtonRect(i), strip_, source);
        p.setOpacity(1.0);
    }
}

void CommandBar::mousePressEvent(QMouseEvent *event) {
    const int i = ButtonAt(event->position().toPoint());
    if (event->button() != Qt::LeftButton || i < 0 || !enabled_[static_cast<std::size_t>(i)])
        return;
    pressed_ = i;
    repaint();
}

void CommandBar::mouseReleaseEvent(QMouseEvent *event) {
    if (event->button() != Qt::LeftButton || pressed_ < 0) return;
    const int i = pressed_;
    pressed_ = -1;
    repaint();
    // Releasing outside the button cancels the press, as with any push button.
    if (ButtonRect(i).contains(event->position().toPoint())) emit commandReleased(i);
}

bool CommandBar::event(QEvent *event) {
    if (event->type() == QEvent::ToolTip) {
        auto *help = static_cast<QHelpEvent *>(event);
        const int i = ButtonAt(help->pos());
        if (i >= 0)
            QToolTip::showText(help->globalPos(), toolTips_[static_cast<std::size_t>(i)], this);
        else
            QToolTip::hideText();
        return true;
    }
    return QWidget::event(event);
}

}  // namespace tk
