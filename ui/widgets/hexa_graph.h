// The hexagon chart of a player's six skills (HexaGraph), drawn by hand.
#pragma once

#include <array>

#include <QLineF>
#include <QPointF>
#include <QWidget>

namespace tk {

// A square of 2400 layout units (twips) with six dotted axes and the player's hexagon in
// light yellow. Used by the main screen, the player detail screen, the lineup screen and
// the match screen.
class HexaGraph : public QWidget {
    Q_OBJECT

public:
    using Levels = std::array<int, 6>;

    // The chart's geometry in twips; y grows downwards.
    static constexpr double kSideTwips = 2400.0;
    static constexpr double kCentreTwips = 1200.0;
    static constexpr double kTwipsPerLevel = 3.81;
    static constexpr int kFullLevel = 250;  // the axes are as long as this level reaches

    explicit HexaGraph(QWidget *parent = nullptr);

    // Draws levels d1..d6 (skills 1..6: stamina, power, technique, agility, shot, volley).
    void MakeGraph(int d1, int d2, int d3, int d4, int d5, int d6);
    void MakeGraph(const Levels &levels);
    const Levels &CurrentLevels() const { return levels_; }

    // Corners 1..6 (top, upper right, lower right, bottom, lower left, upper left) of the
    // hexagon for these levels, in twips. Levels are taken as bytes (0..255).
    static std::array<QPointF, 6> Corners(const Levels &levels);
    // Lines 0..5: line i joins corner i + 1 to corner i + 2, line 5 corner 6 to corner 1.
    static std::array<QLineF, 6> Lines(const Levels &levels);
    // The six axes, from the centre towards the corners, each as long as the full level
    // reaches straight up (about 950 units).
    static std::array<QLineF, 6> Axes();
    // Captions of the axes, in corner order.
    static const std::array<const char *, 6> &Captions();

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Levels levels_{};
};

}  // namespace tk
