#pragma once

#include "variant.h"

class QPainter;
struct Palette;

// Things standing on the sill and lying on the floor.
void drawSillProps(QPainter &painter, const Palette &palette, Variant variant);  // books, mug or cake
void drawPlant(QPainter &painter, const Palette &palette);
void drawFloorProps(QPainter &painter, const Palette &palette, Variant variant);  // yarn, slippers or gifts
