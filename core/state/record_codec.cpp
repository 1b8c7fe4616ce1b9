// Member-by-member little-endian reading and writing of the save records.
#include "core/state/record_codec.h"

#include <type_traits>

#include "core/state/record_members.h"
#include "core/state/shift_jis.h"

namespace tk {
namespace {

// How the two texts are named to the player.
std::string TextLabel(const std::string &member) {
    return member == "TeamName" ? "チーム名" : "監督名";
}

class Writer {
public:
    explicit Writer(Bytes &out) : out_(out) {}

    template <class T>
    void operator()(const char *name, const T &member) {
        if constexpr (std::is_integral_v<T>) {
            using U = std::make_unsigned_t<T>;
            const U u = static_cast<U>(member);
            for (std::size_t i = 0; i < sizeof(T); ++i) {
                out_.push_back(static_cast<std::uint8_t>(u >> (8 * i)));
            }
        } else if constexpr (std::is_same_v<T, std::string>) {
            WriteText(name, member);
        } else if constexpr (kIsStdArray<T>) {
            for (const auto &element : member) (*this)(name, element);
        } else {
            VisitMembers(member, *this);
        }
    }

    // Texts are written from the stored bytes when the caller gives them.
    const StoredTexts *Stored = nullptr;
    std::string Fault;

private:
    void WriteText(const char *name, const std::string &text) {
        std::string bytes;
        const std::string member = name;
        if (Stored != nullptr) {
            bytes = member == "TeamName" ? Stored->TeamName : Stored->ManagerName;
        } else if (auto encoded = Utf8ToCp932(text)) {
            bytes = std::move(*encoded);
        } else if (Fault.empty()) {
            const std::string bad = FirstUnwritableCharacter(text);
            Fault = bad.empty() ? TextLabel(member) + "の文字列が正しくありません"
                                : TextLabel(member) + "に保存できない文字「" + bad + "」があります";
        }
        if (bytes.size() > kMaxTextBytes && Fault.empty()) {
            Fault = TextLabel(member) + "が長すぎます（" + std::to_string(kMaxTextBytes) +
                    "バイトまで）";
            bytes.clear();
        }
        (*this)(name, static_cast<std::uint16_t>(bytes.size()));
        out_.insert(out_.end(), bytes.begin(), bytes.end());
    }

    Bytes &out_;
};

class Reader {
public:
    explicit Reader(std::span<const std::uint8_t> in) : in_(in) {}

    template <class T>
    void operator()(const char *name, T &member) {
        if constexpr (std::is_integral_v<T>) {
            using U = std::make_unsigned_t<T>;
            U u = 0;
            for (std::size_t i = 0; i < sizeof(T); ++i) {
                u = static_cast<U>(u | static_cast<U>(static_cast<U>(Byte()) << (8 * i)));
            }
            member = static_cast<T>(u);
        } else if constexpr (std::is_same_v<T, std::string>) {
            ReadText(name, member);
        } else if constexpr (kIsStdArray<T>) {
            for (auto &element : member) (*this)(name, element);
        } else {
            VisitMembers(member, *this);
        }
    }

    StoredTexts Texts;
    std::string Fault;
    std::size_t Position() const { return pos_; }

private:
    std::uint8_t Byte() {
        const std::uint8_t b = pos_ < in_.size() ? in_[pos_] : 0;
        ++pos_;
        return b;
    }

    void ReadText(const char *name, std::string &text) {
        std::uint16_t count = 0;
        (*this)(name, count);
        std::string bytes;
        for (std::size_t i = 0; i < count && pos_ < in_.size(); ++i) {
            bytes.push_back(static_cast<char>(in_[pos_++]));
        }
        if (bytes.size() < count) pos_ += count - bytes.size();

        const std::string member = name;
        (member == "TeamName" ? Texts.TeamName : Texts.ManagerName) = bytes;
        if (auto decoded = Cp932ToUtf8(bytes)) {
            text = std::move(*decoded);
        } else {
            text.clear();
            if (Fault.empty()) Fault = TextLabel(member) + "の文字コードが正しくありません";
        }
    }

    std::span<const std::uint8_t> in_;
    std::size_t pos_ = 0;
};

}  // namespace

ReadGame ReadGameState(std::span<const std::uint8_t> bytes) {
    ReadGame read{};
    Reader reader(bytes);
    VisitMembers(read.State, reader);
    read.Texts = std::move(reader.Texts);
    read.TextFault = std::move(reader.Fault);
    read.RecordBytes = reader.Position();
    return read;
}

Result<GameState> DecodeGameState(std::span<const std::uint8_t> bytes) {
    ReadGame read = ReadGameState(bytes);
    if (!read.TextFault.empty()) return Failure{read.TextFault};
    return std::move(read.State);
}

Result<Bytes> EncodeGameState(const GameState &state, const StoredTexts *stored) {
    Bytes out;
    out.reserve(kGameStateFixedBytes + state.TeamName.size() + state.ManagerName.size());
    Writer writer(out);
    writer.Stored = stored;
    VisitMembers(state, writer);
    if (!writer.Fault.empty()) return Failure{writer.Fault};
    return out;
}

Bytes EncodeSettings(const Settings &settings) {
    Bytes out;
    out.reserve(kSettingsBytes);
    Writer writer(out);
    VisitMembers(settings, writer);
    return out;
}

Settings DecodeSettings(std::span<const std::uint8_t> bytes) {
    Settings settings;
    Reader reader(bytes);
    VisitMembers(settings, reader);
    return settings;
}

}  // namespace tk
