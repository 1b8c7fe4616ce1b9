// Conversion between the game's UTF-8 texts and the code page 932 bytes of the save files.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tk {

// Code page 932 bytes to UTF-8. Nothing when the bytes are not valid code page 932
// (a stray byte, a lead byte without its second byte, an unassigned pair): such a text
// marks a damaged file, never a guess.
std::optional<std::string> Cp932ToUtf8(std::string_view bytes);

// UTF-8 to code page 932 bytes. Nothing when the text is not valid UTF-8 or holds a
// character that code page 932 cannot write so that it reads back the same; it is never
// replaced by a stand-in.
std::optional<std::string> Utf8ToCp932(std::string_view text);

// The first character of a UTF-8 text that code page 932 cannot write, for messages;
// empty when every character can be written (or the text is not valid UTF-8).
std::string FirstUnwritableCharacter(std::string_view text);

}  // namespace tk
