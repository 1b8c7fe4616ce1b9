// Drawing and pressing the command bar.
#include "ui/widgets/command_bar.h"

#include <algorithm>

#include <QHelpEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

#include "ui/widgets/accessible_item.h"
#include "ui/widgets/pictures.h"

namespace tk {

namespace {

const char *const kToolTips[kCommandButtonCount] = {
    "1週間進める",        "練習・コーチ設定", "試合設定", "アイテム",
    "ゲーム進行速度設定", "事務所",           "選手契約", "土地・施設",
};

const char *const kStopToolTip = "停止：いまの週が終わったところで止まります。\nキー: Esc / 9";
const char *const kRunningText = "連続進行中（Escで停止）";
const char *const kStoppingText = "この週で止まります";

constexpr int kStatusGap = 8;

}  // namespace

CommandBar::CommandBar(QWidget *parent) : QWidget(parent), strip_(Picture(PictureId::CommandBar)) {
    setObjectName(QStringLiteral("BottunSwich"));
    enabled_.fill(true);
    for (int i = 0; i < kCommandButtonCount; ++i)
        toolTips_[static_cast<std::size_t>(i)] = QString::fromUtf8(kToolTips[i]);
    status_ = new QLabel(QString::fromUtf8(kRunningText), this);
    status_->setObjectName(QStringLiteral("AdvanceStatus"));
    QFont bold = status_->font();
    bold.setBold(true);
    status_->setFont(bold);
    status_->setStyleSheet(QStringLiteral("color: #B03000;"));
    status_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    const int left = ButtonRect(kCommandBarButtons - 1).right() + 1 + kStatusGap;
    const int width =
        std::max(status_->fontMetrics().horizontalAdvance(status_->text()),
                 status_->fontMetrics().horizontalAdvance(QString::fromUtf8(kStoppingText))) +
        4;
    status_->setGeometry(left, 0, width, kCommandDrawTop * 2 + kCommandFaceHeight);
    status_->hide();
    BuildItems();
    setFixedSize(sizeHint());
    setAttribute(Qt::WA_OpaquePaintEvent, false);
}

QSize CommandBar::sizeHint() const {
    // Room for the status line beside the last button, so the bar never changes its size.
    const int buttons = kCommandDrawStep * (kCommandBarButtons - 1) + kCommandFaceWidth;
    return {buttons + kStatusGap + status_->width(), kCommandDrawTop * 2 + kCommandFaceHeight};
}

void CommandBar::SetAdvancing(bool running, bool stopping) {
    advancing_ = running;
    status_->setText(QString::fromUtf8(stopping ? kStoppingText : kRunningText));
    status_->setVisible(running);
    NameItem(kAdvanceButton);
    update();
}

int CommandBar::FaceOf(int button) const {
    return button == kAdvanceButton && advancing_ ? kAdvanceStopFace : button;
}

QRect CommandBar::ButtonRect(int i) const {
    return {i * kCommandDrawStep, kCommandDrawTop, kCommandFaceWidth, kCommandFaceHeight};
}

void CommandBar::SetButtonToolTip(int index, const QString &text) {
    toolTips_[static_cast<std::size_t>(index)] = text;
    NameItem(index);
}

void CommandBar::SetButtonEnabled(int index, bool enabled) {
    enabled_[static_cast<std::size_t>(index)] = enabled;
    items_[static_cast<std::size_t>(index)]->setEnabled(enabled);
    update();
}

int CommandBar::ButtonAt(const QPoint &pos) const {
    for (int i = 0; i < kCommandBarButtons; ++i)
        if (ButtonRect(i).contains(pos)) return i;
    return -1;
}

void CommandBar::paintEvent(QPaintEvent *) {
    QPainter p(this);
    for (int i = 0; i < kCommandBarButtons; ++i) {
        const int band = (i == pressed_) ? kCommandPressedOffset : 0;
        // The source counts in the strip's own pixels, twice as many in the sharp picture.
        const qreal ratio = strip_.devicePixelRatio();
        const QRectF source(FaceOf(i) * kCommandColumnStep * ratio, band * ratio,
                            kCommandFaceWidth * ratio, kCommandFaceHeight * ratio);
        if (!enabled_[static_cast<std::size_t>(i)]) p.setOpacity(0.35);
        p.drawPixmap(QRectF(ButtonRect(i)), strip_, source);
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
        if (i == kAdvanceButton)
            QToolTip::showText(help->globalPos(),
                               advancing_ ? QString::fromUtf8(kStopToolTip)
                                          : toolTips_[static_cast<std::size_t>(i)],
                               this);
        else if (i >= 0)
            QToolTip::showText(help->globalPos(), toolTips_[static_cast<std::size_t>(i)], this);
        else
            QToolTip::hideText();
        return true;
    }
    return QWidget::event(event);
}

}  // namespace tk
