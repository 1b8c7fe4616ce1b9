// Code page 932 through the C library's iconv, which knows it as "CP932".
#include "core/state/shift_jis.h"

#include <iconv.h>

#include <cerrno>

namespace tk {
namespace {

// One conversion with its own descriptor, so that no state is shared between calls.
std::optional<std::string> Convert(const char *to, const char *from, std::string_view in) {
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) return std::nullopt;

    std::string input(in);
    std::string out(in.size() * 4 + 16, '\0');
    char *inPtr = input.data();
    std::size_t inLeft = input.size();
    char *outPtr = out.data();
    std::size_t outLeft = out.size();
    bool ok = true;
    while (inLeft > 0) {
        if (iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) != static_cast<std::size_t>(-1)) break;
        if (errno != E2BIG) {  // EILSEQ: not convertible; EINVAL: cut off mid-character
            ok = false;
            break;
        }
        const std::size_t used = out.size() - outLeft;
        out.resize(out.size() * 2);
        outPtr = out.data() + used;
        outLeft = out.size() - used;
    }
    if (ok && iconv(cd, nullptr, nullptr, &outPtr, &outLeft) == static_cast<std::size_t>(-1)) {
        ok = false;
    }
    iconv_close(cd);
    if (!ok) return std::nullopt;
    out.resize(out.size() - outLeft);
    return out;
}

// Length of the UTF-8 sequence that starts with byte b (1 for anything unexpected).
std::size_t SequenceLength(unsigned char b) {
    if (b >= 0xF0) return 4;
    if (b >= 0xE0) return 3;
    if (b >= 0xC0) return 2;
    return 1;
}

}  // namespace

std::optional<std::string> Cp932ToUtf8(std::string_view bytes) {
    if (bytes.empty()) return std::string();
    return Convert("UTF-8", "CP932", bytes);
}

std::optional<std::string> Utf8ToCp932(std::string_view text) {
    if (text.empty()) return std::string();
    auto bytes = Convert("CP932", "UTF-8", text);
    // iconv also writes a few look-alikes (¥ as \, − as －, 〜 as ～) that read back as
    // another character; a saved name must load as it was typed, so those are refused.
    if (!bytes) return std::nullopt;
    const auto back = Convert("UTF-8", "CP932", *bytes);
    if (!back || *back != text) return std::nullopt;
    return bytes;
}

std::string FirstUnwritableCharacter(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size()) {
        const std::size_t n = SequenceLength(static_cast<unsigned char>(text[i]));
        const std::string_view one = text.substr(i, n);
        if (!Utf8ToCp932(one)) {
            const bool validUtf8 = Convert("UTF-32LE", "UTF-8", one).has_value();
            return validUtf8 ? std::string(one) : std::string();
        }
        i += n;
    }
    return {};
}

}  // namespace tk
