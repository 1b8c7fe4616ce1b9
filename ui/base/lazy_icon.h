// An icon made when it is first drawn or measured: Qt's standard icons read their pictures
// through every image plugin to learn their format, which a screen that never shows them
// (the menu bar's overflow arrow) should not pay for at start.
#pragma once

#include <functional>

#include <QIcon>

namespace tk {

// An icon that behaves as make() would, calling it only once the icon is first needed.
QIcon LazyIcon(std::function<QIcon()> make);

}  // namespace tk
