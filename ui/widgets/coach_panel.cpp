// The main screen's coach slots (whole-team and individual) and the clicked coach's worth.
#include "ui/widgets/coach_panel.h"

#include <QGridLayout>
#include <QLabel>

#include "core/rules/rating_rules.h"
#include "ui/widgets/click_label.h"
#include "ui/widgets/label_style.h"

namespace tk {

CoachPanel::CoachPanel(QWidget *parent) : QWidget(parent) {
    setObjectName(QStringLiteral("CoachPanel"));
    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(4, 4, 4, 4);
    const char *captions[] = {"コーチ（全体）", "コーチ（個別）"};
    for (int slot = 0; slot < 2; ++slot) {
        auto *caption = new QLabel(QString::fromUtf8(captions[slot]), this);
        auto *name = new ClickLabel(this);
        name->setObjectName(QStringLiteral("CoachNames_%1").arg(slot));
        name->setText(QString::fromUtf8(kNoCoach));
        name->setMinimumWidth(104);
        name->setMinimumHeight(name->fontMetrics().height() + 4);
        name->setFrameShape(QFrame::Panel);
        name->setFrameShadow(QFrame::Sunken);
        SetBackgroundColour(name, ColorFromRgb(kCoachSlotColour));
        connect(name, &ClickLabel::clicked, this, [this, slot] { emit slotClicked(slot); });
        grid->addWidget(caption, slot, 0);
        grid->addWidget(name, slot, 1);
        names_[static_cast<std::size_t>(slot)] = name;
    }

    auto *abilityCaption = new QLabel(QStringLiteral("能力"), this);
    grade_ = new QLabel(this);
    grade_->setObjectName(QStringLiteral("CForce_0"));
    QFont bold = grade_->font();
    bold.setBold(true);
    grade_->setFont(bold);
    salary_ = new QLabel(this);
    salary_->setObjectName(QStringLiteral("CForce_7"));
    grid->addWidget(abilityCaption, 2, 0);
    grid->addWidget(grade_, 2, 1);
    grid->addWidget(salary_, 3, 0, 1, 2);
    grid->setRowStretch(4, 1);
}

QLabel *CoachPanel::CoachNames(int slot) const {
    return names_.at(static_cast<std::size_t>(slot));
}

QLabel *CoachPanel::CForce(int i) const {
    if (i == 0) return grade_;
    if (i == 7) return salary_;
    return nullptr;
}

void CoachPanel::CoachWinMake(const GameState &s) {
    const auto names = CoachSlotNames(s);
    for (std::size_t slot = 0; slot < names.size(); ++slot)
        names_[slot]->setText(FromUtf8(names[slot]));
    // A coach hired or released since the last click must not leave his old salary behind.
    if (highlighted_ >= 0) ShowCoach(s, highlighted_);
}

void CoachPanel::Select(const GameState &s, int slot) {
    if (slot < 0 || slot >= kCoachSlotCount) return;
    ShowCoach(s, slot);
    if (highlighted_ >= 0)
        SetBackgroundColour(names_[static_cast<std::size_t>(highlighted_)],
                            ColorFromRgb(kCoachSlotColour));
    SetBackgroundColour(names_[static_cast<std::size_t>(slot)], ColorFromRgb(kCoachSlotSelected));
    highlighted_ = slot;
}

void CoachPanel::ShowCoach(const GameState &s, int slot) {
    const CoachSummary v = MakeCoachSummary(s, slot);
    salary_->setText(FromUtf8(v.salary));
    ShowGrade(grade_, v.grade);
}

}  // namespace tk
