// A focus mark that stands out: a dark blue ring over Fusion's buttons.
#include "ui/base/focus_mark.h"

#include "ui/base/lazy_icon.h"

#include <QPainter>
#include <QPointer>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOption>

#include <optional>

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

    // The overflow arrows of the menu bar and tool bars are made when first shown: reading
    // them would load every image plugin into a start that never draws them.
    QIcon standardIcon(StandardPixmap icon, const QStyleOption *option,
                       const QWidget *widget) const override {
        if (icon != SP_ToolBarHorizontalExtensionButton &&
            icon != SP_ToolBarVerticalExtensionButton)
            return QProxyStyle::standardIcon(icon, option, widget);
        std::optional<QStyleOption> copy;
        if (option != nullptr) copy = *option;
        QPointer<QWidget> owner(const_cast<QWidget *>(widget));
        QPointer<const GameStyle> style(this);
        return LazyIcon([style, icon, copy, owner]() -> QIcon {
            if (!style) return {};
            return style->QProxyStyle::standardIcon(icon, copy ? &*copy : nullptr, owner.data());
        });
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
