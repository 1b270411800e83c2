#include "night_view.h"

#include "layout.h"
#include "palette.h"
#include "seeded_random.h"
#include "shapes.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QTransform>

#include <cmath>
#include <numbers>

using namespace layout;

namespace {

QPainterPath glassPath() { return archPath(kGlassLeft, kGlassRight, kWindowBottom, kArchCentreY); }
QPainterPath framePath() { return archPath(kFrameLeft, kFrameRight, kWindowBottom, kArchCentreY); }

const QPointF kMoonCentre(252, 160);

void drawSky(QPainter &painter, const Palette &palette)
{
    const qreal top = kArchCentreY - (kGlassRight - kGlassLeft) / 2;
    QLinearGradient sky(0, top, 0, kHorizonY + 20);
    sky.setColorAt(0, palette.skyTop);
    sky.setColorAt(0.55, palette.skyMiddle);
    sky.setColorAt(1, palette.skyHorizon);
    painter.fillRect(QRectF(kGlassLeft, top, kGlassRight - kGlassLeft, kWindowBottom - top), sky);
}

void drawStars(QPainter &painter, const Palette &palette)
{
    SeededRandom random(0x57A25);
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < 90; ++i) {
        const QPointF p(random.uniform(kGlassLeft, kGlassRight), random.uniform(80, kHorizonY - 20));
        const qreal r = random.uniform(0.6, 1.7);
        painter.setBrush(withAlpha(palette.star, static_cast<int>(random.uniform(130, 255))));
        painter.drawEllipse(p, r, r);
    }
    // Hand-placed twinkles so the bright stars sit in pleasing spots.
    const QPointF twinkles[] = {{98, 128}, {150, 98}, {206, 112}, {276, 214}, {112, 232},
                                {258, 292}, {82, 318}, {150, 222}, {132, 300}, {286, 120}};
    for (const QPointF &p : twinkles) {
        drawGlow(painter, p, 9, withAlpha(palette.star, 90));
        painter.setBrush(palette.star);
        painter.drawPath(sparklePath(p, 6));
    }
}

void drawMoon(QPainter &painter, const Palette &palette)
{
    drawGlow(painter, kMoonCentre, 70, withAlpha(palette.moon, 70));
    drawGlow(painter, kMoonCentre, 36, withAlpha(palette.moon, 90));
    // A crescent: the full disc minus an offset disc.
    QPainterPath disc;
    disc.addEllipse(kMoonCentre, 24, 24);
    QPainterPath bite;
    bite.addEllipse(kMoonCentre + QPointF(11, -8), 21, 21);
    const QPainterPath crescent = disc.subtracted(bite);
    QRadialGradient shade(kMoonCentre + QPointF(-8, 4), 28);
    shade.setColorAt(0, palette.moon);
    shade.setColorAt(1, palette.moonShade);
    painter.setPen(Qt::NoPen);
    painter.setBrush(shade);
    painter.drawPath(crescent);
    painter.setBrush(withAlpha(palette.moonShade, 200));
    painter.drawEllipse(kMoonCentre + QPointF(-15, 6), 3, 3);
    painter.drawEllipse(kMoonCentre + QPointF(-9, 15), 2.2, 2.2);
    painter.drawEllipse(kMoonCentre + QPointF(-19, -4), 1.8, 1.8);
}

void drawClouds(QPainter &painter, const Palette &palette)
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(palette.cloud);
    const auto cloud = [&](QPointF at, qreal scale) {
        QPainterPath path;
        path.setFillRule(Qt::WindingFill);  // overlapping puffs must not cancel out
        path.addEllipse(at + QPointF(-22, 0) * scale, 16 * scale, 8 * scale);
        path.addEllipse(at + QPointF(0, -5) * scale, 20 * scale, 11 * scale);
        path.addEllipse(at + QPointF(22, 0) * scale, 17 * scale, 8 * scale);
        painter.drawPath(path.simplified());
    };
    cloud(QPointF(126, 176), 1.0);
    cloud(QPointF(262, 250), 0.8);
    cloud(QPointF(90, 276), 0.7);
}

void drawShootingStar(QPainter &painter, const Palette &palette)
{
    const QPointF head(150, 146);
    const QPointF tail(94, 108);
    QLinearGradient trail(tail, head);
    trail.setColorAt(0, withAlpha(palette.star, 0));
    trail.setColorAt(1, withAlpha(palette.star, 230));
    painter.setPen(QPen(QBrush(trail), 2.2, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(tail, head);
    drawGlow(painter, head, 8, withAlpha(palette.star, 160));
    painter.setBrush(palette.star);
    painter.drawPath(sparklePath(head, 4.5));
}

void drawFirework(QPainter &painter, QPointF centre, qreal radius, const QColor &inner, const QColor &outer, int rays)
{
    drawGlow(painter, centre, radius * 1.25, withAlpha(inner, 70));
    for (int i = 0; i < rays; ++i) {
        const qreal angle = 2 * std::numbers::pi * i / rays + 0.13;
        const QPointF dir(std::cos(angle), std::sin(angle));
        const QPointF from = centre + dir * (radius * 0.22);
        const QPointF to = centre + dir * radius;
        QLinearGradient ray(from, to);
        ray.setColorAt(0, withAlpha(inner, 40));
        ray.setColorAt(1, outer);
        painter.setPen(QPen(QBrush(ray), 2.1, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(from, to);
        painter.setPen(Qt::NoPen);
        painter.setBrush(outer);
        painter.drawEllipse(to, 2.2, 2.2);
        // Droplets trailing under gravity past every other ray.
        if (i % 2 == 0) {
            painter.setBrush(withAlpha(inner, 200));
            painter.drawEllipse(centre + dir * (radius * 1.15) + QPointF(0, 4), 1.4, 1.4);
        }
    }
    painter.setBrush(inner);
    painter.drawEllipse(centre, 3, 3);
}

void drawHillsAndVillage(QPainter &painter, const Palette &palette)
{
    QPainterPath far;
    far.moveTo(kGlassLeft, kHorizonY - 6);
    far.cubicTo(100, kHorizonY - 34, 140, kHorizonY - 30, 176, kHorizonY - 12);
    far.cubicTo(210, kHorizonY + 2, 240, kHorizonY - 40, kGlassRight, kHorizonY - 20);
    far.lineTo(kGlassRight, kWindowBottom);
    far.lineTo(kGlassLeft, kWindowBottom);
    far.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(palette.farHills);
    painter.drawPath(far);

    // Village: simple houses with pitched roofs and lit windows.
    SeededRandom random(0x70F7);
    qreal x = kGlassLeft - 4;
    int index = 0;
    while (x < kGlassRight) {
        const qreal w = random.uniform(16, 28);
        const qreal h = random.uniform(14, 26);
        const qreal base = kHorizonY + 22 + 6 * std::sin(x * 0.03);
        const QRectF body(x, base - h, w, h + 40);
        painter.setBrush(palette.houses);
        painter.drawRect(body);
        QPainterPath roof;
        roof.moveTo(x - 2, base - h);
        roof.lineTo(x + w / 2, base - h - w * 0.45);
        roof.lineTo(x + w + 2, base - h);
        roof.closeSubpath();
        painter.drawPath(roof);
        if (index % 3 == 1)
            painter.drawRect(QRectF(x + w * 0.68, base - h - w * 0.4, 4, 9));  // chimney
        painter.setBrush(palette.houseWindow);
        for (int wy = 0; wy < 2; ++wy)
            for (int wx = 0; wx < 2; ++wx)
                if (random.below(3) != 0)
                    painter.drawRect(QRectF(x + 3 + wx * (w - 10), base - h + 5 + wy * 9, 4, 5));
        x += w + random.uniform(2, 9);
        if (index == 3) {
            // Church spire between the houses.
            painter.setBrush(palette.houses);
            painter.drawRect(QRectF(x, kHorizonY - 12, 12, 60));
            QPainterPath spire;
            spire.moveTo(x - 1, kHorizonY - 12);
            spire.lineTo(x + 6, kHorizonY - 44);
            spire.lineTo(x + 13, kHorizonY - 12);
            spire.closeSubpath();
            painter.drawPath(spire);
            painter.setBrush(palette.houseWindow);
            painter.drawEllipse(QPointF(x + 6, kHorizonY - 4), 3, 3);
            x += 16;
        }
        ++index;
    }

    // Round trees on the near hill.
    painter.setBrush(palette.trees);
    for (qreal tx : {72.0, 118.0, 212.0, 268.0}) {
        const qreal base = kHorizonY + 30;
        painter.drawRect(QRectF(tx - 1.5, base - 10, 3, 12));
        painter.drawEllipse(QPointF(tx, base - 16), 8, 10);
    }

    QPainterPath nearHill;
    nearHill.moveTo(kGlassLeft, kHorizonY + 30);
    nearHill.cubicTo(130, kHorizonY + 18, 220, kHorizonY + 40, kGlassRight, kHorizonY + 24);
    nearHill.lineTo(kGlassRight, kWindowBottom);
    nearHill.lineTo(kGlassLeft, kWindowBottom);
    nearHill.closeSubpath();
    painter.setBrush(palette.nearHills);
    painter.drawPath(nearHill);
    // Path winding down the hill, lit by the windows.
    painter.setPen(QPen(withAlpha(palette.houseWindow, 90), 2, Qt::DotLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    QPainterPath lane;
    lane.moveTo(150, kHorizonY + 28);
    lane.quadTo(120, kHorizonY + 44, 170, kHorizonY + 56);
    painter.drawPath(lane);
}

void drawReflections(QPainter &painter, const Palette &palette)
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(withAlpha(palette.frameLight, 26));
    const auto streak = [&](QPointF start, qreal width) {
        QPainterPath path;
        path.moveTo(start);
        path.lineTo(start + QPointF(width, 0));
        path.lineTo(start + QPointF(width - 60, 70));
        path.lineTo(start + QPointF(-60, 70));
        path.closeSubpath();
        painter.drawPath(path);
    };
    streak(QPointF(150, 150), 18);
    streak(QPointF(172, 150), 6);
    streak(QPointF(290, 300), 16);
}

}  // namespace

void drawWindowView(QPainter &painter, const Palette &palette, Variant variant)
{
    painter.save();
    painter.setClipPath(glassPath());
    drawSky(painter, palette);
    drawStars(painter, palette);
    drawClouds(painter, palette);
    drawMoon(painter, palette);
    if (variant == Variant::Cover) {
        drawShootingStar(painter, palette);
    } else {
        // Each burst sits inside one pane so the glazing bars do not cut it.
        drawFirework(painter, QPointF(140, 112), 26, QColor(0xFF, 0xF2, 0xB0), QColor(0xFF, 0x7E, 0xB6), 18);
        drawFirework(painter, QPointF(236, 306), 32, QColor(0xD8, 0xFF, 0xF6), QColor(0x2E, 0xC4, 0xB6), 16);
        drawFirework(painter, QPointF(112, 290), 22, QColor(0xFF, 0xF6, 0xD0), QColor(0xFF, 0xC9, 0x3C), 12);
        drawFirework(painter, QPointF(88, 168), 15, QColor(0xF2, 0xE6, 0xFF), QColor(0x9B, 0x6C, 0xF0), 10);
        drawFirework(painter, QPointF(212, 226), 14, QColor(0xFF, 0xEE, 0xD8), QColor(0xFF, 0x8C, 0x42), 10);
    }
    drawHillsAndVillage(painter, palette);
    drawReflections(painter, palette);
    painter.restore();
}

void drawWindowFrame(QPainter &painter, const Palette &palette)
{
    const QPainterPath outer = framePath();
    const QPainterPath glass = glassPath();

    painter.setPen(Qt::NoPen);
    painter.setBrush(palette.shadow);
    painter.drawPath(outer.translated(5, 6).subtracted(outer));

    painter.setBrush(palette.frame);
    painter.setPen(QPen(palette.outline, 1.3));
    painter.drawPath(outer.subtracted(glass));
    // Inner bevel: shaded on top/left where the reveal hides the light.
    painter.setPen(QPen(palette.frameShade, 2.4));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(archPath(kGlassLeft - 1.5, kGlassRight + 1.5, kWindowBottom, kArchCentreY));
    painter.setPen(QPen(palette.frameLight, 1.4));
    painter.drawPath(archPath(kFrameLeft + 3, kFrameRight - 3, kWindowBottom, kArchCentreY));

    // Glazing bars: an upright, a bar where the arch springs, and a
    // fanlight of spokes radiating from a half hub above that bar.
    painter.save();
    painter.setClipPath(glass);
    painter.setPen(QPen(palette.outline, 1));
    painter.setBrush(palette.frame);
    const qreal top = kArchCentreY - (kGlassRight - kGlassLeft) / 2;
    QPainterPath bars;
    bars.setFillRule(Qt::WindingFill);  // where bars cross they must stay solid
    bars.addRect(QRectF(kCenterX - kMullionHalfWidth, top, 2 * kMullionHalfWidth, kWindowBottom - top));
    bars.addRect(QRectF(kGlassLeft, kArchCentreY - kMullionHalfWidth, kGlassRight - kGlassLeft, 2 * kMullionHalfWidth));
    const qreal spokeLength = (kGlassRight - kGlassLeft) / 2;
    for (qreal degrees : {45.0, 135.0}) {
        QPainterPath spoke;
        spoke.addRect(QRectF(0, -kMullionHalfWidth + 0.5, spokeLength, 2 * kMullionHalfWidth - 1));
        QTransform turn;
        turn.translate(kCenterX, kArchCentreY);
        turn.rotate(-degrees);
        bars.addPath(turn.map(spoke));
    }
    QPainterPath hub;
    hub.moveTo(kCenterX - 18, kArchCentreY);
    hub.arcTo(QRectF(kCenterX - 18, kArchCentreY - 18, 36, 36), 180, -180);
    hub.closeSubpath();
    bars.addPath(hub);
    painter.drawPath(bars.simplified());
    painter.restore();

    // Keystone at the top of the arch.
    const qreal frameTop = kArchCentreY - (kFrameRight - kFrameLeft) / 2;
    QPainterPath keystone;
    keystone.moveTo(kCenterX - 9, frameTop - 4);
    keystone.lineTo(kCenterX + 9, frameTop - 4);
    keystone.lineTo(kCenterX + 6, frameTop + 16);
    keystone.lineTo(kCenterX - 6, frameTop + 16);
    keystone.closeSubpath();
    painter.setPen(QPen(palette.outline, 1.2));
    painter.setBrush(palette.frameLight);
    painter.drawPath(keystone);
}
