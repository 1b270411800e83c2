#pragma once

#include "variant.h"

#include <QColor>

#include <array>

// All colours of one picture. The cover is lit by the moon, the hidden
// picture by warm party light, so nearly every entry differs per variant.
// Cover colours stay well clear of black: the app treats pure black in the
// cover as "already scratched away".
struct Palette {
    QColor wallTop, wallBottom, wallMotif, skirting;
    QColor skyTop, skyMiddle, skyHorizon, star, moon, moonShade, cloud;
    QColor farHills, nearHills, houses, houseWindow, trees;
    QColor frame, frameShade, frameLight, brass;
    QColor curtain, curtainDark, curtainLight, tieback, rod, rodDark;
    QColor sillTop, sillFront, sillShade;
    QColor wood, woodDark, woodLight, shelfBack;
    QColor floor, floorAlt, floorSeam;
    QColor rugOuter, rugMiddle, rugInner;
    QColor catFur, catStripe, catCream, catOutline, catInnerEar, catNose, catBlush;
    QColor leaf, leafDark, pot, potDark;
    QColor yarn, yarnDark;
    QColor outline;  // soft dark line used for the vector-style outlines
    QColor shadow;   // translucent shade, used with its alpha
    std::array<QColor, 6> books;
};

const Palette &paletteFor(Variant variant);

// Colours shared by balloons, bunting, confetti and gifts.
inline constexpr std::array<unsigned, 7> kPartyColours = {
    0xF0504Au, 0xFFC93Cu, 0x2EC4B6u, 0xFF7EB6u, 0x9B6CF0u, 0xFF8C42u, 0x5DA9F6u,
};
