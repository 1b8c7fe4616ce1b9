// A focus mark that stands out: a dark blue ring over Fusion's buttons.
#include "ui/base/focus_mark.h"

#include <QPainter>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOption>

namespace tk {

namespace {

constexpr QRgb kFocusRing = 0x1A4FB0;

class GameStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                     const QWidget *widget) const override {
        QProxyStyle::drawControl(element, option, painter, widget);
        if ((option->state & State_HasFocus) == 0) return;
        if (element == CE_PushButton) {
            Ring(painter, option->rect.adjusted(3, 3, -3, -3));
        } else if (element == CE_CheckBox || element == CE_RadioButton) {
            Ring(painter, option->rect.adjusted(0, 0, -1, -1));
        }
    }

private:
    static void Ring(QPainter *painter, const QRect &rect) {
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing, false);
        painter->setPen(QPen(QColor(kFocusRing), 2, Qt::SolidLine));
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(rect.adjusted(1, 1, -1, -1));
        painter->restore();
    }
};

}  // namespace

QStyle *MakeGameStyle() {
    QStyle *fusion = QStyleFactory::create(QStringLiteral("Fusion"));
    if (fusion == nullptr) return nullptr;
    return new GameStyle(fusion);
}

}  // namespace tk
