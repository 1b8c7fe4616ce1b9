// The title screen.
#include "ui/screens/BeginForm.h"

#include <QCloseEvent>
#include <QDir>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "storage/save_store.h"
#include "ui/base/messages.h"
#include "ui/screens/SetWIn.h"
#include "ui/screens/title_actions.h"
#include "ui/widgets/pictures.h"
#include "ui/widgets/screen_keys.h"

namespace tk {

namespace {

QString Shown(const std::string &text) {
    return QString::fromStdString(text).replace(QLatin1Char('\r'), QLatin1Char('\n'));
}

QLabel *Heading(const QString &text) {
    auto *label = new QLabel(text);
    QFont f = label->font();
    f.setPointSize(13);
    f.setBold(true);
    label->setFont(f);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

}  // namespace

BeginForm::BeginForm(TitleActions &app, QWidget *parent) : QWidget(parent), app_(app) {
    setWindowTitle(QStringLiteral("テニス監督"));
    setObjectName(QStringLiteral("BeginForm"));
    setStyleSheet(
        QStringLiteral("#BeginForm { background: #FFFFC0; }"
                       "QLabel#Prev { background: white; border: 1px solid #A0A070; padding: 4px; }"
                       "QPushButton { padding: 6px 14px; }"));

    auto *title = new QLabel;
    title->setPixmap(Picture(PictureId::TitleLogo));
    title->setAlignment(Qt::AlignCenter);
    title->setAccessibleName(QStringLiteral("テニス監督"));

    auto *slotGrid = new QGridLayout;
    slotGrid->addWidget(Heading(QStringLiteral("～はじめる～")), 0, 0, 1, 4);
    auto *eraseRow = new QHBoxLayout;
    for (int n = 0; n < 4; ++n) {
        auto *open = new QPushButton(QStringLiteral("データ%1").arg(n + 1));
        open->setObjectName(QStringLiteral("SaveData%1").arg(n));
        auto *prev = new QLabel;
        prev->setObjectName(QStringLiteral("Prev"));
        prev->setMinimumSize(170, 70);
        prev->setAlignment(Qt::AlignCenter);
        auto *erase = new QPushButton(QStringLiteral("データ%1を消す").arg(n + 1));
        erase->setObjectName(QStringLiteral("EraseDatas%1").arg(n));
        auto *restore = new QPushButton(QStringLiteral("バックアップから復元"));
        restore->setObjectName(QStringLiteral("Restore%1").arg(n));
        restore->hide();
        slotGrid->addWidget(open, 1, n);
        slotGrid->addWidget(prev, 2, n);
        slotGrid->addWidget(restore, 3, n);
        eraseRow->addWidget(erase);
        saveData_[static_cast<std::size_t>(n)] = open;
        prev_[static_cast<std::size_t>(n)] = prev;
        erase_[static_cast<std::size_t>(n)] = erase;
        restore_[static_cast<std::size_t>(n)] = restore;
        connect(open, &QPushButton::clicked, this, [this, n] { OpenSlot(n); });
        connect(erase, &QPushButton::clicked, this, [this, n] { EraseSlot(n); });
        connect(restore, &QPushButton::clicked, this, [this, n] { RestoreSlot(n); });
    }
    notes_ = new QLabel;
    notes_->setObjectName(QStringLiteral("FileNotes"));
    notes_->setWordWrap(true);
    notes_->setTextFormat(Qt::PlainText);
    notes_->setStyleSheet(QStringLiteral("color: #A00000;"));
    notes_->hide();

    settings_ = new QPushButton(QStringLiteral("ゲーム設定"));
    settings_->setObjectName(QStringLiteral("Command2"));
    quit_ = new QPushButton(QStringLiteral("終了"));
    quit_->setObjectName(QStringLiteral("Command1"));
    connect(settings_, &QPushButton::clicked, this, &BeginForm::OpenSettings);
    connect(quit_, &QPushButton::clicked, this, [this] { app_.Quit(); });
    auto *endRow = new QHBoxLayout;
    endRow->addStretch();
    endRow->addWidget(settings_);
    endRow->addWidget(quit_);
    endRow->addStretch();

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(title);
    layout->addLayout(slotGrid);
    layout->addWidget(notes_);
    layout->addSpacing(12);
    layout->addWidget(Heading(QStringLiteral("～データを消す～")));
    layout->addLayout(eraseRow);
    layout->addSpacing(12);
    layout->addWidget(Heading(QStringLiteral("～終了する～")));
    layout->addLayout(endRow);
    layout->setContentsMargins(24, 16, 24, 20);
    // Tab goes along the rows as they are drawn; Enter presses the button with the focus.
    FollowLayoutFocusOrder(this);
    EnterPressesFocusedButtons(this);
}

void BeginForm::Refresh() {
    // The settings file is read once; afterwards the record in memory is newer than the
    // file (the speed may have been changed in a game), and "終了" writes it.
    if (!settingsLoaded_) {
        app_.GameSettings() = app_.Store().LoadSettings();
        settingsLoaded_ = true;
    }
    app_.GameSettings().Version = kSettingsVersion;
    QStringList notes;
    for (int n = 0; n < 4; ++n) {
        const SlotInfo info = app_.Store().InspectSlot(n);
        prev_[static_cast<std::size_t>(n)]->setText(Shown(info.Summary));
        prev_[static_cast<std::size_t>(n)]->setToolTip(QString::fromStdString(info.Reason));
        restore_[static_cast<std::size_t>(n)]->setVisible(info.CanRestore());
        for (const std::string &note : info.Notes) notes << QString::fromStdString(note);
    }
    if (const std::string note = app_.Store().SettingsNote(); !note.empty())
        notes << QString::fromStdString(note);
    if (!app_.Store().Location().Notice.empty())
        notes << QStringLiteral("セーブの保存先：") +
                     QDir::toNativeSeparators(app_.Store().Folder());
    notes_->setText(notes.join(QLatin1Char('\n')));
    notes_->setVisible(!notes.isEmpty());
}

void BeginForm::OpenSlot(int slot) {
    app_.GameSettings().CurrentSlot = static_cast<std::uint8_t>(slot);
    const SlotInfo info = app_.Store().InspectSlot(slot);
    if (info.RecoveryOffered) {
        // Either answer keeps both files until the game is next closed normally.
        const QString question = QStringLiteral(
                                     "前回は正しく終了しませんでした。\r%1　%2\r"
                                     "最後に終わった週から続けますか？")
                                     .arg(QString::fromStdString(info.Recovery.Date),
                                          QString::fromStdString(info.Recovery.Funds));
        if (AskQuestionYesFirst(question, QString(), 12, this)) {
            if (app_.ContinueGame(true))
                hide();
            else
                Refresh();
            return;
        }
    }
    if (info.State == SlotState::Damaged) {
        QString message = QStringLiteral("データ%1は壊れているため読み込めません。\r%2")
                              .arg(slot + 1)
                              .arg(QString::fromStdString(info.Reason));
        if (info.CanRestore())
            message += QStringLiteral("\r「バックアップから復元」で前の保存に戻せます。");
        ShowNotice(message, QString(), 12, this);
        return;
    }
    if (info.State == SlotState::Occupied) {
        if (!AskQuestionYesFirst(QStringLiteral("このデータでいいですか？"), QString(), 12, this))
            return;
        if (app_.ContinueGame(false))
            hide();
        else
            Refresh();
        return;
    }
    app_.ShowNewGame();
    hide();
}

void BeginForm::EraseSlot(int slot) {
    if (!AskQuestion(QStringLiteral("本当にデータを消しますか？"), QString(), 12, this)) return;
    const Status erased = app_.Store().EraseSlot(slot);
    if (!erased) {
        ShowNotice(QStringLiteral("データ%1を消せませんでした。\r%2")
                       .arg(slot + 1)
                       .arg(QString::fromStdString(erased.Reason())),
                   QString(), 12, this);
    }
    Refresh();
}

void BeginForm::RestoreSlot(int slot) {
    const SlotInfo info = app_.Store().InspectSlot(slot);
    if (!info.CanRestore()) {
        Refresh();
        return;
    }
    const QString question = QStringLiteral("データ%1をバックアップから復元しますか？\r%2")
                                 .arg(slot + 1)
                                 .arg(QString::fromStdString(info.Backup.Summary));
    if (!AskQuestion(question, QString(), 12, this)) return;
    const Status restored = app_.Store().RestoreBackup(slot);
    if (!restored) {
        ShowNotice(QStringLiteral("データ%1を復元できませんでした。\r%2")
                       .arg(slot + 1)
                       .arg(QString::fromStdString(restored.Reason())),
                   QString(), 12, this);
    }
    Refresh();
}

void BeginForm::OpenSettings() {
    SetWIn dialog(app_.GameSettings(), this);
    dialog.exec();
}

void BeginForm::closeEvent(QCloseEvent *event) {
    // Only "終了" ends the program from here, so the settings are always written.
    event->ignore();
}

}  // namespace tk
