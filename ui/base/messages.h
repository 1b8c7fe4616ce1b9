// The two ways a screen talks to the player: a notice and a yes/no question.
#pragma once

#include <QString>

class QWidget;

namespace tk {

// Shows `message` ('\r' = line break) in a notice captioned `title` at `fontSize` points and
// returns when the player closes it or after five seconds. Core texts are UTF-8: pass them
// as QString::fromStdString(text).
void ShowNotice(const QString &message, const QString &title, int fontSize,
                QWidget *parent = nullptr);

// Asks `message` with "はい" and "いいえ" and returns true for "はい". The question cannot be
// closed any other way; should its window be destroyed from outside (its parent closed),
// the answer is "いいえ".
bool AskQuestion(const QString &message, const QString &title, int fontSize,
                 QWidget *parent = nullptr);

// The same question with "はい" as the default, for answers that destroy nothing (going on
// with a saved game): Enter says yes.
bool AskQuestionYesFirst(const QString &message, const QString &title, int fontSize,
                         QWidget *parent = nullptr);

}  // namespace tk
