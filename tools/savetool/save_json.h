// Save files as JSON and back, member by member, for inspecting and mending saves by hand.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/state/record_codec.h"
#include "core/state/result.h"

namespace tk {

// The output of a conversion, with notes for the user (trailing bytes, refused records).
struct Converted {
    std::string Json;  // export: the JSON text
    Bytes File;        // import: the file image
    std::vector<std::string> Notes;
};

// Every member of the game record at the start of bytes, reserved ones too. Texts are
// UTF-8 strings; a text whose bytes do not come back from its string (invalid code page
// 932, or one of the characters code page 932 has twice) also gets "<Name>Cp932" with its
// bytes in hex, so that importing gives back the same file. Bytes after the record are
// not exported.
Converted ExportGame(std::span<const std::uint8_t> bytes);
Converted ExportSettings(std::span<const std::uint8_t> bytes);

// The file image of a JSON export. Every member must be present with a value that fits
// its width; unknown members are refused, so that a misspelt name is never dropped.
Result<Converted> ImportGame(std::string_view json);
Result<Converted> ImportSettings(std::string_view json);

}  // namespace tk
