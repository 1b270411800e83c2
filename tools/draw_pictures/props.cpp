#include "props.h"

#include "layout.h"
#include "palette.h"
#include "shapes.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <cmath>

using namespace layout;

namespace {

void drawBookStack(QPainter &painter, const Palette &palette)
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(palette.shadow);
    painter.drawEllipse(QPointF(72, kRestY + 1), 40, 3.5);

    const QRectF lower(36, kRestY - 12, 70, 12);
    const QRectF upper(42, kRestY - 22, 58, 10);
    for (const auto &[book, colour] : {std::pair{lower, palette.books[0]}, std::pair{upper, palette.books[1]}}) {
        painter.setPen(QPen(palette.outline, 1.2));
        painter.setBrush(colour);
        painter.drawRoundedRect(book, 1.5, 1.5);
        // Page edges on the right-hand end.
        painter.setBrush(palette.catCream);
        painter.drawRect(QRectF(book.right() - 5, book.top() + 2, 4, book.height() - 4));
        painter.setPen(QPen(mixColours(colour, palette.frameLight, 0.55), 1.2));
        painter.drawLine(QPointF(book.left() + 6, book.top() + 3), QPointF(book.left() + 6, book.bottom() - 3));
        painter.drawLine(QPointF(book.left() + 10, book.top() + 3), QPointF(book.left() + 10, book.bottom() - 3));
    }
}

void drawMug(QPainter &painter, const Palette &palette)
{
    const qreal bottom = kRestY - 22;
    const QRectF body(58, bottom - 26, 26, 26);
    // Handle first so the body covers its ends.
    painter.setPen(QPen(palette.outline, 5.5));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(QPointF(body.right(), body.center().y()), 8, 7);
    painter.setPen(QPen(palette.books[4], 3));
    painter.drawEllipse(QPointF(body.right(), body.center().y()), 8, 7);

    painter.setPen(QPen(palette.outline, 1.3));
    painter.setBrush(palette.books[4]);
    painter.drawRoundedRect(body, 4, 4);
    painter.setBrush(palette.catStripe);
    painter.drawEllipse(QPointF(body.center().x(), body.top() + 2), 12, 3);
    // A heart on the mug.
    painter.setPen(Qt::NoPen);
    painter.setBrush(palette.catCream);
    QPainterPath heart;
    const QPointF h = body.center() + QPointF(0, 3);
    heart.moveTo(h + QPointF(0, 5));
    heart.cubicTo(h + QPointF(-8, -1), h + QPointF(-4, -7), h + QPointF(0, -3));
    heart.cubicTo(h + QPointF(4, -7), h + QPointF(8, -1), h + QPointF(0, 5));
    painter.drawPath(heart);

    // Steam curling up.
    painter.setPen(QPen(withAlpha(palette.frameLight, 150), 2.2, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    for (int i = 0; i < 3; ++i) {
        const qreal x = body.left() + 6 + i * 7;
        QPainterPath steam;
        steam.moveTo(x, body.top() - 4);
        steam.cubicTo(x - 6, body.top() - 14, x + 6, body.top() - 22, x, body.top() - 32 - i * 4);
        painter.drawPath(steam);
    }
}

void drawCake(QPainter &painter, const Palette &palette)
{
    const qreal plateY = kRestY - 22;
    drawGlow(painter, QPointF(71, plateY - 50), 62, QColor(0xFF, 0xD8, 0x80, 120));

    painter.setPen(QPen(palette.outline, 1.2));
    painter.setBrush(palette.frameLight);
    painter.drawEllipse(QPointF(71, plateY), 32, 4.5);

    // Two tiers of sponge under pink icing that drips down the sides.
    const QRectF lowerTier(47, plateY - 20, 48, 20);
    const QRectF upperTier(55, plateY - 34, 32, 15);
    const QColor sponge(0xFF, 0xE6, 0xC4);
    const QColor icing(0xFF, 0x8F, 0xB8);
    int sprinkle = 0;
    for (const QRectF &tier : {lowerTier, upperTier}) {
        painter.setPen(QPen(palette.outline, 1.2));
        painter.setBrush(sponge);
        painter.drawRoundedRect(tier, 3, 3);

        QPainterPath topping;
        topping.setFillRule(Qt::WindingFill);
        topping.addRoundedRect(QRectF(tier.left(), tier.top(), tier.width(), 6), 3, 3);
        const int drips = static_cast<int>(tier.width() / 7);
        for (int i = 0; i < drips; ++i) {
            const qreal x = tier.left() + (i + 0.5) * tier.width() / drips;
            const qreal length = (i % 3 == 1) ? 6.5 : 4;
            topping.addRoundedRect(QRectF(x - 2.4, tier.top() + 2, 4.8, 4 + length), 2.4, 2.4);
        }
        painter.setPen(QPen(palette.outline, 1.1));
        painter.setBrush(icing);
        painter.drawPath(topping.simplified());
        painter.setPen(QPen(withAlpha(QColor(Qt::white), 190), 1.4, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(QPointF(tier.left() + 4, tier.top() + 2.2), QPointF(tier.left() + 12, tier.top() + 2.2));

        // Sprinkles on the sponge below the drips.
        for (qreal x = tier.left() + 5; x < tier.right() - 3; x += 6.5) {
            const qreal y = tier.bottom() - 4.5 - (sprinkle % 2) * 2.5;
            painter.setPen(QPen(partyColour(sprinkle), 1.5, Qt::SolidLine, Qt::RoundCap));
            painter.drawLine(QPointF(x, y), QPointF(x + 2, y + ((sprinkle % 3) - 1) * 1.5));
            ++sprinkle;
        }
    }
    // Candles with flames.
    for (int i = 0; i < 3; ++i) {
        const qreal x = 62 + i * 9;
        const qreal top = upperTier.top() - 13;
        painter.setPen(QPen(palette.outline, 0.8));
        painter.setBrush(partyColour(i * 2 + 1));
        painter.drawRect(QRectF(x - 2, top, 4, 13));
        painter.setPen(QPen(palette.frameLight, 1));
        painter.drawLine(QPointF(x - 2, top + 4), QPointF(x + 2, top + 2));
        painter.drawLine(QPointF(x - 2, top + 9), QPointF(x + 2, top + 7));
        drawGlow(painter, QPointF(x, top - 6), 10, QColor(0xFF, 0xE0, 0x70, 200));
        QPainterPath flame;
        flame.moveTo(x, top - 12);
        flame.quadTo(x + 4, top - 4, x, top - 1);
        flame.quadTo(x - 4, top - 4, x, top - 12);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(0xFF, 0xB0, 0x30));
        painter.drawPath(flame);
        painter.setBrush(QColor(0xFF, 0xF6, 0xC0));
        painter.drawEllipse(QPointF(x, top - 4), 1.3, 2.2);
    }
}

void drawYarnBall(QPainter &painter, const Palette &palette)
{
    const QPointF centre(40, 664);
    const qreal r = 17;
    // Loose thread wandering across the rug.
    painter.setPen(QPen(palette.yarn, 1.8, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    QPainterPath thread;
    thread.moveTo(centre + QPointF(12, 10));
    thread.cubicTo(QPointF(80, 690), QPointF(96, 650), QPointF(120, 672));
    thread.cubicTo(QPointF(136, 688), QPointF(150, 676), QPointF(160, 684));
    painter.drawPath(thread);

    painter.setPen(Qt::NoPen);
    painter.setBrush(palette.shadow);
    painter.drawEllipse(centre + QPointF(2, r - 2), r, 4);
    painter.setPen(QPen(palette.outline, 1.2));
    painter.setBrush(palette.yarn);
    painter.drawEllipse(centre, r, r);
    painter.save();
    QPainterPath ball;
    ball.addEllipse(centre, r, r);
    painter.setClipPath(ball);
    painter.setPen(QPen(palette.yarnDark, 1.4));
    painter.setBrush(Qt::NoBrush);
    for (int i = -2; i <= 2; ++i)
        painter.drawEllipse(centre + QPointF(i * 6, -2), 6, 22);
    painter.setPen(QPen(mixColours(palette.yarn, palette.frameLight, 0.5), 1.4));
    for (int i = -1; i <= 1; ++i)
        painter.drawEllipse(centre + QPointF(0, i * 7), 22, 5);
    painter.restore();
    // Knitting needles stuck through the ball.
    painter.setPen(QPen(palette.brass, 2, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(centre + QPointF(-20, -20), centre + QPointF(12, 10));
    painter.drawLine(centre + QPointF(-6, -26), centre + QPointF(4, 14));
    painter.setPen(Qt::NoPen);
    painter.setBrush(palette.catNose);
    painter.drawEllipse(centre + QPointF(-20, -20), 3, 3);
    painter.drawEllipse(centre + QPointF(-6, -26), 3, 3);
}

void drawSlippers(QPainter &painter, const Palette &palette)
{
    // Bunny slippers seen from above, toes pointing at the window.
    const QColor felt = palette.catNose;
    const QColor fluff = palette.frameLight;
    for (const auto &[at, angle] : {std::pair{QPointF(282, 662), -14.0}, std::pair{QPointF(318, 668), 10.0}}) {
        painter.save();
        painter.translate(at);
        painter.rotate(angle);
        painter.setPen(Qt::NoPen);
        painter.setBrush(palette.shadow);
        painter.drawEllipse(QPointF(2, 3), 15, 22);
        painter.setPen(QPen(palette.outline, 1.2));
        // Ears lie back over the toe.
        for (qreal side : {-1.0, 1.0}) {
            painter.setBrush(felt);
            painter.drawEllipse(QPointF(side * 6, -22), 4, 9);
            painter.setPen(Qt::NoPen);
            painter.setBrush(palette.catInnerEar);
            painter.drawEllipse(QPointF(side * 6, -22), 1.8, 6);
            painter.setPen(QPen(palette.outline, 1.2));
        }
        painter.setBrush(felt);
        painter.drawEllipse(QPointF(0, 0), 14, 21);
        // Opening at the heel with a fluffy rim.
        painter.setBrush(fluff);
        painter.drawEllipse(QPointF(0, 8), 11, 11);
        painter.setBrush(mixColours(felt, palette.outline, 0.45));
        painter.drawEllipse(QPointF(0, 9), 7.5, 8);
        // Face on the toe.
        painter.setPen(Qt::NoPen);
        painter.setBrush(palette.outline);
        painter.drawEllipse(QPointF(-4, -11), 1.6, 1.6);
        painter.drawEllipse(QPointF(4, -11), 1.6, 1.6);
        painter.setBrush(fluff);
        painter.drawEllipse(QPointF(0, -7), 2.2, 1.6);
        painter.restore();
    }
}

void drawGift(QPainter &painter, const Palette &palette, const QRectF &box, const QColor &paper, const QColor &ribbon)
{
    painter.setPen(QPen(palette.outline, 1.3));
    painter.setBrush(paper);
    painter.drawRect(box);
    painter.setBrush(mixColours(paper, QColor(Qt::white), 0.25));
    painter.drawRect(QRectF(box.left() - 2, box.top() - 6, box.width() + 4, 7));
    // Polka dots on the paper.
    painter.setPen(Qt::NoPen);
    painter.setBrush(withAlpha(QColor(Qt::white), 140));
    for (qreal y = box.top() + 6; y < box.bottom() - 2; y += 8)
        for (qreal x = box.left() + 4 + (static_cast<int>(y) % 16 < 8 ? 0 : 4); x < box.right() - 2; x += 8)
            painter.drawEllipse(QPointF(x, y), 1.4, 1.4);
    painter.setBrush(ribbon);
    painter.setPen(QPen(palette.outline, 0.8));
    painter.drawRect(QRectF(box.center().x() - 3, box.top() - 6, 6, box.height() + 6));
    // Bow: two loops and a knot.
    const QPointF knot(box.center().x(), box.top() - 6);
    painter.drawEllipse(knot + QPointF(-7, -4), 7, 4.5);
    painter.drawEllipse(knot + QPointF(7, -4), 7, 4.5);
    painter.drawEllipse(knot + QPointF(0, -2), 3, 3);
}

void drawGifts(QPainter &painter, const Palette &palette)
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(palette.shadow);
    painter.drawEllipse(QPointF(306, 688), 46, 5);
    drawGift(painter, palette, QRectF(262, 646, 46, 40), partyColour(0), partyColour(1));
    drawGift(painter, palette, QRectF(306, 660, 40, 28), partyColour(2), partyColour(3));
    drawGift(painter, palette, QRectF(272, 628, 26, 18), partyColour(4), partyColour(1));
}

}  // namespace

void drawSillProps(QPainter &painter, const Palette &palette, Variant variant)
{
    drawBookStack(painter, palette);
    if (variant == Variant::Cover)
        drawMug(painter, palette);
    else
        drawCake(painter, palette);
}

void drawPlant(QPainter &painter, const Palette &palette)
{
    const QPointF base(298, 414);
    // Leaves fan out from the pot: (angle in degrees from straight up, length).
    const struct { qreal angle, length; } leaves[] = {
        {-70, 52}, {-48, 70}, {-26, 84}, {-6, 92}, {14, 80}, {34, 68}, {58, 50}, {-90, 38}, {80, 40},
    };
    for (const auto &leaf : leaves) {
        const qreal rad = leaf.angle * 3.14159265 / 180;
        const QPointF tip = base + QPointF(std::sin(rad), -std::cos(rad)) * leaf.length;
        const QPainterPath shape = leafPath(base, tip, leaf.length * 0.22);
        painter.setPen(QPen(palette.leafDark, 1.3));
        QLinearGradient shade(base, tip);
        shade.setColorAt(0, palette.leafDark);
        shade.setColorAt(1, palette.leaf);
        painter.setBrush(shade);
        painter.drawPath(shape);
        painter.setPen(QPen(mixColours(palette.leaf, palette.frameLight, 0.45), 1));
        painter.drawLine(base + (tip - base) * 0.15, base + (tip - base) * 0.85);
    }

    QPainterPath pot;
    pot.moveTo(277, 414);
    pot.lineTo(319, 414);
    pot.lineTo(313, kRestY);
    pot.lineTo(283, kRestY);
    pot.closeSubpath();
    painter.setPen(QPen(palette.outline, 1.3));
    painter.setBrush(palette.pot);
    painter.drawPath(pot);
    painter.setBrush(palette.potDark);
    painter.drawRoundedRect(QRectF(274, 410, 48, 9), 2, 2);
    painter.setPen(QPen(mixColours(palette.pot, palette.frameLight, 0.45), 2, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 4; ++i)
        painter.drawPoint(QPointF(288 + i * 7, 431 + (i % 2) * 5));
}

void drawFloorProps(QPainter &painter, const Palette &palette, Variant variant)
{
    drawYarnBall(painter, palette);
    if (variant == Variant::Cover)
        drawSlippers(painter, palette);
    else
        drawGifts(painter, palette);
}
