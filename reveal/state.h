// The program-wide state the handlers share. Everything starts at zero or
// null; the program has no other globals.
#pragma once

#include "form/byte_set.h"
#include "form/control.h"
#include "form/runtime.h"

#include <cstdint>

namespace reveal {

// 1 while a stroke is in progress: set by the press handlers, cleared by the
// release handlers.
extern std::int32_t isSmearing;
// The canvas's own window, from which every snapshot is taken.
extern form::NativeHandle canvasWindowHandle;
// The program's copy of the latest snapshot; replaced at every snapshot and
// freed by the exit routine.
extern form::ByteSet revealSnapshot;
// The cover, decoded once at start-up and drawn again by every replay.
extern form::PictureHandle coverPictureHandle;

} // namespace reveal
