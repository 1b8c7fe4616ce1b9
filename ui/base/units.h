// Layout units and colours of the game's screens: twips to pixels, 0xBBGGRR to QColor.
#pragma once

#include <cstdint>

#include <QColor>

namespace tk {

// Screens are laid out in twips; 15 twips are one pixel at 100 % scale (Qt applies the
// display's own scale on top of these logical pixels).
inline constexpr int kTwipsPerPixel = 15;

constexpr int TwipsToPixels(int twips) {
    // Round to the nearest pixel, halves away from zero, so +/- positions mirror each other.
    return twips >= 0 ? (twips + kTwipsPerPixel / 2) / kTwipsPerPixel
                      : -((-twips + kTwipsPerPixel / 2) / kTwipsPerPixel);
}

constexpr int PixelsToTwips(int pixels) {
    return pixels * kTwipsPerPixel;
}

// Colours in the game's tables are 0xBBGGRR (blue in the high byte).
inline QColor ColorFromBgr(std::uint32_t bgr) {
    return QColor(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF),
                  static_cast<int>((bgr >> 16) & 0xFF));
}

}  // namespace tk
