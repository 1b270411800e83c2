#pragma once

#include <QColor>
#include <QPainterPath>
#include <QPointF>

class QPainter;

// Small geometric building blocks shared by the scene files.

QColor mixColours(const QColor &a, const QColor &b, qreal t);
QColor withAlpha(QColor colour, int alpha);
QColor partyColour(int index);

// Rectangle with a half-circle top, centred horizontally on the picture.
QPainterPath archPath(qreal left, qreal right, qreal bottom, qreal archCentreY);

// Star with `points` tips, the first one pointing up.
QPainterPath starPath(QPointF centre, qreal outerRadius, qreal innerRadius, int points);

// Four-pointed twinkle with concave sides.
QPainterPath sparklePath(QPointF centre, qreal radius);

// Leaf or petal: a lens from `base` to `tip`, `width` at its widest.
QPainterPath leafPath(QPointF base, QPointF tip, qreal width);

// Point on a quadratic curve; used for garlands that sag between hooks.
QPointF quadPoint(QPointF p0, QPointF control, QPointF p1, qreal t);

// Soft round light: radial gradient from `colour` to fully transparent.
void drawGlow(QPainter &painter, QPointF centre, qreal radius, const QColor &colour);
