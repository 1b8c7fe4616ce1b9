// Test support for the match screens: squads of chosen strength, a player interface that
// records every message before the real dialog shows it, and a log of the screens shown.
#pragma once

#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <QWidget>

#include "core/rules/game.h"
#include "core/state/game_state.h"
#include "tests/ui/modal_helper.h"
#include "ui/base/messages.h"
#include "ui/base/qt_game_ui.h"

namespace tk::test {

// Slots 0.. of `strengths` hold regulars 1.. with every skill at that strength; `benchCount`
// more players sit on the bench with every skill at `benchSkill`.
inline void SetSquad(GameState &s, std::initializer_list<int> strengths, int benchCount = 1,
                     int benchSkill = 100) {
    for (PlayerRecord &p : s.Players) p = {};
    int slot = 0;
    const auto add = [&](int skill, int order) {
        PlayerRecord &p = s.Players[static_cast<std::size_t>(slot)];
        p.FamilyName = static_cast<std::uint8_t>(slot + 1);
        p.FirstName = static_cast<std::uint8_t>(slot + 1);
        for (int k = 1; k <= 6; ++k) p.Level(k) = static_cast<std::uint8_t>(skill);
        p.Order = static_cast<std::uint8_t>(order);
        ++slot;
    };
    for (int skill : strengths) add(skill, slot + 1);
    for (int b = 0; b < benchCount; ++b) add(benchSkill, 0);
}

// A week at number w holding match `code`.
inline void BookWeek(GameState &s, int w, int code) {
    s.WeekCount = static_cast<std::int16_t>(w);
    s.MatchKind(w) = static_cast<std::uint8_t>(code);
}

// Writes down every notice, question and further round, then lets the game's real dialogs
// and screens (through `inner`) show them. Questions are answered by whoever clicks.
class RecordingUi : public GameUi {
public:
    explicit RecordingUi(QtGameUi &inner) : inner_(inner) {}

    std::vector<std::string> log;  // texts; a further round is written as "<next round>"

    void ShowNotice(MessageKind kind, const std::string &m, const std::string &t,
                    int size) override {
        log.push_back(m);
        inner_.ShowNotice(kind, m, t, size);
    }
    bool AskQuestion(const std::string &m, const std::string &t, int size) override {
        log.push_back(m);
        return inner_.AskQuestion(m, t, size);
    }
    void ChooseCamp(Game &g) override { inner_.ChooseCamp(g); }
    void ShowScoutResult(Game &g) override { inner_.ShowScoutResult(g); }
    void DismissAtRenewal(Game &g) override { inner_.DismissAtRenewal(g); }
    void PlayNextRound(Game &g) override {
        log.push_back("<next round>");
        inner_.PlayNextRound(g);
    }

private:
    QtGameUi &inner_;
};

// A game on the real dialogs whose messages are also written down.
struct ScreenGame {
    GameState state;
    Settings settings;
    Rng rng;
    MessageRoute messages;
    QtGameUi qt{messages};
    RecordingUi ui{qt};
    Game game{state, settings, rng, ui};
    ScreenGame(const GameState &start, std::uint64_t seed) : state(start), rng(seed) {}
};

// Logs every top-level window as it is shown ("BeforeGame 二回戦", "RegurarSetWin", ...),
// closes the lineup screen with "決定" and answers questions with `answer`, so a match
// week plays through without a hand on the mouse.
class MatchDriver : public QObject {
public:
    explicit MatchDriver(QString answer = QStringLiteral("いいえ")) : answer_(std::move(answer)) {
        qApp->installEventFilter(this);
        poll_.setInterval(0);
        connect(&poll_, &QTimer::timeout, this, &MatchDriver::Poll);
        poll_.start();
    }
    ~MatchDriver() override { qApp->removeEventFilter(this); }

    QStringList shown;
    std::function<void(QWidget *)> onShow;  // called as each window is shown

    bool eventFilter(QObject *watched, QEvent *event) override {
        auto *w = qobject_cast<QWidget *>(watched);
        if (event->type() == QEvent::Show && w && w->isWindow()) {
            QString entry = QString::fromLatin1(w->metaObject()->className());
            if (entry == QStringLiteral("tk::BeforeGame"))
                entry += QLatin1Char(' ') + w->findChild<QLabel *>(QStringLiteral("Pro"))->text();
            shown << entry;
            if (onShow) onShow(w);
        }
        return false;
    }

private:
    void Poll() {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal || modal == handled_) return;
        const QString name = modal->objectName();
        if (name == QStringLiteral("RegurarSetWin") || name == QStringLiteral("MesQWin")) {
            handled_ = modal;
            ClickButton(modal,
                        name == QStringLiteral("MesQWin") ? answer_ : QStringLiteral("決定"));
        }
    }

    QString answer_;
    QTimer poll_;
    QPointer<QWidget> handled_;
};

}  // namespace tk::test
