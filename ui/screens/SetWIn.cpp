// The game settings (ゲーム進行速度設定): the speed and how notices close.
#include "ui/screens/SetWIn.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <utility>

#include "storage/save_store.h"
#include "ui/base/messages.h"

namespace tk {

namespace {
constexpr std::int16_t kFast = -1;
constexpr std::int16_t kNormal = 0;
}  // namespace

SetWIn::SetWIn(Settings &settings, QWidget *parent) : QDialog(parent), settings_(settings) {
    setObjectName(QStringLiteral("SetWIn"));
    setWindowTitle(QStringLiteral("ゲーム進行速度設定"));
    setModal(true);

    auto *speed = new QGroupBox(QStringLiteral("ゲーム進行速度"), this);
    fast_ = new QRadioButton(QStringLiteral("高速"), speed);
    fast_->setObjectName(QStringLiteral("FastOption"));
    normal_ = new QRadioButton(QStringLiteral("普通"), speed);
    normal_->setObjectName(QStringLiteral("NormalOption"));
    auto *options = new QVBoxLayout(speed);
    options->addWidget(fast_);
    options->addWidget(normal_);

    // A player who reads slowly keeps every notice on screen until he closes it; one who
    // wants the season to flow reads the routine reports in the main screen's news column.
    auto *notices = new QGroupBox(QStringLiteral("メッセージの表示"), this);
    noticeCloses_ = new QRadioButton(QStringLiteral("5秒で自動的に閉じる"), notices);
    noticeCloses_->setObjectName(QStringLiteral("NoticeClosesOption"));
    noticeWaits_ = new QRadioButton(QStringLiteral("「閉じる」を押すまで表示"), notices);
    noticeWaits_->setObjectName(QStringLiteral("NoticeWaitsOption"));
    noticeNews_ = new QRadioButton(QStringLiteral("報告はニュース欄に表示"), notices);
    noticeNews_->setObjectName(QStringLiteral("NoticeNewsOption"));
    noticeNews_->setToolTip(
        QStringLiteral("試合の結果や賞金などの報告はメイン画面のニュース欄に並びます。質問と警告は"
                       "今までどおり表示します"));
    auto *noticeOptions = new QVBoxLayout(notices);
    noticeOptions->addWidget(noticeCloses_);
    noticeOptions->addWidget(noticeWaits_);
    noticeOptions->addWidget(noticeNews_);

    ok_ = new QPushButton(QStringLiteral("OK"), this);
    ok_->setObjectName(QStringLiteral("OkButton"));
    ok_->setDefault(true);
    cancel_ = new QPushButton(QStringLiteral("キャンセル"), this);
    cancel_->setObjectName(QStringLiteral("CancelButton"));
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok_);
    buttons->addWidget(cancel_);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(speed);
    layout->addWidget(notices);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    // Any stored value but -1 reads as normal speed.
    choice_ = settings_.FastMode == kFast ? kFast : kNormal;
    (choice_ == kFast ? fast_ : normal_)->setChecked(true);
    using Mode = NoticeMode;
    const std::pair<QRadioButton *, Mode> noticeChoices[] = {
        {noticeCloses_, Mode::Closes}, {noticeWaits_, Mode::Waits}, {noticeNews_, Mode::News}};
    notices_ = NoticeChoice(settings_);
    for (const auto &[option, mode] : noticeChoices) option->setChecked(mode == notices_);

    // Mouse or arrow keys alike change the held choice.
    connect(fast_, &QRadioButton::toggled, this, [this](bool on) {
        if (on) choice_ = kFast;
    });
    connect(normal_, &QRadioButton::toggled, this, [this](bool on) {
        if (on) choice_ = kNormal;
    });
    for (const auto &[option, mode] : noticeChoices)
        connect(option, &QRadioButton::toggled, this, [this, mode](bool on) {
            if (on) notices_ = mode;
        });
    connect(ok_, &QPushButton::clicked, this, &SetWIn::Store);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
}

void SetWIn::Store() {
    settings_.FastMode = choice_;
    SetNoticeChoice(settings_, notices_);
    accept();
}

bool EditSettings(Settings &settings, SaveStore &store, const MessageRoute &messages,
                  QWidget *parent) {
    const Settings before = settings;
    SetWIn dialog(settings, parent);
    dialog.exec();
    if (settings == before) return false;
    const Status saved = store.SaveSettings(settings);
    if (!saved)
        messages.ShowNotice(MessageKind::Warning,
                            QStringLiteral("設定を保存できませんでした。\r%1")
                                .arg(QString::fromStdString(saved.Reason())),
                            QString(), 12, parent);
    return true;
}

}  // namespace tk
