#pragma once

class QPainter;
struct Palette;

// Cover only: a string of fairy lights and the sleeping cat's "Z"s.
void drawFairyLights(QPainter &painter, const Palette &palette);
void drawSleepyZs(QPainter &painter, const Palette &palette);

// Hidden only: the party.
void drawBunting(QPainter &painter, const Palette &palette);
void drawStreamers(QPainter &painter);
void drawBalloons(QPainter &painter, const Palette &palette);
void drawConfetti(QPainter &painter);
void drawWarmLight(QPainter &painter);
