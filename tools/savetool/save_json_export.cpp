// Writing the records as JSON by hand, so that members keep their stored order.
#include <cstdio>
#include <type_traits>

#include "core/state/record_members.h"
#include "core/state/shift_jis.h"
#include "core/state/validation.h"
#include "tools/savetool/save_json.h"

namespace tk {
namespace {

std::string Quote(std::string_view text) {
    std::string out = "\"";
    for (const char c : text) {
        const auto u = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (c == '\r') {
            out += "\\r";
        } else if (c == '\n') {
            out += "\\n";
        } else if (u < 0x20 || u == 0x7F) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", u);
            out += escaped;
        } else {
            out += c;
        }
    }
    return out + "\"";
}

std::string Hex(std::string_view bytes) {
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string out;
    for (const char c : bytes) {
        out += kDigits[static_cast<unsigned char>(c) >> 4];
        out += kDigits[static_cast<unsigned char>(c) & 15];
    }
    return out;
}

template <class T>
std::string Inline(const T &member);

// Members of a nested record on one line.
struct InlineMembers {
    std::string &out;
    bool first = true;
    template <class T>
    void operator()(const char *name, const T &member) {
        out += first ? "" : ", ";
        first = false;
        out += Quote(name) + ": " + Inline(member);
    }
};

template <class T>
std::string Inline(const T &member) {
    if constexpr (std::is_integral_v<T>) {
        return std::to_string(static_cast<long long>(member));
    } else if constexpr (std::is_same_v<T, std::string>) {
        return Quote(member);
    } else if constexpr (std::is_same_v<T, CalendarCell>) {
        return "[" + Inline(member.First) + ", " + Inline(member.Second) + "]";
    } else if constexpr (kIsStdArray<T>) {
        std::string out = "[";
        for (std::size_t i = 0; i < member.size(); ++i) out += (i ? ", " : "") + Inline(member[i]);
        return out + "]";
    } else {
        std::string out = "{";
        VisitMembers(member, InlineMembers{out});
        return out + "}";
    }
}

// An array of records or arrays: one element per line. A calendar plane: a year per line.
template <class T>
std::string Block(const T &member, const std::string &indent) {
    using Element = typename T::value_type;
    if constexpr (std::is_same_v<Element, CalendarCell>) {
        std::string out = "[";
        for (std::size_t i = 0; i < member.size(); ++i) {
            out += i == 0 ? "\n" + indent + "  " : (i % 48 == 0 ? ",\n" + indent + "  " : ", ");
            out += Inline(member[i]);
        }
        return out + "\n" + indent + "]";
    } else {
        std::string out = "[";
        for (std::size_t i = 0; i < member.size(); ++i) {
            out += (i ? ",\n" : "\n") + indent + "  ";
            if constexpr (kIsStdArray<Element>) {
                out += Block(member[i], indent + "  ");
            } else {
                out += Inline(member[i]);
            }
        }
        return out + "\n" + indent + "]";
    }
}

// The members of the whole record, one per line.
struct TopMembers {
    std::string &out;
    const StoredTexts *texts = nullptr;
    template <class T>
    void operator()(const char *name, const T &member) {
        out += ",\n  " + Quote(name) + ": ";
        if constexpr (kIsStdArray<T>) {
            using Element = typename T::value_type;
            constexpr bool nested = !std::is_integral_v<Element>;
            out += nested ? Block(member, "  ") : Inline(member);
        } else {
            out += Inline(member);
        }
        if constexpr (std::is_same_v<T, std::string>) AddStoredBytes(name, member);
    }

    void AddStoredBytes(const std::string &name, const std::string &text) {
        const std::string &stored = name == "TeamName" ? texts->TeamName : texts->ManagerName;
        const auto decoded = Cp932ToUtf8(stored);
        const auto again = decoded ? Utf8ToCp932(text) : std::nullopt;
        if (!again || *again != stored)
            out += ",\n  " + Quote(name + "Cp932") + ": " + Quote(Hex(stored));
    }
};

}  // namespace

Converted ExportGame(std::span<const std::uint8_t> bytes) {
    const ReadGame read = ReadGameState(bytes);
    Converted result;
    result.Json = "{\n  \"Record\": \"GameState\"";
    VisitMembers(read.State, TopMembers{result.Json, &read.Texts});
    result.Json += "\n}\n";

    if (bytes.size() > read.RecordBytes) {
        result.Notes.push_back(std::to_string(bytes.size() - read.RecordBytes) +
                               " bytes after the end of the record are not exported");
    } else if (bytes.size() < read.RecordBytes) {
        result.Notes.push_back(
            "the file is shorter than its record (" + std::to_string(bytes.size()) + " of " +
            std::to_string(read.RecordBytes) + " bytes); the rest reads as zero");
    }
    if (!read.TextFault.empty()) {
        result.Notes.push_back("the game refuses this file: " + read.TextFault);
    } else if (auto fault = FindGameFault(read.State)) {
        result.Notes.push_back("the game refuses this file: " + *fault);
    }
    return result;
}

Converted ExportSettings(std::span<const std::uint8_t> bytes) {
    const Settings settings = DecodeSettings(bytes);
    Converted result;
    result.Json = "{\n  \"Record\": \"Settings\"";
    VisitMembers(settings, TopMembers{result.Json});
    result.Json += "\n}\n";
    if (bytes.size() < kSettingsBytes) {
        result.Notes.push_back("the settings file holds " + std::to_string(bytes.size()) + " of " +
                               std::to_string(kSettingsBytes) +
                               " bytes; the game uses the defaults instead");
    } else if (bytes.size() > kSettingsBytes) {
        result.Notes.push_back(std::to_string(bytes.size() - kSettingsBytes) +
                               " bytes after the end of the record are not exported");
    }
    if (!SettingsUsable(settings)) {
        result.Notes.push_back(
            "the game replaces these settings with the defaults when it loads them");
    }
    return result;
}

}  // namespace tk
