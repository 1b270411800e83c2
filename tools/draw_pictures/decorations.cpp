#include "decorations.h"

#include "layout.h"
#include "palette.h"
#include "seeded_random.h"
#include "shapes.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>
#include <numbers>
#include <vector>

using namespace layout;

namespace {

// The garland hangs in three swags between four hooks under the rod.
constexpr qreal kHooks[] = {4, 120, 234, 350};

struct Swag {
    QPointF from, control, to;
};

std::vector<Swag> garlandSwags()
{
    std::vector<Swag> swags;
    for (int i = 0; i < 3; ++i) {
        const QPointF from(kHooks[i], kGarlandY);
        const QPointF to(kHooks[i + 1], kGarlandY);
        const QPointF control((from.x() + to.x()) / 2, kGarlandY + 2 * kGarlandSag);
        swags.push_back({from, control, to});
    }
    return swags;
}

void drawGarlandString(QPainter &painter, const QColor &colour)
{
    painter.setPen(QPen(colour, 1.4));
    painter.setBrush(Qt::NoBrush);
    for (const Swag &s : garlandSwags()) {
        QPainterPath path;
        path.moveTo(s.from);
        path.quadTo(s.control, s.to);
        painter.drawPath(path);
    }
}

// Angle of the curve at t, in degrees, so hanging things tilt with it.
qreal swagAngle(const Swag &s, qreal t)
{
    const QPointF d = (s.control - s.from) * (2 * (1 - t)) + (s.to - s.control) * (2 * t);
    return std::atan2(d.y(), d.x()) * 180 / std::numbers::pi;
}

void drawZ(QPainter &painter, QPointF centre, qreal size)
{
    const qreal h = size / 2;
    QPainterPath z;
    z.moveTo(centre + QPointF(-h, -h));
    z.lineTo(centre + QPointF(h, -h));
    z.lineTo(centre + QPointF(-h, h));
    z.lineTo(centre + QPointF(h, h));
    painter.drawPath(z);
}

}  // namespace

void drawFairyLights(QPainter &painter, const Palette &palette)
{
    drawGarlandString(painter, palette.rodDark);
    const QColor bulbs[] = {QColor(0xFF, 0xD6, 0x6E), QColor(0xFF, 0xA8, 0x5E), QColor(0xFF, 0xA4, 0xB8),
                            QColor(0xA8, 0xE8, 0xC4)};
    int index = 0;
    for (const Swag &s : garlandSwags()) {
        for (int k = 0; k < 6; ++k) {
            const qreal t = (k + 0.5) / 6;
            const QPointF at = quadPoint(s.from, s.control, s.to, t);
            const QColor colour = bulbs[index++ % 4];
            painter.save();
            painter.translate(at);
            painter.rotate(swagAngle(s, t));
            drawGlow(painter, QPointF(0, 6), 13, withAlpha(colour, 120));
            painter.setPen(Qt::NoPen);
            painter.setBrush(palette.rodDark);
            painter.drawRect(QRectF(-1.8, 0, 3.6, 3));
            painter.setBrush(colour);
            painter.drawEllipse(QPointF(0, 6.5), 3, 4.2);
            painter.setBrush(withAlpha(QColor(Qt::white), 200));
            painter.drawEllipse(QPointF(-0.9, 5.2), 0.9, 1.4);
            painter.restore();
        }
    }
}

void drawSleepyZs(QPainter &painter, const Palette &palette)
{
    painter.setBrush(Qt::NoBrush);
    const struct { QPointF at; qreal size; } zs[] = {{{190, 362}, 9}, {{206, 340}, 13}, {{228, 312}, 18}};
    for (const auto &z : zs) {
        painter.setPen(QPen(withAlpha(palette.outline, 160), z.size * 0.26 + 2.4, Qt::SolidLine, Qt::RoundCap,
                            Qt::RoundJoin));
        drawZ(painter, z.at, z.size);
        painter.setPen(QPen(palette.frameLight, z.size * 0.26, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        drawZ(painter, z.at, z.size);
    }
}

void drawBunting(QPainter &painter, const Palette &palette)
{
    drawGarlandString(painter, palette.outline);
    int index = 0;
    for (const Swag &s : garlandSwags()) {
        for (int k = 0; k < 6; ++k) {
            const qreal t = (k + 0.5) / 6;
            const QPointF at = quadPoint(s.from, s.control, s.to, t);
            painter.save();
            painter.translate(at);
            painter.rotate(swagAngle(s, t));
            QPainterPath flag;
            flag.moveTo(-8, 0);
            flag.lineTo(8, 0);
            flag.lineTo(0, 20);
            flag.closeSubpath();
            painter.setPen(QPen(palette.outline, 1));
            painter.setBrush(partyColour(index));
            painter.drawPath(flag);
            painter.setPen(Qt::NoPen);
            painter.setBrush(withAlpha(QColor(Qt::white), 170));
            painter.drawEllipse(QPointF(0, 6), 2.2, 2.2);
            painter.drawEllipse(QPointF(-3.5, 2.5), 1.2, 1.2);
            painter.drawEllipse(QPointF(3.5, 2.5), 1.2, 1.2);
            painter.restore();
            ++index;
        }
    }
}

void drawStreamers(QPainter &painter)
{
    // Twisted paper ribbons: a wavy centre line whose width follows a
    // cosine, which reads as the ribbon turning towards and away from us.
    const struct { qreal x, top, length, phase; int colour; } streamers[] = {
        {18, kRodY + 4, 250, 0.0, 2}, {58, kRodY + 4, 120, 1.3, 0}, {296, kRodY + 4, 140, 0.6, 3},
        {336, kRodY + 4, 270, 2.0, 1}, {176, kRodY + 4, 36, 0.9, 4},
    };
    for (const auto &s : streamers) {
        QPolygonF left;
        QPolygonF right;
        for (qreal d = 0; d <= s.length; d += 2) {
            const qreal y = s.top + d;
            const qreal x = s.x + 6 * std::sin(d * 0.07 + s.phase);
            const qreal w = 1 + 4 * std::fabs(std::cos(d * 0.07 + s.phase));
            left << QPointF(x - w, y);
            right.prepend(QPointF(x + w, y));
        }
        const QColor colour = partyColour(s.colour);
        painter.setPen(QPen(mixColours(colour, QColor(0x50, 0x30, 0x40), 0.35), 0.8));
        painter.setBrush(colour);
        painter.drawPolygon(left + right);
    }
}

void drawBalloons(QPainter &painter, const Palette &palette)
{
    const struct { QPointF centre; qreal rx, ry; int colour; QPointF anchor; } balloons[] = {
        {{56, 142}, 24, 29, 0, {32, 452}},
        {{318, 100}, 22, 27, 1, {322, 452}},
        {{292, 226}, 20, 24, 2, {322, 452}},
        {{30, 528}, 21, 25, 3, {40, 648}},
        {{326, 548}, 21, 25, 4, {300, 630}},
        {{92, 252}, 16, 19, 6, {32, 452}},
    };
    for (const auto &b : balloons) {
        const QPointF knot = b.centre + QPointF(0, b.ry + 2);
        painter.setPen(QPen(withAlpha(palette.outline, 200), 1));
        painter.setBrush(Qt::NoBrush);
        QPainterPath string;
        string.moveTo(knot);
        const QPointF mid = (knot + b.anchor) / 2;
        string.cubicTo(mid + QPointF(-10, -20), mid + QPointF(10, 20), b.anchor);
        painter.drawPath(string);

        const QColor colour = partyColour(b.colour);
        QRadialGradient fill(b.centre + QPointF(-b.rx * 0.35, -b.ry * 0.4), b.ry * 1.4);
        fill.setColorAt(0, mixColours(colour, QColor(Qt::white), 0.45));
        fill.setColorAt(0.5, colour);
        fill.setColorAt(1, mixColours(colour, QColor(0x40, 0x20, 0x30), 0.35));
        painter.setPen(QPen(mixColours(colour, QColor(0x40, 0x20, 0x30), 0.5), 1.2));
        painter.setBrush(fill);
        QPainterPath balloon;
        // Slightly narrower at the bottom, like a real balloon.
        const qreal x = b.centre.x();
        const qreal y = b.centre.y();
        balloon.moveTo(x, y - b.ry);
        balloon.cubicTo(x + b.rx * 1.35, y - b.ry, x + b.rx * 0.9, y + b.ry * 0.8, x, y + b.ry);
        balloon.cubicTo(x - b.rx * 0.9, y + b.ry * 0.8, x - b.rx * 1.35, y - b.ry, x, y - b.ry);
        painter.drawPath(balloon);
        QPainterPath tie;
        tie.moveTo(knot + QPointF(0, -3));
        tie.lineTo(knot + QPointF(4, 3));
        tie.lineTo(knot + QPointF(-4, 3));
        tie.closeSubpath();
        painter.setBrush(colour);
        painter.drawPath(tie);
        painter.setPen(Qt::NoPen);
        painter.setBrush(withAlpha(QColor(Qt::white), 170));
        painter.save();
        painter.translate(b.centre + QPointF(-b.rx * 0.45, -b.ry * 0.45));
        painter.rotate(-30);
        painter.drawEllipse(QPointF(0, 0), b.rx * 0.16, b.ry * 0.26);
        painter.restore();
    }
}

void drawConfetti(QPainter &painter)
{
    SeededRandom random(0xC0FE77);
    const QPointF face(kCatHeadX, kCatHeadY);
    for (int i = 0; i < 220; ++i) {
        const QPointF p(random.uniform(-4, kWidth + 4), random.uniform(-4, kHeight + 4));
        const int kind = random.below(3);
        const qreal angle = random.uniform(0, 180);
        const QColor colour = partyColour(random.below(7));
        // Keep the cat's face clear: the surprise is that it is awake.
        const QPointF d = p - face;
        if (d.x() * d.x() + d.y() * d.y() < 44 * 44)
            continue;
        painter.save();
        painter.translate(p);
        painter.rotate(angle);
        painter.setPen(Qt::NoPen);
        painter.setBrush(colour);
        if (kind == 0) {
            painter.drawRect(QRectF(-1.6, -3.6, 3.2, 7.2));
        } else if (kind == 1) {
            painter.drawEllipse(QPointF(0, 0), 2.3, 2.3);
        } else {
            QPainterPath curl;
            curl.moveTo(-5, 0);
            curl.quadTo(-2.5, -4, 0, 0);
            curl.quadTo(2.5, 4, 5, 0);
            painter.setPen(QPen(colour, 1.6, Qt::SolidLine, Qt::RoundCap));
            painter.setBrush(Qt::NoBrush);
            painter.drawPath(curl);
        }
        painter.restore();
    }
}

void drawWarmLight(QPainter &painter)
{
    // Light from the candles spreads over the room; an additive-looking
    // wash that keeps the colours but warms them.
    QRadialGradient light(QPointF(80, 380), 420);
    light.setColorAt(0, QColor(0xFF, 0xD2, 0x7A, 95));
    light.setColorAt(0.6, QColor(0xFF, 0xB0, 0x60, 45));
    light.setColorAt(1, QColor(0xFF, 0xA0, 0x50, 0));
    painter.fillRect(QRectF(0, 0, kWidth, kHeight), light);
}
