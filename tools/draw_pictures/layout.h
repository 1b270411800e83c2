#pragma once

#include <QtGlobal>

// Shared geometry of the room. Both pictures are painted from these numbers
// so that every pixel position means the same spot in the cover and in the
// hidden picture: the app reveals one through holes scratched in the other.
namespace layout {

inline constexpr int kWidth = 354;
inline constexpr int kHeight = 692;
inline constexpr qreal kCenterX = kWidth / 2.0;

// Arch-topped window. The arch is a half circle centred on kArchCentreY.
inline constexpr qreal kArchCentreY = 195;
inline constexpr qreal kFrameLeft = 46;
inline constexpr qreal kFrameRight = 308;
inline constexpr qreal kGlassLeft = 60;
inline constexpr qreal kGlassRight = 294;
inline constexpr qreal kWindowBottom = 448;  // hidden behind the sill
inline constexpr qreal kMullionHalfWidth = 3;
inline constexpr qreal kHorizonY = 384;

// Sill: a slab seen slightly from above.
inline constexpr qreal kSillBackY = 440;
inline constexpr qreal kSillFrontY = 452;
inline constexpr qreal kSillBottomY = 474;
inline constexpr qreal kSillBackLeft = 40;
inline constexpr qreal kSillBackRight = 314;
inline constexpr qreal kSillFrontLeft = 24;
inline constexpr qreal kSillFrontRight = 330;
inline constexpr qreal kRestY = 447;  // where things standing on the sill touch it

// Curtains hang from a rod and are tied back at kTiebackY.
inline constexpr qreal kRodY = 38;
inline constexpr qreal kTiebackY = 330;
inline constexpr qreal kCurtainBottomY = 628;

// Low bookcase under the window, floor below it.
inline constexpr qreal kCaseLeft = 98;
inline constexpr qreal kCaseRight = 256;
inline constexpr qreal kCaseTop = 494;
inline constexpr qreal kFloorY = 618;

// The cat lies on the sill, head to the left.
inline constexpr qreal kCatHeadX = 150;
inline constexpr qreal kCatHeadY = 412;

// Hooks for the garland (fairy lights or bunting) below the rod.
inline constexpr qreal kGarlandY = 50;
inline constexpr qreal kGarlandSag = 20;

}  // namespace layout
