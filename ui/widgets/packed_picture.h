// The layout of a packed picture: the pixels Qt paints from, behind a small header. Written by
// the build (tools/picture_pack) and read where it lies in the program (pictures.cpp).
#pragma once

#include <cstdint>
#include <string_view>

namespace tk {

// A packed picture is this header, then `height` rows of `bytesPerLine` bytes each. Every
// field is in the byte order of the machine that built the game (the build makes and reads
// it), so a packed file from another byte order fails the magic.
struct PackedPictureHeader {
    std::uint32_t magic;
    std::uint32_t width;
    std::uint32_t height;
    std::uint32_t format;  // QImage::Format_RGB32 (opaque) or Format_ARGB32_Premultiplied
    std::uint32_t bytesPerLine;
};

inline constexpr std::uint32_t kPackedPictureMagic = 0x31504B54;  // "TKP1" on little-endian
// Whole 32-bit words, so the rows of 32-bit pixels are aligned wherever the file is.
static_assert(sizeof(PackedPictureHeader) % 4 == 0);

// The packed file of picture "name.png" is "name.pixels".
inline constexpr std::string_view kPngSuffix = ".png";
inline constexpr std::string_view kPackedSuffix = ".pixels";

}  // namespace tk
