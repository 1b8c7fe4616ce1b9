// TK_ANSWER_AT_ONCE=1: a player who never hesitates, for the scripted runs of the real program
// (tools/bench/year_news.sh). Every question is answered "はい", every screen that waits for a
// decision is confirmed with its Enter button, and every match is played to its end with
// "結果へ", the moment each is in front; the notices and the match announcement take their own
// time, as they would for a player.
#pragma once

class QObject;

namespace tk {

// Installs the answerer for the rest of the run when TK_ANSWER_AT_ONCE is 1; owned by `owner`.
void AnswerAtOnceIfAsked(QObject *owner);

}  // namespace tk
