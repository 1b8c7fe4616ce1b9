// The court split screen.
#include "ui/screens/DistributeWin.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/rules/court_rules.h"
#include "core/rules/lookups.h"
#include "ui/widgets/label_style.h"
#include "ui/widgets/screen_keys.h"

namespace tk {

namespace {

struct FrameText {
    const char *caption;
    const char *label;
    const char *teamButton;
    const char *individualButton;
};

// By situation: fine day, fine night, rain.
constexpr FrameText kFrames[] = {
    {"昼/晴れ", "Dis", "Command1", "Command2"},
    {"夜/晴れ", "DisN", "Command4", "Command3"},
    {"雨天時", "DisR", "Command6", "Command5"},
};

const char *const kNotes[] = {"個人練習はコーチが\nいなければ配分できません",
                              "全体練習は最低１コート", "個人練習は２コートまで"};

}  // namespace

DistributeWin::DistributeWin(GameState &state, QWidget *parent) : QDialog(parent), state_(state) {
    setObjectName(QStringLiteral("DistributeWin"));
    setWindowTitle(QString::fromUtf8(kCourtSplitCaption));
    setModal(true);

    auto *frames = new QHBoxLayout;
    for (CourtSituation k : kCourtSituations) frames->addWidget(MakeFrame(k));

    auto *notes = new QVBoxLayout;
    for (int i = 0; i < 3; ++i) {
        auto *note = new QLabel(QString::fromUtf8(kNotes[i]), this);
        note->setObjectName(QStringLiteral("Note_%1").arg(i));
        notes->addWidget(note);
    }
    close_ = new QPushButton(QStringLiteral("閉じる"), this);
    close_->setObjectName(QStringLiteral("Command7"));
    close_->setAutoDefault(false);
    connect(close_, &QPushButton::clicked, this, &DistributeWin::accept);

    auto *bottom = new QHBoxLayout;
    bottom->addLayout(notes);
    bottom->addStretch();
    bottom->addWidget(close_, 0, Qt::AlignBottom);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(frames);
    layout->addLayout(bottom);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    Redraw();
    SetUpScreenKeys(this, close_);
}

QWidget *DistributeWin::MakeFrame(CourtSituation k) {
    const FrameText &text = kFrames[Index(k)];
    auto *frame = new QGroupBox(QString::fromUtf8(text.caption), this);
    Frame &f = frames_[Index(k)];

    auto *heading = new QLabel(QStringLiteral("全体練習 : 個人練習"), frame);
    heading->setAlignment(Qt::AlignCenter);
    f.split = new QLabel(frame);
    f.split->setObjectName(QString::fromUtf8(text.label));
    f.split->setAlignment(Qt::AlignCenter);
    QFont big = f.split->font();
    big.setPointSize(big.pointSize() * 2);
    big.setBold(true);
    f.split->setFont(big);

    f.team = new QPushButton(QStringLiteral("全体練習\nを増やす"), frame);
    f.team->setObjectName(QString::fromUtf8(text.teamButton));
    f.individual = new QPushButton(QStringLiteral("個人練習\nを増やす"), frame);
    f.individual->setObjectName(QString::fromUtf8(text.individualButton));
    for (QPushButton *b : {f.team, f.individual}) b->setAutoDefault(false);
    connect(f.team, &QPushButton::clicked, this, [this, k] { AddTeamCourt(k); });
    connect(f.individual, &QPushButton::clicked, this, [this, k] { AddIndividualCourt(k); });

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(f.team);
    buttons->addWidget(f.individual);
    auto *layout = new QVBoxLayout(frame);
    layout->addWidget(heading);
    layout->addWidget(f.split);
    layout->addLayout(buttons);
    return frame;
}

void DistributeWin::Redraw() {
    // The split is recounted first, so a court lost meanwhile is never shown as given.
    const std::array<CourtSplit, 3> splits = CourtSplits(state_);
    for (CourtSituation k : kCourtSituations) {
        const Frame &f = frames_[Index(k)];
        f.split->setText(FromUtf8(CourtSplitText(splits[Index(k)])));
        // As the rules say, only the individual-practice buttons wait for an individual
        // coach; a press that can move no court simply does nothing.
        f.individual->setEnabled(HasIndividualCoach(state_));
    }
}

void DistributeWin::AddTeamCourt(CourtSituation k) {
    tk::AddTeamCourt(state_, k);
    Redraw();
}

void DistributeWin::AddIndividualCourt(CourtSituation k) {
    tk::AddIndividualCourt(state_, k);
    Redraw();
}

void DistributeWin::done(int result) {
    CountUsableCourts(state_);
    QDialog::done(result);
}

}  // namespace tk
