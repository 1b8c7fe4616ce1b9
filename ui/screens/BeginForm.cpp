// The title screen.
#include "ui/screens/BeginForm.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "history/history_store.h"
#include "storage/file_checks.h"
#include "storage/save_store.h"
#include "storage/slot_lock.h"
#include "storage/stale_files.h"
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

QString FileName(const QString &path) {
    return path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
}

// A backup the player may put back: any usable one, over a slot file that may be replaced.
bool OffersBackup(const SlotInfo &info) {
    return info.PlainFile && info.Backup.Usable;
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
    // What a killed write left in the Data folder (a tool's, or this game's) goes.
    RemoveStaleTemporaries(app_.Store().Folder());
    QStringList notes;
    for (int n = 0; n < 4; ++n) {
        const SlotInfo info = app_.Store().InspectSlot(n);
        const auto user = SlotLock::UserOf(app_.Store().SlotPath(n));
        QString summary = Shown(info.Summary);
        // The week a crash left waiting, so the player can tell it from the slot's own.
        if (info.RecoveryOffered)
            summary += QStringLiteral("\n続き：%1 %2")
                           .arg(Shown(info.Recovery.Date), Shown(info.Recovery.Funds));
        if (user) summary += QStringLiteral("\n（ほかのテニス監督が使用中）");
        prev_[static_cast<std::size_t>(n)]->setText(summary);
        prev_[static_cast<std::size_t>(n)]->setToolTip(QString::fromStdString(info.Reason));
        QPushButton *restore = restore_[static_cast<std::size_t>(n)];
        restore->setVisible(OffersBackup(info));
        const QString backup = QStringLiteral("バックアップ（前回の保存）：%1　%2")
                                   .arg(QString::fromStdString(info.Backup.Date),
                                        QString::fromStdString(info.Backup.Funds));
        restore->setToolTip(OffersBackup(info) ? backup : QString());
        restore->setAccessibleDescription(restore->toolTip());
        if (user) {
            notes << QStringLiteral("データ%1はほかのテニス監督が使っています：%2")
                         .arg(n + 1)
                         .arg(QString::fromStdString(user->Text()));
        }
        for (const std::string &note : info.Notes) notes << QString::fromStdString(note);
        // The history is named like the slot's other files when it cannot be used; it is
        // never opened through a link, not even one inside the folder.
        const QString history = HistoryPath(app_.Store(), n);
        for (const QString &file : {history, history + QStringLiteral("-journal")}) {
            const FileCheck check = CheckFile(file, app_.Store().Folder());
            QString why = QString::fromStdString(check.Reason);
            if (check.State != FileState::Unusable)
                why = QFileInfo(file).isSymLink() ? QStringLiteral("リンクです") : QString();
            if (!why.isEmpty()) notes << FileName(file) + QStringLiteral(" は使えません：") + why;
        }
    }
    if (const std::string note = app_.Store().SettingsNote(); !note.empty())
        notes << QString::fromStdString(note);
    if (!app_.Store().Location().Notice.empty())
        notes << QStringLiteral("セーブの保存先：") +
                     QDir::toNativeSeparators(app_.Store().Folder());
    notes_->setText(notes.join(QLatin1Char('\n')));
    notes_->setVisible(!notes.isEmpty());
}

bool BeginForm::RefuseInUse(int slot) {
    const auto user = SlotLock::UserOf(app_.Store().SlotPath(slot));
    if (!user) return false;
    app_.Messages().ShowNotice(MessageKind::Warning,
                               QStringLiteral("データ%1はほかのテニス監督が使っています。\r%2\r"
                                              "そちらを終了してから選んでください。")
                                   .arg(slot + 1)
                                   .arg(QString::fromStdString(user->Text())),
                               QString(), 12, this);
    Refresh();
    return true;
}

void BeginForm::OpenSlot(int slot) {
    // A slot another copy has open is neither opened, recovered, erased nor restored here.
    if (RefuseInUse(slot)) return;
    app_.GameSettings().CurrentSlot = static_cast<std::uint8_t>(slot);
    const SlotInfo info = app_.Store().InspectSlot(slot);
    if (info.RecoveryOffered) {
        // Either answer keeps both files until the game is next closed normally.
        const QString question = QStringLiteral(
                                     "前回は正しく終了しませんでした。\r%1　%2\r"
                                     "最後に終わった週から続けますか？")
                                     .arg(QString::fromStdString(info.Recovery.Date),
                                          QString::fromStdString(info.Recovery.Funds));
        if (app_.Messages().AskQuestionYesFirst(question, QString(), 12, this)) {
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
        app_.Messages().ShowNotice(MessageKind::Warning, message, QString(), 12, this);
        return;
    }
    if (info.State == SlotState::Occupied) {
        if (!app_.Messages().AskQuestionYesFirst(QStringLiteral("このデータでいいですか？"),
                                                 QString(), 12, this))
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
    if (RefuseInUse(slot)) return;
    if (!app_.Messages().AskQuestion(QStringLiteral("本当にデータを消しますか？"), QString(), 12,
                                     this))
        return;
    // Held while erasing, so that no copy opens the slot half erased.
    SlotLock lock(app_.Store().SlotPath(slot));
    Status erased = lock.Take();
    if (erased) erased = app_.Store().EraseSlot(slot);
    lock.Release();
    if (!erased) {
        app_.Messages().ShowNotice(MessageKind::Warning,
                                   QStringLiteral("データ%1を消せませんでした。\r%2")
                                       .arg(slot + 1)
                                       .arg(QString::fromStdString(erased.Reason())),
                                   QString(), 12, this);
    }
    Refresh();
}

void BeginForm::RestoreSlot(int slot) {
    if (RefuseInUse(slot)) return;
    const SlotInfo info = app_.Store().InspectSlot(slot);
    if (!OffersBackup(info)) {
        Refresh();
        return;
    }
    QString question = QStringLiteral("データ%1をバックアップから復元しますか？\r%2")
                           .arg(slot + 1)
                           .arg(QString::fromStdString(info.Backup.Summary));
    if (info.State == SlotState::Occupied)
        question += QStringLiteral("\r今のデータはバックアップとして残ります。");
    if (app_.Messages().AskQuestion(question, QString(), 12, this)) {
        SlotLock lock(app_.Store().SlotPath(slot));
        Status restored = lock.Take();
        if (restored) restored = app_.Store().RestoreBackup(slot);
        if (!restored) {
            app_.Messages().ShowNotice(MessageKind::Warning,
                                       QStringLiteral("データ%1を復元できませんでした。\r%2")
                                           .arg(slot + 1)
                                           .arg(QString::fromStdString(restored.Reason())),
                                       QString(), 12, this);
        }
    }
    Refresh();
    // The player stays on the slot: its restore button (for undoing), or its open button.
    QPushButton *stay = restore_[static_cast<std::size_t>(slot)];
    if (stay->isHidden()) stay = saveData_[static_cast<std::size_t>(slot)];
    stay->setFocus(Qt::OtherFocusReason);
}

void BeginForm::OpenSettings() {
    EditSettings(app_.GameSettings(), app_.Store(), app_.Messages(), this);
}

void BeginForm::closeEvent(QCloseEvent *event) {
    // Only "終了" ends the program from here, so the settings are always written.
    event->ignore();
}

}  // namespace tk
