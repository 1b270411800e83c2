#include "shapes.h"

#include "palette.h"

#include <QPainter>
#include <QRadialGradient>

#include <cmath>
#include <numbers>

QColor mixColours(const QColor &a, const QColor &b, qreal t)
{
    const auto lerp = [t](int x, int y) { return static_cast<int>(std::lround(x + (y - x) * t)); };
    return QColor(lerp(a.red(), b.red()), lerp(a.green(), b.green()), lerp(a.blue(), b.blue()),
                  lerp(a.alpha(), b.alpha()));
}

QColor withAlpha(QColor colour, int alpha)
{
    colour.setAlpha(alpha);
    return colour;
}

QColor partyColour(int index)
{
    const unsigned hex = kPartyColours[static_cast<std::size_t>(index) % kPartyColours.size()];
    return QColor((hex >> 16) & 0xFF, (hex >> 8) & 0xFF, hex & 0xFF);
}

QPainterPath archPath(qreal left, qreal right, qreal bottom, qreal archCentreY)
{
    const qreal radius = (right - left) / 2;
    QPainterPath path;
    path.moveTo(left, bottom);
    path.lineTo(left, archCentreY);
    path.arcTo(QRectF(left, archCentreY - radius, 2 * radius, 2 * radius), 180, -180);
    path.lineTo(right, bottom);
    path.closeSubpath();
    return path;
}

QPainterPath starPath(QPointF centre, qreal outerRadius, qreal innerRadius, int points)
{
    QPainterPath path;
    for (int i = 0; i < 2 * points; ++i) {
        const qreal angle = -std::numbers::pi / 2 + i * std::numbers::pi / points;
        const qreal r = (i % 2 == 0) ? outerRadius : innerRadius;
        const QPointF p(centre.x() + r * std::cos(angle), centre.y() + r * std::sin(angle));
        if (i == 0)
            path.moveTo(p);
        else
            path.lineTo(p);
    }
    path.closeSubpath();
    return path;
}

QPainterPath sparklePath(QPointF centre, qreal radius)
{
    const qreal pinch = radius * 0.18;
    const qreal x = centre.x();
    const qreal y = centre.y();
    QPainterPath path;
    path.moveTo(x, y - radius);
    path.quadTo(x + pinch, y - pinch, x + radius, y);
    path.quadTo(x + pinch, y + pinch, x, y + radius);
    path.quadTo(x - pinch, y + pinch, x - radius, y);
    path.quadTo(x - pinch, y - pinch, x, y - radius);
    path.closeSubpath();
    return path;
}

QPainterPath leafPath(QPointF base, QPointF tip, qreal width)
{
    const QPointF along = tip - base;
    const qreal length = std::hypot(along.x(), along.y());
    const QPointF normal(-along.y() / length, along.x() / length);
    const QPointF middle = base + along * 0.45;
    QPainterPath path;
    path.moveTo(base);
    path.quadTo(middle + normal * width, tip);
    path.quadTo(middle - normal * width, base);
    path.closeSubpath();
    return path;
}

QPointF quadPoint(QPointF p0, QPointF control, QPointF p1, qreal t)
{
    const qreal u = 1 - t;
    return p0 * (u * u) + control * (2 * u * t) + p1 * (t * t);
}

void drawGlow(QPainter &painter, QPointF centre, qreal radius, const QColor &colour)
{
    QRadialGradient gradient(centre, radius);
    gradient.setColorAt(0, colour);
    gradient.setColorAt(0.45, withAlpha(colour, colour.alpha() / 3));
    gradient.setColorAt(1, withAlpha(colour, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(gradient);
    painter.drawEllipse(centre, radius, radius);
}
