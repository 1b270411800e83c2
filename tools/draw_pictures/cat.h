#pragma once

#include "variant.h"

class QPainter;
struct Palette;

// The ginger cat lying on the sill. Body, head and tail sit in the same
// place in both pictures; asleep on the cover, wide awake in a party hat
// underneath.
void drawCat(QPainter &painter, const Palette &palette, Variant variant);
