// The main screen's view of the grounds: the top band of gate and side pictures, the nine
// lots as tiles of their display kind, the selected lot's marker and the practice overlay.
#pragma once

#include <QWidget>

#include "core/state/game_state.h"

namespace tk {

class AccessibleItem;

// What a screen reader reads of a lot: its number, kind, use and condition.
QString LotAccessibleText(const GameState &s, int lot);

class GroundsView : public QWidget {
    Q_OBJECT

public:
    explicit GroundsView(QWidget *parent = nullptr);

    // Takes the lots, time of day, weather and side-picture flags from the record.
    void Redraw(const GameState &s);
    void SetSelectedLot(int lot);
    void SetOverlayVisible(bool visible);
    // Draws the grounds smaller (0.5..1) on a screen too small for the whole main screen.
    void SetDrawScale(double scale);
    double DrawScale() const { return scale_; }
    bool OverlayVisible() const { return overlay_; }

    // The lot under a point of the view, or -1.
    static int LotAt(const QPoint &pos);
    static QRect LotRect(int lot);
    // What accessibility sees of lot i: a button naming its kind and condition.
    AccessibleItem *LotItem(int lot) const { return items_[static_cast<std::size_t>(lot)]; }

    QSize sizeHint() const override;

signals:
    void lotClicked(int lot);
    void lotDoubleClicked(int lot);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    void BuildItems();
    void NameItems();

    std::array<AccessibleItem *, kLots> items_{};
    std::array<QString, kLots> lotTexts_{};
    std::array<int, kLots> displayKinds_{};
    std::array<std::uint8_t, 2> sides_{};
    int selected_ = 0;
    double scale_ = 1.0;
    bool overlay_ = false;
};

}  // namespace tk
