#pragma once

#include "variant.h"

class QPainter;
struct Palette;

// What is seen through the glass: sky, moon, stars, hills and a village.
// The hidden variant adds fireworks; the cover a shooting star.
void drawWindowView(QPainter &painter, const Palette &palette, Variant variant);

// The painted arch frame, glazing bars and latch, drawn over the view.
void drawWindowFrame(QPainter &painter, const Palette &palette);
