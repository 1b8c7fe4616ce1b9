// The text of the help screen "遊び方", section by section. The numbers in it (budgets,
// prices, prizes, salaries, keys) are read from the rules and the key table, so the help
// never tells other figures than the game uses.
#pragma once

#include <QString>
#include <vector>

#include "core/rules/first_april.h"

namespace tk {

struct HelpSection {
    QString anchor;  // for links inside the help
    QString title;
    QString html;  // the body, without the title
};

// Every section, in reading order; the last is "勝つためのヒント". `done` ticks the items of
// "はじめての4月" (none ticked by default).
std::vector<HelpSection> HelpSections(const FirstAprilTicks &done = {});

// The sections joined into one page, each under its title.
QString HelpPageHtml(const std::vector<HelpSection> &sections);

// The body of "勝つためのヒント" (help_hints.cpp, kept apart so that it can be rewritten
// on its own).
QString HelpHintsHtml();
// "はじめての4月": the first April's checklist, the items in `done` ticked.
QString HelpFirstAprilHtml(const FirstAprilTicks &done = {});

// The body of "スクリーンリーダーとキーボード" (help_access.cpp).
QString HelpAccessHtml();

}  // namespace tk
