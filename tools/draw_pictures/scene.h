#pragma once

#include "variant.h"

#include <QImage>

// Paints the whole picture for one variant at layout::kWidth x kHeight.
// Pure function of the variant: no clock, no unseeded randomness.
QImage renderScene(Variant variant);
