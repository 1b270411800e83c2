// The one-time hint half a second after start, and the replay button that
// puts the cover back.
#include "reveal/handlers.h"
#include "reveal/snapshot.h"
#include "reveal/state.h"

#include "assets/constant_pool.h"
#include "form/operations.h"
#include "form/start_window_form.h"

namespace reveal {

using namespace form::start;

void onHintTimerTick()
{
    // Stop first: the box runs its own loop, and the hint is shown only once.
    form::writeProperty(windowId, hintTimer, form::property::timerPeriod, 0);
    form::messageBox(assets::hintText(), assets::hintTitle(), 0);
}

void onReplayClicked()
{
    form::drawPicture(windowId, canvas, coverPictureHandle, 0, 0);
    // A fresh snapshot of the clean cover, so that a press and release right
    // after a replay does not bring the old holes back.
    takeSnapshot(0, 0);
    form::hide(windowId, pictureButton);
    form::show(windowId, canvas);
}

} // namespace reveal
