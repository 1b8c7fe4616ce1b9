// A slot's history (Save<N>.Kumo.history) as JSON, read without changing the file.
#pragma once

#include <string>

#include <QString>

#include "core/state/result.h"

namespace tk {

// The history at `path`: its team and origin, every message (oldest first), every season
// with its results, competitions and squad, and every player with his month ends. Texts
// keep the game's '\r' line breaks.
Result<std::string> ExportHistory(const QString &path);

// The history beside a slot file: "Save0.Kumo" -> "Save0.Kumo.history"; a path that already
// names a .history file is kept.
QString HistoryFileOf(const QString &path);

}  // namespace tk
