#include "reveal/state.h"

namespace reveal {

std::int32_t isSmearing = 0;
form::NativeHandle canvasWindowHandle = 0;
form::ByteSet revealSnapshot;
form::PictureHandle coverPictureHandle = 0;

} // namespace reveal
