// The text of the help screen "遊び方", section by section. The numbers in it (budgets,
// prices, prizes, salaries, keys) are read from the rules and the key table, so the help
// never tells other figures than the game uses.
#pragma once

#include <QString>
#include <vector>

namespace tk {

struct HelpSection {
    QString anchor;  // for links inside the help
    QString title;
    QString html;  // the body, without the title
};

// Every section, in reading order; the last is "勝つためのヒント".
std::vector<HelpSection> HelpSections();

// The sections joined into one page, each under its title.
QString HelpPageHtml(const std::vector<HelpSection> &sections);

// The body of "勝つためのヒント" (help_hints.cpp, kept apart so that it can be rewritten
// on its own).
QString HelpHintsHtml();
// "はじめての4月": the first April's checklist.
QString HelpFirstAprilHtml();

// The body of "スクリーンリーダーとキーボード" (help_access.cpp).
QString HelpAccessHtml();

}  // namespace tk
