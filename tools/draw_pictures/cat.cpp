#include "cat.h"

#include "layout.h"
#include "palette.h"
#include "shapes.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>

using namespace layout;

namespace {

const QPointF kHead(kCatHeadX, kCatHeadY);

QPainterPath bodyPath()
{
    QPainterPath body;
    body.moveTo(150, kRestY);
    body.cubicTo(144, 404, 178, 380, 214, 380);
    body.cubicTo(254, 380, 274, 402, 272, 428);
    body.cubicTo(271, 442, 262, kRestY, 248, kRestY);
    body.closeSubpath();
    return body;
}

void drawTail(QPainter &painter, const Palette &palette)
{
    // The tail hangs over the front of the sill and curls at the tip.
    QPainterPath tail;
    tail.moveTo(256, 440);
    tail.cubicTo(284, 444, 294, 462, 284, 482);
    tail.cubicTo(276, 498, 264, 504, 268, 518);
    tail.cubicTo(271, 528, 284, 528, 286, 518);

    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(palette.catOutline, 15.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(tail);
    painter.setPen(QPen(palette.catFur, 12.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(tail);
    // Rings: a dashed pen follows the curve, so the stripes wrap around it.
    QPen rings(palette.catStripe, 12.5, Qt::CustomDashLine, Qt::FlatCap);
    rings.setDashPattern({0.45, 0.9});
    rings.setDashOffset(0.6);
    painter.setPen(rings);
    painter.drawPath(tail);
    painter.setPen(Qt::NoPen);
    painter.setBrush(palette.catCream);
    painter.drawEllipse(QPointF(286, 518), 6, 6);
}

void drawBody(QPainter &painter, const Palette &palette)
{
    const QPainterPath body = bodyPath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(palette.shadow);
    painter.drawEllipse(QPointF(208, kRestY + 1), 74, 5);

    painter.setPen(QPen(palette.catOutline, 1.6));
    painter.setBrush(palette.catFur);
    painter.drawPath(body);

    painter.save();
    painter.setClipPath(body);
    // Tabby stripes across the back.
    painter.setPen(QPen(palette.catStripe, 5.5, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    for (int i = 0; i < 6; ++i) {
        const qreal x = 180 + i * 15;
        QPainterPath stripe;
        stripe.moveTo(x - 6, 376);
        stripe.quadTo(x + 4, 392, x - 2, 406 + (i % 2) * 4);
        painter.drawPath(stripe);
    }
    // Belly fur and the haunch.
    painter.setPen(Qt::NoPen);
    painter.setBrush(palette.catCream);
    painter.drawEllipse(QPointF(196, 452), 46, 16);
    painter.setPen(QPen(palette.catOutline, 1.4));
    painter.setBrush(Qt::NoBrush);
    painter.drawArc(QRectF(222, 404, 44, 44), 30 * 16, 120 * 16);
    painter.setPen(QPen(palette.catStripe, 4, Qt::SolidLine, Qt::RoundCap));
    painter.drawArc(QRectF(230, 412, 28, 28), 50 * 16, 80 * 16);
    painter.restore();

    // Hind paw tucked under the haunch.
    painter.setPen(QPen(palette.catOutline, 1.3));
    painter.setBrush(palette.catCream);
    painter.drawEllipse(QPointF(236, kRestY - 3), 12, 5);
}

QPainterPath earPath(QPointF base1, QPointF tip, QPointF base2)
{
    QPainterPath ear;
    ear.moveTo(base1);
    ear.quadTo(tip + (base1 - tip) * 0.15 + QPointF(-1, 0), tip);
    ear.quadTo(tip + (base2 - tip) * 0.15 + QPointF(1, 0), base2);
    ear.closeSubpath();
    return ear;
}

void drawHead(QPainter &painter, const Palette &palette, Variant variant)
{
    const bool awake = variant == Variant::Hidden;
    const qreal x = kHead.x();
    const qreal y = kHead.y();

    // Ears, outer then inner.
    const QPainterPath leftEar = earPath({x - 27, y - 10}, {x - 24, y - 42}, {x - 5, y - 25});
    const QPainterPath rightEar = earPath({x + 5, y - 25}, {x + 24, y - 42}, {x + 27, y - 10});
    painter.setPen(QPen(palette.catOutline, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(palette.catFur);
    painter.drawPath(leftEar);
    painter.drawPath(rightEar);
    painter.setPen(Qt::NoPen);
    painter.setBrush(palette.catInnerEar);
    painter.drawPath(earPath({x - 22, y - 14}, {x - 22, y - 35}, {x - 10, y - 24}));
    painter.drawPath(earPath({x + 10, y - 24}, {x + 22, y - 35}, {x + 22, y - 14}));

    // Head with fluffy cheeks.
    QPainterPath head;
    head.addEllipse(kHead, 31, 27);
    QPainterPath cheeks;
    cheeks.moveTo(x - 28, y + 4);
    cheeks.lineTo(x - 35, y + 10);
    cheeks.lineTo(x - 26, y + 13);
    cheeks.lineTo(x - 30, y + 18);
    cheeks.lineTo(x - 18, y + 20);
    cheeks.lineTo(x + 18, y + 20);
    cheeks.lineTo(x + 30, y + 18);
    cheeks.lineTo(x + 26, y + 13);
    cheeks.lineTo(x + 35, y + 10);
    cheeks.lineTo(x + 28, y + 4);
    cheeks.closeSubpath();
    head = head.united(cheeks);
    painter.setPen(QPen(palette.catOutline, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(palette.catFur);
    painter.drawPath(head);

    // Forehead stripes.
    painter.setPen(QPen(palette.catStripe, 3, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(x - 7, y - 24), QPointF(x - 5, y - 15));
    painter.drawLine(QPointF(x, y - 26), QPointF(x, y - 16));
    painter.drawLine(QPointF(x + 7, y - 24), QPointF(x + 5, y - 15));
    painter.drawLine(QPointF(x - 30, y - 2), QPointF(x - 22, y));
    painter.drawLine(QPointF(x + 30, y - 2), QPointF(x + 22, y));

    // Muzzle and chin.
    painter.setPen(Qt::NoPen);
    painter.setBrush(palette.catCream);
    painter.drawEllipse(QPointF(x - 6, y + 11), 7.5, 6);
    painter.drawEllipse(QPointF(x + 6, y + 11), 7.5, 6);
    painter.drawEllipse(QPointF(x, y + 16), 6, 4);

    painter.setBrush(palette.catBlush);
    painter.drawEllipse(QPointF(x - 19, y + 7), 5.5, 3.2);
    painter.drawEllipse(QPointF(x + 19, y + 7), 5.5, 3.2);

    if (awake) {
        for (qreal side : {-1.0, 1.0}) {
            const QPointF eye(x + side * 12, y - 3);
            painter.setPen(QPen(palette.catOutline, 1.3));
            painter.setBrush(QColor(0x8C, 0xD0, 0x5A));
            painter.drawEllipse(eye, 6.5, 7.5);
            painter.setPen(Qt::NoPen);
            painter.setBrush(QColor(0x2A, 0x1C, 0x22));
            painter.drawEllipse(eye + QPointF(0, 0.5), 4, 6.2);
            painter.setBrush(Qt::white);
            painter.drawEllipse(eye + QPointF(1.8, -2.6), 2, 2);
            painter.drawEllipse(eye + QPointF(-1.8, 2.6), 1, 1);
        }
        // Open, happy mouth with a little tongue.
        QPainterPath mouth;
        mouth.moveTo(x - 6, y + 13);
        mouth.quadTo(x, y + 15, x + 6, y + 13);
        mouth.quadTo(x + 5, y + 24, x, y + 24);
        mouth.quadTo(x - 5, y + 24, x - 6, y + 13);
        painter.setPen(QPen(palette.catOutline, 1.3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.setBrush(QColor(0x9A, 0x34, 0x44));
        painter.drawPath(mouth);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(0xFF, 0x86, 0x9A));
        painter.drawEllipse(QPointF(x, y + 21.5), 3.6, 2.4);
    } else {
        // Closed eyes: contented downward curves with tiny lashes.
        painter.setPen(QPen(palette.catOutline, 2, Qt::SolidLine, Qt::RoundCap));
        painter.setBrush(Qt::NoBrush);
        for (qreal side : {-1.0, 1.0}) {
            const QPointF eye(x + side * 12, y - 2);
            QPainterPath lid;
            lid.moveTo(eye + QPointF(-6, -1));
            lid.quadTo(eye + QPointF(0, 5), eye + QPointF(6, -1));
            painter.drawPath(lid);
            painter.drawLine(eye + QPointF(side * 6, -1), eye + QPointF(side * 8.5, -3));
        }
        QPainterPath mouth;
        mouth.moveTo(x - 5, y + 14);
        mouth.quadTo(x - 2.5, y + 17, x, y + 14);
        mouth.quadTo(x + 2.5, y + 17, x + 5, y + 14);
        painter.setPen(QPen(palette.catOutline, 1.3, Qt::SolidLine, Qt::RoundCap));
        painter.drawPath(mouth);
    }

    // Nose.
    QPainterPath nose;
    nose.moveTo(x - 4, y + 8);
    nose.lineTo(x + 4, y + 8);
    nose.lineTo(x, y + 13);
    nose.closeSubpath();
    painter.setPen(QPen(palette.catOutline, 1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(palette.catNose);
    painter.drawPath(nose);

    // Whiskers.
    painter.setPen(QPen(withAlpha(palette.catCream, 230), 1.2, Qt::SolidLine, Qt::RoundCap));
    for (qreal side : {-1.0, 1.0}) {
        for (int i = 0; i < 3; ++i) {
            const QPointF from(x + side * 12, y + 11 + i * 2.5);
            const QPointF to(x + side * 42, y + 4 + i * 7);
            painter.drawLine(from, to);
        }
    }
}

void drawFrontPaws(QPainter &painter, const Palette &palette)
{
    painter.setPen(QPen(palette.catOutline, 1.3));
    painter.setBrush(palette.catCream);
    for (qreal px : {kHead.x() - 12, kHead.x() + 14}) {
        painter.drawEllipse(QPointF(px, kRestY - 3), 10, 5.5);
        painter.drawLine(QPointF(px - 3, kRestY - 1), QPointF(px - 3, kRestY - 4));
        painter.drawLine(QPointF(px + 3, kRestY - 1), QPointF(px + 3, kRestY - 4));
    }
}

void drawPartyHat(QPainter &painter, const Palette &palette)
{
    painter.save();
    painter.translate(kHead + QPointF(-3, -24));
    painter.rotate(-14);
    QPainterPath cone;
    cone.moveTo(-16, 0);
    cone.quadTo(0, 5, 16, 0);
    cone.lineTo(0, -42);
    cone.closeSubpath();
    painter.setPen(QPen(palette.outline, 1.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(partyColour(4));
    painter.drawPath(cone);
    painter.save();
    painter.setClipPath(cone);
    painter.setPen(QPen(partyColour(1), 4.5));
    for (int i = 0; i < 5; ++i)
        painter.drawLine(QPointF(-24, -6 - i * 10), QPointF(24, 4 - i * 10));
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    for (const QPointF &dot : {QPointF(-7, -8), QPointF(6, -16), QPointF(-2, -27), QPointF(8, -4)})
        painter.drawEllipse(dot, 1.6, 1.6);
    painter.restore();
    painter.setPen(QPen(palette.outline, 1.4));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(cone);
    // Fluffy pompom: a ring of small puffs.
    painter.setPen(Qt::NoPen);
    painter.setBrush(partyColour(3));
    for (int i = 0; i < 8; ++i) {
        const qreal a = i * 3.14159265 / 4;
        painter.drawEllipse(QPointF(3.2 * std::cos(a), -43 + 3.2 * std::sin(a)), 3.3, 3.3);
    }
    painter.setBrush(mixColours(partyColour(3), QColor(Qt::white), 0.5));
    painter.drawEllipse(QPointF(-1, -45), 2, 2);
    painter.restore();
    // Elastic under the chin.
    painter.setPen(QPen(withAlpha(palette.outline, 180), 0.9));
    painter.setBrush(Qt::NoBrush);
    QPainterPath elastic;
    elastic.moveTo(kHead + QPointF(-20, -20));
    elastic.quadTo(kHead + QPointF(-34, 14), kHead + QPointF(-8, 24));
    painter.drawPath(elastic);
}

}  // namespace

void drawCat(QPainter &painter, const Palette &palette, Variant variant)
{
    drawTail(painter, palette);
    drawBody(painter, palette);
    drawHead(painter, palette, variant);
    drawFrontPaws(painter, palette);
    if (variant == Variant::Hidden)
        drawPartyHat(painter, palette);
}
