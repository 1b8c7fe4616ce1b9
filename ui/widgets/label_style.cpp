// Colouring of the game's labels: grade letters, text and background colours from the rules.
#include "ui/widgets/label_style.h"

#include <QLabel>
#include <QPalette>

#include "core/rules/lookups.h"

namespace tk {

void SetTextColour(QLabel *label, const QColor &colour) {
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
}

void SetBackgroundColour(QWidget *widget, const QColor &colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

QColor TextColour(const QLabel *label) {
    return label->palette().color(QPalette::WindowText);
}

QColor BackgroundColour(const QWidget *widget) {
    return widget->palette().color(QPalette::Window);
}

void ShowGrade(QLabel *label, const std::string &text) {
    label->setText(FromUtf8(text));
    SetTextColour(label, ColorFromRgb(GradeColour(text)));
}

}  // namespace tk
