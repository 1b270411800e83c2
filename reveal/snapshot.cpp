#include "reveal/snapshot.h"

#include "reveal/state.h"

#include "form/operations.h"
#include "form/start_window_form.h"

namespace reveal {

void takeSnapshot(int width, int height)
{
    form::ByteSet fresh = form::snapshot(canvasWindowHandle, width, height);
    // The picture button keeps its own copy, so the previous snapshot can go first.
    form::freeByteSet(revealSnapshot);
    revealSnapshot = std::move(fresh);
    form::writePictureProperty(form::start::windowId, form::start::pictureButton, form::property::normalPicture,
                               revealSnapshot);
}

} // namespace reveal
