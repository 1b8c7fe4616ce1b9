// Colouring of the game's labels: grade letters, text and background colours from the rules.
#pragma once

#include <cstdint>
#include <string>

#include <QColor>
#include <QString>

class QLabel;
class QWidget;

namespace tk {

// The rules give their view colours as 0xRRGGBB.
inline QColor ColorFromRgb(std::uint32_t rgb) {
    return QColor(static_cast<int>((rgb >> 16) & 0xFF), static_cast<int>((rgb >> 8) & 0xFF),
                  static_cast<int>(rgb & 0xFF));
}

inline QString FromUtf8(const std::string &text) {
    return QString::fromStdString(text);
}

void SetTextColour(QLabel *label, const QColor &colour);
void SetBackgroundColour(QWidget *widget, const QColor &colour);
QColor TextColour(const QLabel *label);
QColor BackgroundColour(const QWidget *widget);

// Writes a grade letter (or any text) and recolours the label by its last character, as
// every grade label of the game is coloured.
void ShowGrade(QLabel *label, const std::string &text);

}  // namespace tk
