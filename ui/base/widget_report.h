// A plain-text report of the windows on screen, for the tests that drive the real program
// in an X server: where each named widget is, what it says, and which one has the focus.
#pragma once

class QString;

namespace tk {

// TK_WIDGET_REPORT=<file>: from now on, whenever a window is shown, moved, resized or
// activated, or the focus moves, the report is rewritten (atomically) to file. Lines:
//   window <objectName> <class> x y w h active=0|1 title=<title>
//   widget <objectName> <class> x y w h visible=0|1 enabled=0|1 focus=0|1 text=<text>
// in global screen coordinates, for every visible top-level window and every named widget
// or button inside it. Does nothing when path is empty.
void InstallWidgetReport(const QString &path);

}  // namespace tk
