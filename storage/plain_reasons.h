// Why a file could not be written or read, in the player's words: the operating system's
// error as Japanese ("容量不足です"), never the system's or Qt's own English text (that goes
// to standard error for a bug report).
#pragma once

#include <string>

class QFileDevice;
class QString;

namespace tk {

// The cause behind an errno value ("書き込み権限がありません", "読み取り専用です", ...).
std::string PlainError(int error);

// The cause of a failed file operation as Qt reported it: the system error its text was made
// from, else the kind of failure; the original text is written to standard error.
std::string PlainFileError(const QFileDevice &file);
std::string PlainFileError(const QString &systemText);

}  // namespace tk
