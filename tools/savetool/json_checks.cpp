// A small scanner over JSON that has already parsed: objects, arrays and their keys.
#include "tools/savetool/json_checks.h"

#include <set>
#include <vector>

#include <QString>

namespace tk {
namespace {

struct Frame {
    bool object = false;
    std::set<std::u16string> keys{};
    std::string name{};  // the current key (object) or index (array), as shown in a path
    int index = 0;
    bool expectKey = false;
};

int Hex(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return 0;
}

// The string starting at json[at] (the opening quote) decoded to UTF-16; at ends past it.
std::u16string ReadString(std::string_view json, std::size_t &at) {
    std::u16string out;
    std::string raw;
    for (++at; at < json.size() && json[at] != '"'; ++at) {
        if (json[at] != '\\') {
            raw.push_back(json[at]);
            continue;
        }
        const QString chunk = QString::fromUtf8(raw.data(), static_cast<qsizetype>(raw.size()));
        out.append(reinterpret_cast<const char16_t *>(chunk.utf16()),
                   static_cast<std::size_t>(chunk.size()));
        raw.clear();
        const char e = json[++at];
        switch (e) {
            case 'n': out.push_back(u'\n'); break;
            case 't': out.push_back(u'\t'); break;
            case 'r': out.push_back(u'\r'); break;
            case 'b': out.push_back(u'\b'); break;
            case 'f': out.push_back(u'\f'); break;
            case 'u': {
                int v = 0;
                for (int k = 1; k <= 4 && at + k < json.size(); ++k) v = v * 16 + Hex(json[at + k]);
                out.push_back(static_cast<char16_t>(v));
                at += 4;
                break;
            }
            default: out.push_back(static_cast<char16_t>(e)); break;
        }
    }
    const QString chunk = QString::fromUtf8(raw.data(), static_cast<qsizetype>(raw.size()));
    out.append(reinterpret_cast<const char16_t *>(chunk.utf16()),
               static_cast<std::size_t>(chunk.size()));
    ++at;  // the closing quote
    return out;
}

std::string PathOf(const std::vector<Frame> &stack) {
    std::string path;
    for (const Frame &f : stack) {
        if (f.object) {
            if (f.name.empty()) continue;
            path += (path.empty() ? "" : ".") + f.name;
        } else {
            path += "[" + std::to_string(f.index) + "]";
        }
    }
    return path;
}

}  // namespace

std::optional<std::string> FindDuplicateKey(std::string_view json) {
    std::vector<Frame> stack;
    std::size_t at = 0;
    while (at < json.size()) {
        const char c = json[at];
        if (c == '"') {
            std::u16string text = ReadString(json, at);
            if (!stack.empty() && stack.back().object && stack.back().expectKey) {
                Frame &f = stack.back();
                f.expectKey = false;
                f.name = QString::fromStdU16String(text).toStdString();
                if (!f.keys.insert(std::move(text)).second) return PathOf(stack);
            }
            continue;
        }
        if (c == '{' || c == '[') {
            stack.push_back(Frame{c == '{', {}, {}, 0, c == '{'});
        } else if (c == '}' || c == ']') {
            if (!stack.empty()) stack.pop_back();
        } else if (c == ',' && !stack.empty()) {
            if (stack.back().object)
                stack.back().expectKey = true;
            else
                ++stack.back().index;
        }
        ++at;
    }
    return std::nullopt;
}

bool HasLoneSurrogate(const QString &text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            ++i;
        } else if (c.isSurrogate()) {
            return true;
        }
    }
    return false;
}

}  // namespace tk
