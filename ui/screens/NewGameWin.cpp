// The new-game screen.
#include "ui/screens/NewGameWin.h"

#include <utility>

#include <QCloseEvent>
#include <QFontMetrics>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>
#include <QValidator>

#include "core/state/shift_jis.h"
#include "ui/base/messages.h"
#include "ui/screens/title_actions.h"
#include "ui/widgets/screen_keys.h"

namespace tk {

namespace {

// Characters that code page 932 holds under another code (the JIS forms of a few signs):
// the name shows, as it is typed, the one it will be saved as.
constexpr std::pair<char16_t, char16_t> kLookAlikes[] = {
    {u'\u301C', u'\uFF5E'},  // 〜 → ～
    {u'\u2212', u'\uFF0D'},  // − → －
    {u'\u2016', u'\u2225'},  // ‖ → ∥
    {u'\u00A5', u'\uFFE5'},  // ¥ → ￥
    {u'\u00A2', u'\uFFE0'},  // ¢ → ￠
    {u'\u00A3', u'\uFFE1'},  // £ → ￡
    {u'\u00AC', u'\uFFE2'},  // ¬ → ￢
    {u'\u2014', u'\u2015'},  // — → ―
};

// Names are saved in code page 932: a look-alike is replaced as it is typed, and any other
// character it cannot write is refused, instead of being lost when the game is saved.
class SavableNameValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString &input, int &) const override {
        input = SavableNameText(input);
        return FirstUnwritableCharacter(input.toStdString()).empty() ? Acceptable : Invalid;
    }
};

}  // namespace

QString SavableNameText(QString text) {
    for (QChar &c : text)
        for (const auto &[typed, saved] : kLookAlikes)
            if (c.unicode() == typed) c = QChar(saved);
    return text;
}

NewGameWin::NewGameWin(TitleActions &app, QWidget *parent) : QWidget(parent), app_(app) {
    setWindowTitle(QStringLiteral("チーム名・監督名を決めてください。"));
    setObjectName(QStringLiteral("NewGameWin"));
    setStyleSheet(QStringLiteral("#NewGameWin { background: #FFFFC0; }"));

    auto *form = new QFormLayout;
    const QString labels[] = {QStringLiteral("チーム名"), QStringLiteral("監督名")};
    for (int i = 0; i < 2; ++i) {
        auto *edit = new QLineEdit;
        edit->setObjectName(QStringLiteral("NameText%1").arg(i));
        edit->setMaxLength(kMaxNameLength);
        edit->setValidator(new SavableNameValidator(edit));
        edit->setMinimumWidth(220);
        QFont f = edit->font();
        f.setPointSize(14);
        edit->setFont(f);
        nameText_[static_cast<std::size_t>(i)] = edit;
        form->addRow(labels[i], edit);
    }

    start_ = new QPushButton(QStringLiteral("はじめる！"));
    close_ = new QPushButton(QStringLiteral("閉じる"));
    start_->setDefault(true);
    connect(start_, &QPushButton::clicked, this, &NewGameWin::Start);
    connect(close_, &QPushButton::clicked, this, &NewGameWin::Back);
    // Enter in the team name goes on to the manager name, Enter there starts the game;
    // Esc goes back to the title screen like "閉じる".
    connect(nameText_[0], &QLineEdit::returnPressed, this, [this] { nameText_[1]->setFocus(); });
    connect(nameText_[1], &QLineEdit::returnPressed, this, &NewGameWin::Start);
    auto *escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    escape->setContext(Qt::WindowShortcut);
    connect(escape, &QShortcut::activated, this, &NewGameWin::Back);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(start_);
    buttons->addWidget(close_);

    auto *hint = new QLabel(QStringLiteral("（%1文字まで）").arg(kMaxNameLength));
    hint->setAlignment(Qt::AlignRight);

    // The prompt of the caption, in the screen where the player reads it.
    auto *prompt = new QLabel(windowTitle());
    prompt->setObjectName(QStringLiteral("Prompt"));
    QFont promptFont = prompt->font();
    promptFont.setPointSize(12);
    prompt->setFont(promptFont);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(prompt);
    layout->addLayout(form);
    layout->addWidget(hint);
    layout->addLayout(buttons);
    layout->setContentsMargins(24, 20, 24, 16);
    // Wide enough that the caption reads whole in a title bar, beside its buttons.
    QFont titleFont = font();
    titleFont.setBold(true);
    setMinimumWidth(QFontMetrics(titleFont).horizontalAdvance(windowTitle()) + 90);
    EnterPressesFocusedButtons(this);
}

void NewGameWin::Reset() {
    leaving_ = false;
    for (QLineEdit *edit : nameText_) edit->clear();
    nameText_[0]->setFocus();
}

void NewGameWin::Start() {
    const QString team = nameText_[0]->text();
    const QString manager = nameText_[1]->text();
    if (team.isEmpty()) {
        app_.Messages().ShowNotice(MessageKind::Warning,
                                   QStringLiteral("チーム名を入れてください。"), QString(), 12,
                                   this);
        return;
    }
    if (manager.isEmpty()) {
        app_.Messages().ShowNotice(MessageKind::Warning, QStringLiteral("監督名を入れてください。"),
                                   QString(), 12, this);
        return;
    }
    leaving_ = true;
    hide();
    app_.BeginNewGame(team, manager);
}

void NewGameWin::Back() {
    leaving_ = true;
    hide();
    app_.ShowTitle();
}

void NewGameWin::closeEvent(QCloseEvent *event) {
    // The window frame's close box goes back to the title screen like "閉じる".
    if (!leaving_) {
        event->ignore();
        Back();
    }
}

}  // namespace tk
