// The hexagon chart of a player's six skills (HexaGraph), drawn by hand.
#include "ui/widgets/hexa_graph.h"

#include <algorithm>

#include <QFontMetrics>
#include <QPainter>
#include <QPen>

#include "core/rules/lookups.h"
#include "core/rules/rating_rules.h"
#include "ui/base/units.h"
#include "ui/widgets/accessible_item.h"
#include "ui/widgets/label_style.h"

namespace tk {

namespace {

const QColor kChartBackground(24, 64, 48);  // the dark green of a hard court
const QColor kAxisColour(200, 200, 200);
const QColor kCaptionColour(255, 255, 255);

}  // namespace

HexaGraph::HexaGraph(QWidget *parent) : QWidget(parent) {
    setObjectName(QStringLiteral("HexaGraph"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAccessibleName(QStringLiteral("能力グラフ"));
}

void HexaGraph::MakeGraph(int d1, int d2, int d3, int d4, int d5, int d6) {
    MakeGraph(Levels{d1, d2, d3, d4, d5, d6});
}

void HexaGraph::MakeGraph(const Levels &levels) {
    levels_ = levels;
    // The chart's six grades as text, for a screen reader: "能力グラフ スタミナ B、パワー C…".
    QStringList grades;
    for (std::size_t k = 0; k < levels.size(); ++k)
        grades << QString::fromUtf8(Captions()[k]) + QLatin1Char(' ') +
                      QString::fromStdString(GradeLetter(levels[k]));
    SetAccessibleText(this, QStringLiteral("能力グラフ ") + grades.join(QStringLiteral("、")));
    update();
}

std::array<QPointF, 6> HexaGraph::Corners(const Levels &levels) {
    std::array<double, 6> r{};
    for (std::size_t k = 0; k < r.size(); ++k)
        r[k] = kTwipsPerLevel * std::clamp(levels[k], 0, 255);
    const double c = kCentreTwips;
    // The side corners lie the full value out and half of it up or down, so equal levels
    // draw a hexagon wider than it is tall; the lower-left one sits 10 units lower.
    return {QPointF(c, c - r[0]),
            QPointF(c + r[1], c - 0.5 * r[1]),
            QPointF(c + r[2], c + 0.5 * r[2]),
            QPointF(c, c + r[3]),
            QPointF(c - r[4], c + 0.5 * r[4] + 10.0),
            QPointF(c - r[5], c - 0.5 * r[5])};
}

std::array<QLineF, 6> HexaGraph::Lines(const Levels &levels) {
    const auto corner = Corners(levels);
    std::array<QLineF, 6> lines;
    for (std::size_t i = 0; i < lines.size(); ++i)
        lines[i] = QLineF(corner[i], corner[(i + 1) % 6]);
    return lines;
}

std::array<QLineF, 6> HexaGraph::Axes() {
    // Every axis has the same length, the reach of the full level straight up (952.5
    // units), pointing towards its corner; a side corner of a strong player, which lies
    // the full value out and half of it up or down, ends beyond its axis.
    Levels full;
    full.fill(kFullLevel);
    const auto ends = Corners(full);
    const QPointF centre(kCentreTwips, kCentreTwips);
    const double length = kTwipsPerLevel * kFullLevel;
    std::array<QLineF, 6> axes;
    for (std::size_t k = 0; k < axes.size(); ++k) {
        axes[k] = QLineF(centre, ends[k]);
        axes[k].setLength(length);
    }
    return axes;
}

const std::array<const char *, 6> &HexaGraph::Captions() {
    static const std::array<const char *, 6> captions = {"スタミナ", "パワー",   "技術",
                                                         "敏捷",     "ショット", "ボレー"};
    return captions;
}

QSize HexaGraph::sizeHint() const {
    const int side = TwipsToPixels(static_cast<int>(kSideTwips));
    return {side, side};
}

QSize HexaGraph::minimumSizeHint() const {
    return sizeHint() / 2;
}

void HexaGraph::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    painter.fillRect(rect(), kChartBackground);
    painter.setRenderHint(QPainter::Antialiasing);

    // The chart keeps its square shape in the middle of whatever room it is given.
    const double side = std::min(width(), height());
    const double scale = side / kSideTwips;
    QTransform toWidget;
    toWidget.translate((width() - side) / 2.0, (height() - side) / 2.0);
    toWidget.scale(scale, scale);

    QPen axisPen(kAxisColour, 1, Qt::DotLine);
    axisPen.setCosmetic(true);
    painter.setPen(axisPen);
    for (const QLineF &axis : Axes()) painter.drawLine(toWidget.map(axis));

    // Captions stay upright and readable at any size, just outside each axis's end.
    QFont font = painter.font();
    font.setPixelSize(std::max(8, static_cast<int>(side / 14.0)));
    painter.setFont(font);
    painter.setPen(kCaptionColour);
    const QFontMetrics metrics(font);
    const QRectF bounds(rect());
    const auto axes = Axes();
    for (std::size_t k = 0; k < axes.size(); ++k) {
        const QString text = QString::fromUtf8(Captions()[k]);
        const QSizeF size(metrics.horizontalAdvance(text) + 2, metrics.height());
        const QLineF axis = toWidget.map(axes[k]);
        const QPointF out = axis.unitVector().p2() - axis.p1();
        QPointF centre =
            axis.p2() + QPointF(out.x() * size.width() / 2, out.y() * size.height() / 2);
        QRectF box(QPointF(), size);
        box.moveCenter(centre);
        box.moveLeft(std::clamp(box.left(), bounds.left(), bounds.right() - box.width()));
        box.moveTop(std::clamp(box.top(), bounds.top(), bounds.bottom() - box.height()));
        painter.drawText(box, Qt::AlignCenter, text);
    }

    QPen linePen(ColorFromRgb(kHexagonColour), 2);
    linePen.setCosmetic(true);
    linePen.setCapStyle(Qt::RoundCap);
    painter.setPen(linePen);
    for (const QLineF &line : Lines(levels_)) painter.drawLine(toWidget.map(line));
}

}  // namespace tk
