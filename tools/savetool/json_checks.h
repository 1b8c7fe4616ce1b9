// Checks of a JSON text that QJsonDocument does not make: a key given twice in one object
// (it keeps the last without a word) and strings holding half of a UTF-16 surrogate pair
// (written as "?" without a word).
#pragma once

#include <optional>
#include <string>
#include <string_view>

class QString;

namespace tk {

// The first member named twice in one object of valid JSON, as "Players[3].Salary"; nothing
// when every key is given once.
std::optional<std::string> FindDuplicateKey(std::string_view json);

// Whether a string holds a lone surrogate (a "\ud800" escape without its pair).
bool HasLoneSurrogate(const QString &text);

}  // namespace tk
