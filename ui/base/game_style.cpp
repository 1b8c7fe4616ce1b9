// The game's style over Fusion: a focus mark that stands out (a dark blue ring on buttons),
// the coloured forms and frames, and Fusion's pictures read without probing image plugins.
#include "ui/base/game_style.h"

#include "ui/base/lazy_icon.h"

#include <qdrawutil.h>
#include <QGroupBox>
#include <QImageReader>
#include <QPainter>
#include <QPixmapCache>
#include <QPointer>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOption>
#include <QVariant>
#include <QWidget>

#include <optional>

namespace tk {

namespace {

constexpr QRgb kFocusRing = 0x1A4FB0;
constexpr char kFormColour[] = "tkFormColour";
constexpr char kFrameColour[] = "tkFrameColour";

// The frame colour set on the widget or on the nearest widget it lies in (a dialog's owner
// counts); invalid where there is none.
QColor FrameColour(const QWidget *widget) {
    for (const QWidget *w = widget; w != nullptr; w = w->parentWidget()) {
        const QVariant colour = w->property(kFrameColour);
        if (colour.isValid()) return colour.value<QColor>();
    }
    return {};
}

// Fusion's frame picture, read as the PNG it is: QPixmap's own loading would first load every
// image plugin to ask whether one of them claims it.
QPixmap FusionFramePicture() {
    static const QString path =
        QStringLiteral(":/qt-project.org/styles/commonstyle/images/fusion_groupbox.png");
    QPixmap picture;
    if (QPixmapCache::find(path, &picture)) return picture;
    QImageReader reader(path, "png");
    reader.setAutoDetectImageFormat(false);
    picture = QPixmap::fromImage(reader.read());
    QPixmapCache::insert(path, picture);
    return picture;
}

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

    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget) const override {
        if (element == PE_Widget && widget != nullptr) {
            const QVariant colour = widget->property(kFormColour);
            if (colour.isValid()) {
                painter->fillRect(option->rect, colour.value<QColor>());
                return;
            }
        }
        if (element == PE_FrameGroupBox) {
            const QPixmap frame = FusionFramePicture();
            if (!frame.isNull()) {
                DrawGroupBoxFrame(frame, option, painter, widget);
                return;
            }
        }
        QProxyStyle::drawPrimitive(element, option, painter, widget);
    }

    void drawComplexControl(ComplexControl control, const QStyleOptionComplex *option,
                            QPainter *painter, const QWidget *widget) const override {
        const auto *box = qstyleoption_cast<const QStyleOptionGroupBox *>(option);
        const QColor colour = control == CC_GroupBox ? FrameColour(widget) : QColor();
        if (box == nullptr || !colour.isValid() || (box->subControls & SC_GroupBoxCheckBox)) {
            QProxyStyle::drawComplexControl(control, option, painter, widget);
            return;
        }
        DrawColouredGroupBox(*box, colour, painter, widget);
    }

private:
    // Fusion's frame: its picture stretched over the box below the title.
    void DrawGroupBoxFrame(const QPixmap &frame, const QStyleOption *option, QPainter *painter,
                           const QWidget *widget) const {
        constexpr int kTopMargin = 3;
        int top = kTopMargin;
        const auto *box = qobject_cast<const QGroupBox *>(widget);
        if (box == nullptr || box->isCheckable() || !box->title().isEmpty())
            top += qMax(proxy()->pixelMetric(PM_ExclusiveIndicatorHeight, option, widget),
                        option->fontMetrics.height());
        qDrawBorderPixmap(painter, option->rect.adjusted(0, top, 0, 0), QMargins(6, 6, 6, 6),
                          frame);
    }

    // A frame on a coloured form: filled with the colour, its border, and its title centred
    // in the title's place.
    void DrawColouredGroupBox(const QStyleOptionGroupBox &box, const QColor &colour,
                              QPainter *painter, const QWidget *widget) const {
        painter->fillRect(box.rect, colour);
        QStyleOptionFrame frame;
        frame.QStyleOption::operator=(box);
        frame.features = box.features;
        frame.lineWidth = box.lineWidth;
        frame.midLineWidth = box.midLineWidth;
        frame.rect = proxy()->subControlRect(CC_GroupBox, &box, SC_GroupBoxFrame, widget);
        // Fusion's place of the title, at least as wide as the title and a space.
        QRect title = proxy()->subControlRect(CC_GroupBox, &box, SC_GroupBoxLabel, widget);
        title.setSize(title.size().expandedTo(
            QSize(box.fontMetrics.size(Qt::TextShowMnemonic, box.text + u' ').width(),
                  box.fontMetrics.height())));
        const bool hasTitle = !box.text.isEmpty();
        painter->save();
        if (hasTitle) painter->setClipRegion(QRegion(box.rect) - title);
        proxy()->drawPrimitive(PE_FrameGroupBox, &frame, painter, widget);
        painter->restore();
        if (!hasTitle) return;
        int alignment = Qt::AlignCenter | Qt::TextShowMnemonic;
        if (!proxy()->styleHint(SH_UnderlineShortcut, &box, widget))
            alignment |= Qt::TextHideMnemonic;
        QPalette palette = box.palette;
        if (box.textColor.isValid()) palette.setColor(QPalette::WindowText, box.textColor);
        proxy()->drawItemText(painter, title, alignment, palette, box.state & State_Enabled,
                              box.text, QPalette::WindowText);
    }

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

void SetFormColour(QWidget *form, const QColor &colour) {
    form->setProperty(kFormColour, colour);
    // A widget with a styled background asks the style to draw it (PE_Widget).
    form->setAttribute(Qt::WA_StyledBackground);
    form->update();
}

void SetFrameColour(QWidget *owner, const QColor &colour) {
    owner->setProperty(kFrameColour, colour);
    owner->update();
}

QStyle *MakeGameStyle() {
    QStyle *fusion = QStyleFactory::create(QStringLiteral("Fusion"));
    if (fusion == nullptr) return nullptr;
    return new GameStyle(fusion);
}

}  // namespace tk
