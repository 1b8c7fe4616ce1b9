// The whole-grounds screen's picture: the nine lots as small tiles of their display kind (so
// night and rain show), a frame over each lot marked for maintenance, and the courts' bars.
#pragma once

#include <array>

#include <QWidget>

#include "core/rules/land_rules.h"

namespace tk {

class AccessibleItem;

class WholeGroundsPicture : public QWidget {
    Q_OBJECT

public:
    explicit WholeGroundsPicture(QWidget *parent = nullptr);

    // Takes the lots, the time of day and the weather from the record.
    void Redraw(const GameState &s, const MaintainMarks &marks);

    int DisplayKindOf(int lot) const { return displayKinds_.at(static_cast<std::size_t>(lot)); }
    bool FrameShown(int lot) const { return marked_.at(static_cast<std::size_t>(lot)); }
    // ConditionBar(lot): visible for courts only.
    QWidget *ConditionBar(int lot) const { return bars_.at(static_cast<std::size_t>(lot)); }

    static QRect LotRect(int lot);
    static int LotAt(const QPoint &pos);  // -1 between the tiles
    QSize sizeHint() const override;

signals:
    void lotClicked(int lot);  // Elected_Click

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    std::array<int, kLots> displayKinds_{};
    std::array<bool, kLots> marked_{};
    std::array<QWidget *, kLots> bars_{};
    std::array<AccessibleItem *, kLots> items_{};  // each lot as a screen reader meets it
};

}  // namespace tk
