#include "reveal/handlers.h"

#include "assets/constant_pool.h"
#include "form/start_window_form.h"

namespace reveal {

namespace {

const form::HandlerEntry handlerTable[] = {
    {"onStartWindowCreated", &onStartWindowCreated},
    {"onCanvasLeftPressed", &onCanvasLeftPressed},
    {"onCanvasMouseMoved", &onCanvasMouseMoved},
    {"onCanvasLeftReleased", &onCanvasLeftReleased},
    {"onPicBtnLeftPressed", &onPicBtnLeftPressed},
    {"onPicBtnMouseMoved", &onPicBtnMouseMoved},
    {"onPicBtnLeftReleased", &onPicBtnLeftReleased},
    {"onHintTimerTick", &onHintTimerTick},
    {"onReplayClicked", &onReplayClicked},
};

} // namespace

form::Bindings bindings()
{
    static const form::ResourceEntry resources[] = {
        {form::start::backgroundResource, assets::hiddenPicture()},
    };
    return {handlerTable, resources};
}

} // namespace reveal
