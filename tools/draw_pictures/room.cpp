#include "room.h"

#include "layout.h"
#include "palette.h"
#include "seeded_random.h"
#include "shapes.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <cmath>

using namespace layout;

void drawWall(QPainter &painter, const Palette &palette)
{
    QLinearGradient gradient(0, 0, 0, kFloorY);
    gradient.setColorAt(0, palette.wallTop);
    gradient.setColorAt(1, palette.wallBottom);
    painter.fillRect(QRectF(0, 0, kWidth, kFloorY), gradient);

    // Wallpaper: small four-petal flowers on a staggered grid, with a dot
    // between them, so the bare wall still has something to uncover.
    painter.setPen(Qt::NoPen);
    const qreal step = 30;
    for (int row = 0; row * step < kFloorY; ++row) {
        const qreal y = 14 + row * step;
        const qreal offset = (row % 2 == 0) ? 0 : step / 2;
        for (qreal x = 8 + offset; x < kWidth + step; x += step) {
            painter.setBrush(mixColours(palette.wallMotif, palette.wallTop, 0.35));
            for (int petal = 0; petal < 4; ++petal) {
                const qreal angle = petal * 1.5707963;
                painter.drawEllipse(QPointF(x + 3.2 * std::cos(angle), y + 3.2 * std::sin(angle)), 2.4, 2.4);
            }
            painter.setBrush(mixColours(palette.wallMotif, palette.wallTop, 0.5));
            painter.drawEllipse(QPointF(x + step / 2, y), 1.3, 1.3);
        }
    }

    // Cornice along the ceiling: a moulded band over a row of dentils.
    painter.fillRect(QRectF(0, 0, kWidth, 9), palette.skirting);
    painter.fillRect(QRectF(0, 9, kWidth, 1.5), mixColours(palette.skirting, palette.outline, 0.4));
    painter.fillRect(QRectF(0, 3, kWidth, 1.5), mixColours(palette.skirting, palette.frameLight, 0.6));
    painter.setPen(Qt::NoPen);
    painter.setBrush(mixColours(palette.skirting, palette.wallTop, 0.3));
    for (qreal x = 2; x < kWidth; x += 11)
        painter.drawRect(QRectF(x, 10.5, 6, 4.5));

    // Skirting board where the wall meets the floor.
    painter.fillRect(QRectF(0, kFloorY - 12, kWidth, 12), palette.skirting);
    painter.fillRect(QRectF(0, kFloorY - 12, kWidth, 2), mixColours(palette.skirting, palette.frameLight, 0.5));
}

void drawFloor(QPainter &painter, const Palette &palette)
{
    // Boards get taller towards the bottom to suggest depth.
    SeededRandom random(0xF1002);
    qreal y = kFloorY;
    int row = 0;
    while (y < kHeight) {
        const qreal height = 11 + row * 2.5;
        painter.fillRect(QRectF(0, y, kWidth, height), row % 2 == 0 ? palette.floor : palette.floorAlt);
        painter.fillRect(QRectF(0, y, kWidth, 1.2), palette.floorSeam);
        painter.setPen(QPen(palette.floorSeam, 1.2));
        for (qreal x = random.uniform(10, 90); x < kWidth; x += random.uniform(80, 140))
            painter.drawLine(QPointF(x, y), QPointF(x, y + height));
        y += height;
        ++row;
    }
}

void drawRug(QPainter &painter, const Palette &palette)
{
    const QPointF centre(kCenterX, 664);
    painter.setPen(Qt::NoPen);
    painter.setBrush(palette.shadow);
    painter.drawEllipse(centre + QPointF(0, 3), 136, 25);

    // Fringe at both ends.
    painter.setPen(QPen(palette.rugInner, 1.4, Qt::SolidLine, Qt::RoundCap));
    for (int i = -5; i <= 5; ++i) {
        const qreal dy = i * 3.2;
        const qreal dx = 134 * std::sqrt(1 - (dy / 26) * (dy / 26));
        painter.drawLine(QPointF(centre.x() - dx + 2, centre.y() + dy), QPointF(centre.x() - dx - 6, centre.y() + dy));
        painter.drawLine(QPointF(centre.x() + dx - 2, centre.y() + dy), QPointF(centre.x() + dx + 6, centre.y() + dy));
    }

    const QColor rings[] = {palette.rugOuter, palette.rugInner, palette.rugMiddle, palette.rugInner, palette.rugOuter,
                            palette.rugMiddle};
    const qreal radii[] = {134, 120, 112, 92, 84, 52};
    for (int i = 0; i < 6; ++i) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(rings[i]);
        painter.drawEllipse(centre, radii[i], radii[i] * 0.19);
    }
    // Stitched dashes along the outer band.
    painter.setPen(QPen(palette.rugInner, 1.3, Qt::DashLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(centre, 127, 127 * 0.19);
    painter.setPen(QPen(palette.rugOuter, 1.3, Qt::DotLine, Qt::RoundCap));
    painter.drawEllipse(centre, 30, 30 * 0.19);
}

namespace {

// Left curtain; the right one is its mirror image.
QPainterPath curtainOutline()
{
    QPainterPath path;
    path.moveTo(-8, kRodY + 2);
    path.lineTo(106, kRodY + 2);
    path.cubicTo(100, 150, 68, 270, 40, kTiebackY);
    path.cubicTo(50, 420, 82, 540, 94, kCurtainBottomY);
    // Hem with a soft wave where the folds meet the floor.
    path.quadTo(76, kCurtainBottomY + 5, 58, kCurtainBottomY);
    path.quadTo(40, kCurtainBottomY + 5, 22, kCurtainBottomY);
    path.quadTo(7, kCurtainBottomY + 5, -8, kCurtainBottomY);
    path.closeSubpath();
    return path;
}

// A fold follows the curtain's silhouette at a fraction of its width.
QPainterPath foldLine(qreal f)
{
    const auto across = [f](qreal inner) { return -8 + (inner + 8) * f; };
    QPainterPath path;
    path.moveTo(across(106), kRodY + 4);
    path.cubicTo(across(100), 150, across(68), 270, across(40), kTiebackY);
    path.cubicTo(across(50), 420, across(82), 540, across(94), kCurtainBottomY + 2);
    return path;
}

void drawOneCurtain(QPainter &painter, const Palette &palette)
{
    const QPainterPath outline = curtainOutline();

    QLinearGradient base(0, 0, 106, 0);
    base.setColorAt(0, palette.curtainDark);
    base.setColorAt(0.6, palette.curtain);
    base.setColorAt(1, palette.curtainLight);
    painter.setPen(Qt::NoPen);
    painter.setBrush(base);
    painter.drawPath(outline);

    painter.save();
    painter.setClipPath(outline);
    painter.setBrush(Qt::NoBrush);
    // Each fold: a shaded valley with a highlight ridge just beside it.
    for (qreal f : {0.18, 0.38, 0.58, 0.78}) {
        painter.setPen(QPen(withAlpha(palette.curtainDark, 200), 5, Qt::SolidLine, Qt::RoundCap));
        painter.drawPath(foldLine(f));
        painter.setPen(QPen(withAlpha(palette.curtainLight, 150), 2.2, Qt::SolidLine, Qt::RoundCap));
        painter.drawPath(foldLine(f + 0.07));
    }
    // Printed pattern of tiny stars, which moves with the fabric.
    painter.setPen(Qt::NoPen);
    painter.setBrush(withAlpha(palette.curtainLight, 110));
    for (int row = 0; row < 20; ++row) {
        const qreal y = 62 + row * 29;
        // Approximate inner edge at this height so the stars fill the fabric.
        const qreal inner = y < kTiebackY ? 106 - (106 - 40) * std::pow((y - kRodY) / (kTiebackY - kRodY), 1.6)
                                          : 40 + (94 - 40) * std::pow((y - kTiebackY) / (kCurtainBottomY - kTiebackY), 0.8);
        for (int col = 0; col < 4; ++col) {
            const qreal x = inner * (col + (row % 2 == 0 ? 0.3 : 0.75)) / 4;
            painter.drawPath(starPath(QPointF(x, y), 3.2, 1.4, 5));
        }
    }
    painter.restore();

    painter.setPen(QPen(withAlpha(palette.outline, 150), 1.4));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(outline);

    // Curtain rings on the rod.
    painter.setPen(QPen(palette.rodDark, 1.6));
    for (qreal x = 4; x < 104; x += 14)
        painter.drawEllipse(QPointF(x, kRodY + 1), 4, 5);

    // Tieback band with a tassel.
    QPainterPath band;
    band.moveTo(-8, kTiebackY - 10);
    band.quadTo(22, kTiebackY - 4, 46, kTiebackY - 6);
    band.lineTo(46, kTiebackY + 4);
    band.quadTo(22, kTiebackY + 8, -8, kTiebackY + 2);
    band.closeSubpath();
    painter.setPen(QPen(palette.rodDark, 1.2));
    painter.setBrush(palette.tieback);
    painter.drawPath(band);
    painter.setPen(QPen(palette.rodDark, 1));
    for (qreal x = 0; x < 44; x += 6)
        painter.drawLine(QPointF(x, kTiebackY - 6), QPointF(x + 4, kTiebackY + 4));
    painter.setBrush(palette.tieback);
    painter.drawEllipse(QPointF(42, kTiebackY + 6), 5, 5);
    QPainterPath tassel;
    tassel.moveTo(38, kTiebackY + 9);
    tassel.lineTo(46, kTiebackY + 9);
    tassel.lineTo(50, kTiebackY + 34);
    tassel.quadTo(42, kTiebackY + 38, 34, kTiebackY + 34);
    tassel.closeSubpath();
    painter.drawPath(tassel);
    for (qreal x = 37; x <= 47; x += 2.5)
        painter.drawLine(QPointF(x + (x - 42) * 0.1, kTiebackY + 14), QPointF(x + (x - 42) * 0.5, kTiebackY + 34));
}

}  // namespace

void drawCurtains(QPainter &painter, const Palette &palette)
{
    drawOneCurtain(painter, palette);
    painter.save();
    painter.translate(kWidth, 0);
    painter.scale(-1, 1);
    drawOneCurtain(painter, palette);
    painter.restore();

    // The rod runs across the whole top, with a ball finial at each end.
    QLinearGradient rod(0, kRodY - 3, 0, kRodY + 3);
    rod.setColorAt(0, palette.rod);
    rod.setColorAt(1, palette.rodDark);
    painter.setPen(Qt::NoPen);
    painter.setBrush(rod);
    painter.drawRoundedRect(QRectF(6, kRodY - 3, kWidth - 12, 6), 3, 3);
    for (qreal x : {9.0, kWidth - 9.0}) {
        QRadialGradient ball(QPointF(x - 2, kRodY - 3), 9);
        ball.setColorAt(0, palette.frameLight);
        ball.setColorAt(0.4, palette.rod);
        ball.setColorAt(1, palette.rodDark);
        painter.setBrush(ball);
        painter.drawEllipse(QPointF(x, kRodY), 7.5, 7.5);
    }
    // Brackets holding the rod.
    painter.setBrush(palette.rodDark);
    for (qreal x : {30.0, kWidth - 30.0})
        painter.drawRect(QRectF(x - 2, kRodY - 14, 4, 12));
}

void drawBookcase(QPainter &painter, const Palette &palette)
{
    const QRectF outer(kCaseLeft, kCaseTop, kCaseRight - kCaseLeft, kFloorY - kCaseTop);
    painter.setPen(Qt::NoPen);
    painter.setBrush(palette.shadow);
    painter.drawRect(outer.translated(4, 0).adjusted(0, 4, 0, 0));
    painter.setPen(QPen(palette.outline, 1.4));
    painter.setBrush(palette.wood);
    painter.drawRect(outer);
    painter.fillRect(QRectF(kCaseLeft - 4, kCaseTop - 5, kCaseRight - kCaseLeft + 8, 7), palette.woodLight);
    painter.setPen(QPen(palette.woodDark, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(kCaseLeft - 4, kCaseTop - 5, kCaseRight - kCaseLeft + 8, 7));

    const qreal inset = 7;
    const QRectF shelves[] = {
        QRectF(kCaseLeft + inset, kCaseTop + 8, kCaseRight - kCaseLeft - 2 * inset, 50),
        QRectF(kCaseLeft + inset, kCaseTop + 66, kCaseRight - kCaseLeft - 2 * inset, 46),
    };
    SeededRandom random(0xB00C5);
    for (int s = 0; s < 2; ++s) {
        const QRectF &shelf = shelves[s];
        painter.fillRect(shelf, palette.shelfBack);
        painter.fillRect(QRectF(shelf.left(), shelf.top(), shelf.width(), 4), withAlpha(palette.woodDark, 200));

        // Upright books fill most of the shelf; the rest differs per shelf.
        qreal x = shelf.left() + 2;
        const qreal booksEnd = shelf.left() + (s == 0 ? 96 : 74);
        int colour = s * 3;
        while (x < booksEnd) {
            const qreal w = random.uniform(7, 13);
            const qreal h = shelf.height() - random.uniform(3, 14);
            const QRectF book(x, shelf.bottom() - h, w, h);
            const QColor c = palette.books[static_cast<std::size_t>(colour++ % 6)];
            painter.setPen(QPen(palette.outline, 1));
            painter.setBrush(c);
            painter.drawRect(book);
            painter.setPen(QPen(mixColours(c, palette.frameLight, 0.5), 1.2));
            painter.drawLine(QPointF(x + 1.5, book.top() + 5), QPointF(x + w - 1.5, book.top() + 5));
            painter.drawLine(QPointF(x + 1.5, book.bottom() - 6), QPointF(x + w - 1.5, book.bottom() - 6));
            x += w + 0.5;
        }
        if (s == 0) {
            // A leaning book, then a little round fishbowl.
            painter.save();
            painter.translate(x + 2, shelf.bottom());
            painter.rotate(16);
            painter.setPen(QPen(palette.outline, 1));
            painter.setBrush(palette.books[4]);
            painter.drawRect(QRectF(0, -38, 10, 38));
            painter.restore();
            const QPointF bowl(shelf.right() - 22, shelf.bottom() - 15);
            painter.setPen(QPen(withAlpha(palette.frameLight, 220), 1.4));
            painter.setBrush(withAlpha(palette.skyHorizon, 150));
            painter.drawEllipse(bowl, 16, 15);
            painter.setPen(Qt::NoPen);
            painter.setBrush(palette.catFur);
            QPainterPath fish;
            fish.moveTo(bowl + QPointF(-7, 2));
            fish.quadTo(bowl + QPointF(0, -5), bowl + QPointF(5, 2));
            fish.lineTo(bowl + QPointF(9, -2));
            fish.lineTo(bowl + QPointF(9, 6));
            fish.lineTo(bowl + QPointF(5, 2));
            fish.quadTo(bowl + QPointF(0, 8), bowl + QPointF(-7, 2));
            painter.drawPath(fish);
            painter.setBrush(palette.frameLight);
            painter.drawEllipse(bowl + QPointF(-8, -7), 2, 3);
        } else {
            // A pile of books lying flat, and a small clock.
            qreal y = shelf.bottom();
            for (int i = 0; i < 3; ++i) {
                const qreal h = 7 + i % 2;
                const QRectF book(x + 4 + i * 2, y - h, 40 - i * 4, h);
                painter.setPen(QPen(palette.outline, 1));
                painter.setBrush(palette.books[static_cast<std::size_t>((i + 1) * 2 % 6)]);
                painter.drawRect(book);
                y -= h;
            }
            const QPointF clock(shelf.right() - 20, shelf.bottom() - 15);
            painter.setPen(QPen(palette.outline, 1.2));
            painter.setBrush(palette.brass);
            painter.drawEllipse(clock, 14, 14);
            painter.setBrush(palette.frameLight);
            painter.drawEllipse(clock, 10.5, 10.5);
            painter.setPen(QPen(palette.outline, 1.6, Qt::SolidLine, Qt::RoundCap));
            painter.drawLine(clock, clock + QPointF(0, -7));
            painter.drawLine(clock, clock + QPointF(5, 2));
        }
    }
    // Little feet.
    painter.setPen(Qt::NoPen);
    painter.setBrush(palette.woodDark);
    painter.drawRect(QRectF(kCaseLeft + 4, kFloorY - 3, 10, 3));
    painter.drawRect(QRectF(kCaseRight - 14, kFloorY - 3, 10, 3));
}

void drawSill(QPainter &painter, const Palette &palette)
{
    // Shadow cast on the wall below the slab.
    painter.fillRect(QRectF(kSillFrontLeft + 6, kSillBottomY, kSillFrontRight - kSillFrontLeft - 12, 8),
                     palette.shadow);

    // Corbels under the sill.
    for (qreal x : {kSillFrontLeft + 30.0, kSillFrontRight - 30.0}) {
        QPainterPath corbel;
        corbel.moveTo(x - 9, kSillBottomY);
        corbel.lineTo(x + 9, kSillBottomY);
        corbel.quadTo(x + 8, kSillBottomY + 16, x, kSillBottomY + 26);
        corbel.quadTo(x - 8, kSillBottomY + 16, x - 9, kSillBottomY);
        painter.setPen(QPen(palette.outline, 1.2));
        painter.setBrush(palette.sillFront);
        painter.drawPath(corbel);
        painter.setBrush(palette.sillShade);
        painter.drawEllipse(QPointF(x, kSillBottomY + 9), 3, 3);
    }

    QPainterPath top;
    top.moveTo(kSillBackLeft, kSillBackY);
    top.lineTo(kSillBackRight, kSillBackY);
    top.lineTo(kSillFrontRight, kSillFrontY);
    top.lineTo(kSillFrontLeft, kSillFrontY);
    top.closeSubpath();
    QLinearGradient topShade(0, kSillBackY, 0, kSillFrontY);
    topShade.setColorAt(0, palette.sillShade);
    topShade.setColorAt(1, palette.sillTop);
    painter.setPen(QPen(palette.outline, 1.2));
    painter.setBrush(topShade);
    painter.drawPath(top);

    const QRectF front(kSillFrontLeft, kSillFrontY, kSillFrontRight - kSillFrontLeft, kSillBottomY - kSillFrontY);
    painter.setBrush(palette.sillFront);
    painter.drawRoundedRect(front, 3, 3);
    painter.setPen(QPen(palette.frameLight, 1.5));
    painter.drawLine(QPointF(front.left() + 3, front.top() + 2), QPointF(front.right() - 3, front.top() + 2));
    painter.setPen(QPen(palette.sillShade, 1.2));
    painter.drawLine(QPointF(front.left() + 3, front.bottom() - 5), QPointF(front.right() - 3, front.bottom() - 5));
}
