// The about box (ゲームについて): credits, two links to the game's web pages, "閉じる".
#pragma once

#include <functional>

#include <QDialog>
#include <QUrl>

class QLabel;
class QPushButton;

namespace tk {

class MessageRoute;

class Versions : public QDialog {
    Q_OBJECT

public:
    // Opens a page in the player's web browser; true when the browser took it.
    using UrlOpener = std::function<bool(const QUrl &)>;

    // A page that cannot be opened is told through `messages`.
    explicit Versions(const MessageRoute &messages, QWidget *parent = nullptr);

    // The version of the game as the box shows it, e.g. "1.0.0".
    static QString VersionText();
    // The game's pages, in the order of the links.
    static QUrl HomePage();
    static QUrl SupportPage();

    // Replaces the browser (QDesktopServices::openUrl); tests record the page instead.
    void SetUrlOpener(UrlOpener opener) { opener_ = std::move(opener); }

    QLabel *Credits() const { return credits_; }
    QLabel *Link1() const { return link1_; }
    QLabel *Link2() const { return link2_; }
    QPushButton *Command1() const { return command1_; }

private:
    void OpenPage(const QString &address);

    const MessageRoute &messages_;
    UrlOpener opener_;
    QLabel *credits_ = nullptr;
    QLabel *link1_ = nullptr;
    QLabel *link2_ = nullptr;
    QPushButton *command1_ = nullptr;  // "閉じる"
};

}  // namespace tk
