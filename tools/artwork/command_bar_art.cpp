// The command bar strip: the eight colour-coded buttons of the rules, 連続進行 and its 停止 face,
// each with an icon and its label, in a released face (top band) and a pressed face (35 pixels
// lower).
#include <cmath>

#include <QLinearGradient>

#include "tools/artwork/art_kit.h"
#include "tools/artwork/art_pictures.h"
#include "ui/widgets/picture_catalogue.h"

namespace tk::art {
namespace {

struct ButtonLook {
    const char *label;
    QColor colour;
};

const ButtonLook kButtons[kCommandStripFaces] = {
    {"次の週へ", QColor(238, 112, 24)},
    {"練習", QColor(46, 160, 70)},
    {"試合", QColor(214, 46, 56)},
    {"アイテム", QColor(150, 76, 196)},
    {"設定", QColor(96, 112, 140)},
    {"事務所", QColor(36, 104, 204)},
    {"選手", QColor(20, 150, 160)},
    {"土地", QColor(150, 112, 40)},
    // 連続進行 is a deeper shade of 次の週へ, its kin; 停止 the red of a stop sign.
    {"連続進行", QColor(206, 80, 14)},
    {"停止", QColor(190, 28, 36)},
};

const QColor kInk(255, 255, 255);
const QColor kInkLine(20, 24, 48);

void IconAdvance(QPainter &p) {
    for (double x : {0.0, 6.0}) {
        QPolygonF t({QPointF(x + 1, 2), QPointF(x + 8, 7), QPointF(x + 1, 12)});
        p.drawPolygon(t);
    }
}

// Two arrows running up to a bar: on until the next thing that needs the manager.
void IconRun(QPainter &p) {
    for (double x : {0.0, 5.0}) {
        QPolygonF t({QPointF(x + 0.5, 2), QPointF(x + 6.5, 7), QPointF(x + 0.5, 12)});
        p.drawPolygon(t);
    }
    p.drawRect(QRectF(11, 2, 2.2, 10));
}

void IconStop(QPainter &p) {
    p.drawRoundedRect(QRectF(2.5, 2.5, 9, 9), 1.5, 1.5);
}

void IconRacket(QPainter &p) {
    p.save();
    p.translate(7, 7);
    p.rotate(-40);
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(0, -2.5), 3.6, 4.4);
    p.drawLine(QPointF(0, 2), QPointF(0, 7.5));
    p.restore();
    p.setBrush(QColor(225, 245, 60));
    p.drawEllipse(QPointF(11.5, 11), 2.2, 2.2);
}

void IconTrophy(QPainter &p) {
    p.setBrush(QColor(255, 214, 40));
    QPainterPath cup;
    cup.moveTo(3, 1.5);
    cup.lineTo(11, 1.5);
    cup.cubicTo(11, 7, 9, 8, 7, 8.5);
    cup.cubicTo(5, 8, 3, 7, 3, 1.5);
    p.drawPath(cup);
    p.drawRect(QRectF(6.2, 8.5, 1.6, 2.5));
    p.drawRect(QRectF(4, 11, 6, 1.8));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(0.5, 2.5, 4, 4), 90 * 16, 180 * 16);
    p.drawArc(QRectF(9.5, 2.5, 4, 4), 270 * 16, 180 * 16);
}

void IconGift(QPainter &p) {
    p.drawRect(QRectF(2, 5.5, 10, 7));
    p.drawRect(QRectF(1.5, 3.5, 11, 2.5));
    p.setBrush(QColor(255, 80, 110));
    p.drawRect(QRectF(6, 3.5, 2, 9));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QRectF(3.5, 0.8, 3.5, 2.8));
    p.drawEllipse(QRectF(7, 0.8, 3.5, 2.8));
}

void IconGear(QPainter &p) {
    QPainterPath gear;
    for (int i = 0; i < 16; ++i) {
        const double a = i * M_PI / 8, r = (i % 2 == 0) ? 6.3 : 4.6;
        const QPointF q(7 + r * std::cos(a), 7 + r * std::sin(a));
        if (i == 0)
            gear.moveTo(q);
        else
            gear.lineTo(q);
    }
    gear.closeSubpath();
    gear.addEllipse(QPointF(7, 7), 2, 2);
    gear.setFillRule(Qt::OddEvenFill);
    p.drawPath(gear);
}

void IconOffice(QPainter &p) {
    p.drawRect(QRectF(2.5, 1.5, 9, 11));
    p.setBrush(QColor(120, 190, 250));
    for (int r = 0; r < 3; ++r) {
        p.drawRect(QRectF(4.2, 3.2 + r * 2.8, 1.8, 1.6));
        p.drawRect(QRectF(8, 3.2 + r * 2.8, 1.8, 1.6));
    }
}

void IconPlayer(QPainter &p) {
    p.drawEllipse(QPointF(7, 4), 2.8, 2.8);
    QPainterPath body;
    body.moveTo(1.5, 13);
    body.cubicTo(1.5, 7.5, 12.5, 7.5, 12.5, 13);
    body.closeSubpath();
    p.drawPath(body);
}

void IconLand(QPainter &p) {
    p.setBrush(QColor(120, 220, 90));
    p.drawEllipse(QPointF(7, 5), 4.5, 4);
    p.setBrush(kInk);
    p.drawRect(QRectF(6.2, 8.5, 1.6, 3));
    p.setBrush(QColor(210, 170, 100));
    QPainterPath hill;
    hill.moveTo(0.5, 13);
    hill.cubicTo(3, 10.5, 11, 10.5, 13.5, 13);
    hill.closeSubpath();
    p.drawPath(hill);
}

void Icon(QPainter &p, int button) {
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(kInkLine, 1.1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(kInk);
    switch (button) {
        case 0: IconAdvance(p); break;
        case 1:
            p.setPen(QPen(kInk, 1.6));
            IconRacket(p);
            break;
        case 2: IconTrophy(p); break;
        case 3: IconGift(p); break;
        case 4: IconGear(p); break;
        case 5: IconOffice(p); break;
        case 6: IconPlayer(p); break;
        case 7: IconLand(p); break;
        case kAdvanceButton: IconRun(p); break;
        case kAdvanceStopFace: IconStop(p); break;
        default: break;
    }
}

void Face(QPainter &p, int button, bool pressed) {
    const ButtonLook &look = kButtons[button];
    const QRectF r(0.5, 0.5, kCommandFaceWidth - 1, kCommandFaceHeight - 1);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, 0, kCommandFaceHeight);
    if (pressed) {
        g.setColorAt(0, Shade(look.colour, 0.62));
        g.setColorAt(1, Shade(look.colour, 0.9));
    } else {
        g.setColorAt(0, Shade(look.colour, 1.35));
        g.setColorAt(0.5, look.colour);
        g.setColorAt(1, Shade(look.colour, 0.72));
    }
    p.setPen(QPen(Shade(look.colour, 0.35), 1));
    p.setBrush(g);
    p.drawRoundedRect(r, 6, 6);
    if (pressed) {
        // Sunken: a dark rim inside the top edge.
        p.setPen(QPen(QColor(0, 0, 0, 90), 1.5));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(r.adjusted(1.2, 1.2, -1.2, -1.2), 5, 5);
    } else {
        // Raised: a glossy upper half and a light rim.
        p.setPen(Qt::NoPen);
        p.setBrush(VerticalGradient(2, 14, QColor(255, 255, 255, 150), QColor(255, 255, 255, 30)));
        p.drawRoundedRect(QRectF(3, 2, kCommandFaceWidth - 6, 11), 4, 4);
        p.setPen(QPen(QColor(255, 255, 255, 110), 1));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(r.adjusted(1, 1, -1, -1), 5, 5);
    }
    const double shift = pressed ? 1 : 0;
    const QString label = QString::fromUtf8(look.label);
    const int size = label.size() >= 4 ? 11 : 13;
    p.save();
    p.translate(4 + shift, 7.5 + shift);
    Icon(p, button);
    p.restore();
    const QRectF text(18 + shift, 1 + shift, kCommandFaceWidth - 21, kCommandFaceHeight - 2);
    OutlinedText(p, text, label, ArtFont(size), pressed ? Shade(kInk, 0.9) : kInk,
                 Shade(look.colour, 0.3), 2.6);
}

}  // namespace

QImage PaintCommandBar() {
    QImage strip = NewImage(kCommandStripFaces * kCommandColumnStep, 64);
    QPainter p(&strip);
    for (int i = 0; i < kCommandStripFaces; ++i) {
        for (bool pressed : {false, true}) {
            p.save();
            p.translate(i * kCommandColumnStep, pressed ? kCommandPressedOffset : 0);
            p.setClipRect(0, 0, kCommandFaceWidth, kCommandFaceHeight);
            Face(p, i, pressed);
            p.restore();
        }
    }
    return strip;
}

}  // namespace tk::art
