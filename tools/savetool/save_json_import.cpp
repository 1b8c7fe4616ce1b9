// Reading a JSON export back into a file image, refusing anything that does not fit.
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>

#include <algorithm>
#include <cmath>
#include <limits>
#include <set>
#include <type_traits>

#include "core/state/record_members.h"
#include "core/state/shift_jis.h"
#include "core/state/validation.h"
#include "tools/savetool/json_checks.h"
#include "tools/savetool/save_json.h"

namespace tk {
namespace {

// Reads the members of one JSON object into a record; the first error wins.
class ObjectReader {
public:
    ObjectReader(const QJsonObject &object, std::string path, std::string &error)
        : object_(object), path_(std::move(path)), error_(error) {}

    template <class T>
    void operator()(const char *name, T &member) {
        seen_.insert(name);
        if (!error_.empty()) return;
        const QString key = QString::fromUtf8(name);
        if (!object_.contains(key)) {
            error_ = path_ + name + " is missing";
            return;
        }
        Read(object_.value(key), member, path_ + name);
    }

    // Names the object may hold besides the members.
    void Allow(const std::string &name) { seen_.insert(name); }

    void RefuseUnknown() {
        if (!error_.empty()) return;
        for (const QString &key : object_.keys()) {
            if (!seen_.count(key.toStdString())) {
                error_ = path_ + key.toStdString() + " is not a member of this record";
                return;
            }
        }
    }

private:
    template <class T>
    void Read(const QJsonValue &value, T &member, const std::string &where) {
        if (!error_.empty()) return;
        if constexpr (std::is_integral_v<T>) {
            const double d = value.toDouble(std::nan(""));
            if (!value.isDouble() || std::floor(d) != d || d < std::numeric_limits<T>::min() ||
                d > std::numeric_limits<T>::max()) {
                error_ = where + " must be a whole number from " +
                         std::to_string(static_cast<long long>(std::numeric_limits<T>::min())) +
                         " to " +
                         std::to_string(static_cast<long long>(std::numeric_limits<T>::max()));
                return;
            }
            member = static_cast<T>(d);
        } else if constexpr (std::is_same_v<T, std::string>) {
            if (!value.isString()) {
                error_ = where + " must be a string";
                return;
            }
            // Half of a surrogate pair is no character: it would be saved as "?".
            if (HasLoneSurrogate(value.toString())) {
                error_ = where +
                         " holds a lone UTF-16 surrogate (\\ud800..\\udfff), which is not "
                         "a character";
                return;
            }
            member = value.toString().toStdString();
        } else if constexpr (std::is_same_v<T, CalendarCell>) {
            const QJsonArray pair = value.toArray();
            if (!value.isArray() || pair.size() != 2) {
                error_ = where + " must be a pair [first, second]";
                return;
            }
            Read(pair[0], member.First, where + "[0]");
            Read(pair[1], member.Second, where + "[1]");
        } else if constexpr (kIsStdArray<T>) {
            const QJsonArray array = value.toArray();
            if (!value.isArray() || array.size() != static_cast<qsizetype>(member.size())) {
                error_ =
                    where + " must be an array of " + std::to_string(member.size()) + " elements";
                return;
            }
            for (std::size_t i = 0; i < member.size(); ++i) {
                Read(array[static_cast<qsizetype>(i)], member[i],
                     where + "[" + std::to_string(i) + "]");
            }
        } else {
            if (!value.isObject()) {
                error_ = where + " must be an object";
                return;
            }
            ObjectReader inner(value.toObject(), where + ".", error_);
            VisitMembers(member, inner);
            inner.RefuseUnknown();
        }
    }

    QJsonObject object_;
    std::string path_;
    std::string &error_;
    std::set<std::string> seen_;
};

Result<QJsonObject> ParseRecord(std::string_view json, const char *record) {
    QJsonParseError parseError{};
    const QJsonDocument document = QJsonDocument::fromJson(
        QByteArray(json.data(), static_cast<qsizetype>(json.size())), &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        const std::string_view before = json.substr(0, static_cast<std::size_t>(parseError.offset));
        const auto line = 1 + std::count(before.begin(), before.end(), '\n');
        return Failure{"not valid JSON (line " + std::to_string(line) +
                       "): " + parseError.errorString().toStdString()};
    }
    if (!document.isObject()) return Failure{"the JSON must be one object"};
    // A member given twice would be read as its last value without a word.
    if (auto twice = FindDuplicateKey(json)) return Failure{*twice + " is given twice"};
    const QJsonObject object = document.object();
    if (object.value("Record").toString() != QLatin1String(record)) {
        return Failure{std::string("the JSON does not hold a ") + record +
                       " record (\"Record\": \"" + record + "\")"};
    }
    return object;
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

Result<std::string> FromHex(const QJsonValue &value, const std::string &where) {
    const std::string hex = value.toString().toStdString();
    const Failure bad{where + " must be a string of hex digit pairs"};
    if (!value.isString() || hex.size() % 2 != 0) return bad;
    std::string bytes;
    for (std::size_t i = 0; i < hex.size(); i += 2) {
        const int high = HexDigit(hex[i]);
        const int low = HexDigit(hex[i + 1]);
        if (high < 0 || low < 0) return bad;
        bytes.push_back(static_cast<char>(high * 16 + low));
    }
    return bytes;
}

// The stored bytes of one text: its hex override, or the string in code page 932.
Result<std::string> TextBytes(const QJsonObject &object, const std::string &name,
                              const std::string &text) {
    const QString key = QString::fromStdString(name + "Cp932");
    if (object.contains(key)) return FromHex(object.value(key), name + "Cp932");
    if (auto bytes = Utf8ToCp932(text)) return std::move(*bytes);
    const std::string bad = FirstUnwritableCharacter(text);
    return Failure{name + " holds " +
                   (bad.empty() ? "text that is not valid UTF-8" : "\"" + bad + "\"") +
                   ", which code page 932 cannot write"};
}

}  // namespace

Result<Converted> ImportGame(std::string_view json) {
    auto object = ParseRecord(json, "GameState");
    if (!object) return Failure{object.Reason()};

    GameState state;
    std::string error;
    ObjectReader reader(object.Value(), "", error);
    reader.Allow("Record");
    reader.Allow("TeamNameCp932");
    reader.Allow("ManagerNameCp932");
    VisitMembers(state, reader);
    reader.RefuseUnknown();
    if (!error.empty()) return Failure{error};

    auto team = TextBytes(object.Value(), "TeamName", state.TeamName);
    if (!team) return Failure{team.Reason()};
    auto manager = TextBytes(object.Value(), "ManagerName", state.ManagerName);
    if (!manager) return Failure{manager.Reason()};
    const StoredTexts stored{team.Value(), manager.Value()};
    auto file = EncodeGameState(state, &stored);
    if (!file) return Failure{file.Reason()};

    Converted result;
    result.File = std::move(file.Value());
    const ReadGame check = ReadGameState(result.File);
    if (!check.TextFault.empty()) {
        result.Notes.push_back("the game will refuse this file: " + check.TextFault);
    } else if (auto fault = FindGameFault(check.State)) {
        result.Notes.push_back("the game will refuse this file: " + *fault);
    }
    return result;
}

Result<Converted> ImportSettings(std::string_view json) {
    auto object = ParseRecord(json, "Settings");
    if (!object) return Failure{object.Reason()};

    Settings settings;
    std::string error;
    ObjectReader reader(object.Value(), "", error);
    reader.Allow("Record");
    VisitMembers(settings, reader);
    reader.RefuseUnknown();
    if (!error.empty()) return Failure{error};

    Converted result;
    result.File = EncodeSettings(settings);
    if (!SettingsUsable(settings)) {
        result.Notes.push_back("the game will replace these settings with the defaults");
    }
    return result;
}

}  // namespace tk
