// Opening the running game's history with the player told, and closing it before a save.
#include "ui/shell/history_session.h"

#include <QPointer>
#include <QWidget>

#include "core/rules/game.h"
#include "history/history_recorder.h"
#include "history/history_store.h"
#include "ui/base/messages.h"

namespace tk {

namespace {

constexpr int kFont = 12;
const QString kTitle = QStringLiteral("記録");

bool CanStartAfresh(HistoryProblem p) {
    // Never for a history another copy is using, or a file that is not a plain file.
    return p == HistoryProblem::Damaged || p == HistoryProblem::Newer ||
           p == HistoryProblem::OtherTeam;
}

}  // namespace

HistorySession::HistorySession(MessageRoute &route) : route_(route) {}

HistorySession::~HistorySession() {
    Close();
}

void HistorySession::Open(Game &game, const QString &path, bool newGame, QWidget *parent) {
    Close();
    const HistoryOwner owner{game.state.TeamName, game.state.WeekCount, newGame};
    // A new game replaces whatever an earlier game of this slot left behind.
    HistoryStore::Opened opened =
        newGame ? HistoryStore::StartAfresh(path, owner) : HistoryStore::Open(path, owner);
    if (!opened.store) {
        const QString reason = QString::fromStdString(opened.reason);
        if (CanStartAfresh(opened.problem) &&
            route_.AskQuestion(
                QStringLiteral("記録を読み込めませんでした。\r%1\r"
                               "記録を新しく始めますか？\r（いいえ：記録なしで続けます）")
                    .arg(reason),
                kTitle, kFont, parent)) {
            opened = HistoryStore::StartAfresh(path, owner);
            if (!opened.store) {
                route_.ShowNotice(MessageKind::Warning,
                                  QStringLiteral("記録を新しく始められませんでした。\r%1\r"
                                                 "このまま記録なしで続けます。")
                                      .arg(QString::fromStdString(opened.reason)),
                                  kTitle, kFont, parent);
            }
        } else if (!CanStartAfresh(opened.problem)) {
            route_.ShowNotice(MessageKind::Warning,
                              QStringLiteral("記録を読み込めませんでした。\r%1\r"
                                             "このまま記録なしで続けます。")
                                  .arg(reason),
                              kTitle, kFont, parent);
        }
        if (!opened.store) return;
    }
    const bool told = opened.created && !newGame;
    Listen(game, std::move(opened.store), parent);
    // Told once listening: the history begins with it.
    if (told)
        route_.ShowNotice(MessageKind::Report,
                          QStringLiteral("このデータにはまだ記録がありません。\r"
                                         "これから記録を始めます。"),
                          kTitle, kFont, parent);
}

void HistorySession::Reopen(Game &game, const QString &path) {
    Close();
    HistoryStore::Opened opened =
        HistoryStore::Open(path, {game.state.TeamName, game.state.WeekCount, false});
    if (opened.store) Listen(game, std::move(opened.store), nullptr);
}

void HistorySession::Listen(Game &game, std::unique_ptr<HistoryStore> store, QWidget *parent) {
    store_ = std::move(store);
    recorder_ = std::make_unique<HistoryRecorder>(*store_, HistoryRecorder::Commit::EveryWeek);
    recorder_->SetFailureHandler([this, parent = QPointer<QWidget>(parent)](
                                     const std::string &why) { WriteFailed(why, parent); });
    route_.RecordTo(recorder_.get(), &game.state);
    game.history = recorder_.get();
    game_ = &game;
}

void HistorySession::WriteFailed(const std::string &why, QWidget *parent) {
    const QString reason = QString::fromStdString(why);
    // A file found damaged only by a write is offered the fresh start the opening offers; not
    // while the game closes, when its slot is about to be saved.
    if (!closing_ && game_ != nullptr && store_ &&
        store_->WriteProblem() == HistoryProblem::Damaged) {
        if (route_.AskQuestion(QStringLiteral("記録を書き込めませんでした。\r%1\r"
                                              "記録を新しく始めますか？\r"
                                              "（いいえ：このゲームの記録はここで止めます）")
                                   .arg(reason),
                               kTitle, kFont, parent))
            StartAfreshAfterWrite(parent);
        return;
    }
    route_.ShowNotice(MessageKind::Warning,
                      QStringLiteral("記録を書き込めませんでした。\r%1\r"
                                     "このゲームの記録はここで止めます。")
                          .arg(reason),
                      kTitle, kFont, parent);
}

void HistorySession::StartAfreshAfterWrite(QWidget *parent) {
    Game &game = *game_;
    const QString path = store_->Path();
    // The rows the failed write could not keep start the fresh history, from their week on.
    HistoryBatch carried = recorder_->TakeUnwritten();
    // The failed recorder is still inside its write: it records nothing more and is kept until
    // the session closes. Its store closes now, so that the file can be kept aside.
    route_.RecordTo(nullptr, nullptr);
    game.history = nullptr;
    game_ = nullptr;
    retired_ = std::move(recorder_);
    store_.reset();
    HistoryStore::Opened opened = HistoryStore::StartAfresh(
        path, {game.state.TeamName, carried.EarliestWeek(game.state.WeekCount), false});
    if (!opened.store) {
        route_.ShowNotice(MessageKind::Warning,
                          QStringLiteral("記録を新しく始められませんでした。\r%1\r"
                                         "このゲームの記録はここで止めます。")
                              .arg(QString::fromStdString(opened.reason)),
                          kTitle, kFont, parent);
        return;
    }
    Listen(game, std::move(opened.store), parent);
    if (carried.Empty()) return;
    recorder_->Carry(std::move(carried), game.state);
    (void)recorder_->Flush(game.state.WeekCount);
}

void HistorySession::Close() {
    closing_ = true;
    if (game_ != nullptr && game_->history == recorder_.get()) game_->history = nullptr;
    if (recorder_) route_.RecordTo(nullptr, nullptr);
    if (recorder_ && game_ != nullptr) (void)recorder_->Flush(game_->state.WeekCount);
    recorder_.reset();
    retired_.reset();
    store_.reset();
    game_ = nullptr;
    closing_ = false;
}

std::vector<MessageRow> HistorySession::Messages() const {
    if (!store_) return {};
    const std::vector<MessageRow> &pending = recorder_->PendingMessages();
    std::vector<MessageRow> out(pending.rbegin(), pending.rend());
    std::vector<MessageRow> stored = store_->Messages();
    out.insert(out.end(), std::make_move_iterator(stored.begin()),
               std::make_move_iterator(stored.end()));
    return out;
}

std::string HistorySession::SettlementSummary() const {
    return store_ ? store_->LatestSummary() : std::string();
}

}  // namespace tk
