// Smear and reveal: two layers in one rectangle. The canvas keeps the cover
// and every black disc; the picture button shows the latest snapshot of the
// canvas with every pure black pixel cut out of its shape, so the window's
// background (the hidden picture) shows through the holes. The canvas is the
// visible layer while a stroke runs, the picture button in between.
#include "reveal/handlers.h"
#include "reveal/snapshot.h"
#include "reveal/state.h"

#include "assets/constant_pool.h"
#include "form/operations.h"
#include "form/start_window_form.h"

#include <cmath>

namespace reveal {

using namespace form::start;

namespace {

void showPictureButtonLayer()
{
    form::show(windowId, pictureButton);
    form::hide(windowId, canvas);
}

// A black disc centred on (x, y), then a fresh snapshot for the picture button.
void stampDisc(int x, int y)
{
    form::writeProperty(windowId, canvas, form::property::penColour, 0);
    form::writeProperty(windowId, canvas, form::property::brushColour, 0);
    const double radius = assets::discRadius();
    form::drawEllipse(windowId, canvas, int(std::lround(x - radius)), int(std::lround(y - radius)),
                      int(std::lround(x + radius)), int(std::lround(y + radius)));
    const auto width = int(form::readProperty(windowId, canvas, form::property::width));
    const auto height = int(form::readProperty(windowId, canvas, form::property::height));
    takeSnapshot(width, height);
}

} // namespace

void onStartWindowCreated()
{
    coverPictureHandle = form::loadPicture(form::ByteSet::fromConstantPool(assets::coverPicture()));
    form::drawPicture(windowId, canvas, coverPictureHandle, 0, 0);

    // The form leaves the picture button offset; lay both layers exactly over
    // the window so that a point has the same coordinates in each.
    const auto width = int(form::readProperty(windowId, windowUnit, form::property::width));
    const auto height = int(form::readProperty(windowId, windowUnit, form::property::height));
    form::moveControl(windowId, canvas, 0, 0, width, height);
    form::moveControl(windowId, pictureButton, 0, 0, width, height);

    canvasWindowHandle = form::nativeWindowHandle(windowId, canvas);
    takeSnapshot(0, 0);

    form::writeProperty(windowId, hintTimer, form::property::timerPeriod, 500);
}

void onCanvasLeftPressed(int, int, int)
{
    isSmearing = 1;
}

void onPicBtnLeftPressed(int, int, int)
{
    // The picture button keeps the pointer capture its own press handling
    // takes, so the rest of this stroke arrives at its handlers.
    form::hide(windowId, pictureButton);
    form::show(windowId, canvas);
    isSmearing = 1;
}

void onCanvasLeftReleased(int, int, int)
{
    isSmearing = 0;
    showPictureButtonLayer();
}

void onPicBtnLeftReleased(int, int, int)
{
    showPictureButtonLayer();
    isSmearing = 0;
}

void onCanvasMouseMoved(int x, int y, int)
{
    if (isSmearing)
        stampDisc(x, y);
}

void onPicBtnMouseMoved(int x, int y, int)
{
    if (isSmearing)
        stampDisc(x, y);
}

void onProgramExit()
{
    form::freeByteSet(revealSnapshot);
}

} // namespace reveal
