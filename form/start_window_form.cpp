#include "form/start_window_form.h"

namespace form::start {

namespace {

constexpr EventBinding windowEvents[] = {
    {event::created, "onStartWindowCreated"},
};
constexpr EventBinding timerEvents[] = {
    {event::periodic, "onHintTimerTick"},
};
constexpr EventBinding replayEvents[] = {
    {event::click, "onReplayClicked"},
};
constexpr EventBinding pictureButtonEvents[] = {
    {event::leftPressed, "onPicBtnLeftPressed"},
    {event::leftReleased, "onPicBtnLeftReleased"},
    {event::mouseMoved, "onPicBtnMouseMoved"},
};
constexpr EventBinding canvasEvents[] = {
    {event::leftPressed, "onCanvasLeftPressed"},
    {event::leftReleased, "onCanvasLeftReleased"},
    {event::mouseMoved, "onCanvasMouseMoved"},
};

constexpr ControlForm controls[] = {
    {.name = "时钟1", .unitId = hintTimer, .kind = Kind::Timer, .geometry = {304, 8, 32, 16},
     .visible = false, .events = timerEvents, .timerPeriod = 0},
    {.name = "超级链接框1", .unitId = creditLink, .kind = Kind::HyperLinker, .geometry = {80, 5, 180, 16},
     .pointer = Pointer::PointingHand, .caption = "Marnoth www.marnoth.example 出品", .linkTarget = ""},
    {.name = "按钮1", .unitId = replayButton, .kind = Kind::Button, .geometry = {0, 0, 40, 32},
     .tabStop = true, .pointer = Pointer::Arrow, .events = replayEvents, .caption = "重玩"},
    {.name = "图形按钮", .unitId = pictureButton, .kind = Kind::PicBtn, .geometry = {16, 32, 354, 692},
     .visible = false, .pointer = Pointer::PointingHand, .events = pictureButtonEvents, .transparentColour = 0},
    {.name = "画板", .unitId = canvas, .kind = Kind::DrawPanel, .geometry = {0, 0, 354, 692},
     .pointer = Pointer::PointingHand, .events = canvasEvents, .background = defaultColour, .penColour = 0,
     .brushColour = 0xFFFFFF},
};

constexpr WindowForm form = {
    .windowId = windowId,
    .unitId = windowUnit,
    .name = "窗口",
    .title = "Velquin1.0",
    .geometry = {50, 50, 354, 692},
    .backgroundPicture = backgroundResource,
    .background = rgb(0, 255, 0),
    .escapeCloses = true,
    .pointer = Pointer::Arrow,
    .controls = controls,
    .events = windowEvents,
};

static_assert(isWellFormed(form));

} // namespace

const WindowForm& startWindowForm()
{
    return form;
}

} // namespace form::start
