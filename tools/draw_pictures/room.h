#pragma once

#include "variant.h"

class QPainter;
struct Palette;

// The room itself: everything that is furniture or fabric.
void drawWall(QPainter &painter, const Palette &palette);
void drawFloor(QPainter &painter, const Palette &palette);
void drawRug(QPainter &painter, const Palette &palette);
void drawCurtains(QPainter &painter, const Palette &palette);
void drawBookcase(QPainter &painter, const Palette &palette);
void drawSill(QPainter &painter, const Palette &palette);
