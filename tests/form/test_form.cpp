#include "tests/form/test_form.h"

#include "assets/constant_pool.h"

namespace testing_support {

namespace {

using namespace form;

template <const char* Name>
void recordPlain()
{
    calls().push_back({Name, 0, 0, 0, Runtime::current()->capture()});
}

template <const char* Name>
void recordMouse(int x, int y, int keys)
{
    calls().push_back({Name, x, y, keys, Runtime::current()->capture()});
}

constexpr char created[] = "created";
constexpr char tick[] = "tick";
constexpr char click[] = "click";
constexpr char canvasPressed[] = "canvasPressed";
constexpr char canvasReleased[] = "canvasReleased";
constexpr char canvasDoubleClick[] = "canvasDoubleClick";
constexpr char canvasMoved[] = "canvasMoved";
constexpr char picPressed[] = "picPressed";
constexpr char picReleased[] = "picReleased";
constexpr char picDoubleClick[] = "picDoubleClick";
constexpr char picMoved[] = "picMoved";
constexpr char picClick[] = "picClick";

constexpr EventBinding windowEvents[] = {{event::created, created}};
constexpr EventBinding timerEvents[] = {{event::periodic, tick}};
constexpr EventBinding buttonEvents[] = {{event::click, click}};
constexpr EventBinding picEvents[] = {{event::leftPressed, picPressed},
                                      {event::leftReleased, picReleased},
                                      {event::doubleClick, picDoubleClick},
                                      {event::mouseMoved, picMoved},
                                      {event::click, picClick}};
constexpr EventBinding canvasEvents[] = {{event::leftPressed, canvasPressed},
                                         {event::leftReleased, canvasReleased},
                                         {event::doubleClick, canvasDoubleClick},
                                         {event::mouseMoved, canvasMoved}};

constexpr ControlForm controls[] = {
    {.name = "timer", .unitId = testTimer, .kind = Kind::Timer, .geometry = {0, 0, 16, 16}, .visible = false,
     .events = timerEvents},
    {.name = "link", .unitId = testLink, .kind = Kind::HyperLinker, .geometry = {80, 5, 180, 16},
     .pointer = Pointer::PointingHand, .caption = "link"},
    {.name = "button", .unitId = testButton, .kind = Kind::Button, .geometry = {0, 0, 40, 32}, .tabStop = true,
     .events = buttonEvents, .caption = "button"},
    {.name = "picture", .unitId = testPicBtn, .kind = Kind::PicBtn, .geometry = {100, 100, 100, 100},
     .visible = false, .events = picEvents},
    {.name = "canvas", .unitId = testCanvas, .kind = Kind::DrawPanel, .geometry = {0, 0, 300, 400},
     .events = canvasEvents},
};

constexpr WindowForm form = {
    .windowId = testWindow,
    .unitId = 0x1,
    .name = "window",
    .title = "test window",
    .geometry = {0, 0, 354, 692},
    .backgroundPicture = "background",
    .background = rgb(0, 255, 0),
    .controls = controls,
    .events = windowEvents,
};
static_assert(isWellFormed(form));

const HandlerEntry handlers[] = {
    {created, &recordPlain<created>},
    {tick, &recordPlain<tick>},
    {click, &recordPlain<click>},
    {picClick, &recordPlain<picClick>},
    {canvasPressed, &recordMouse<canvasPressed>},
    {canvasReleased, &recordMouse<canvasReleased>},
    {canvasDoubleClick, &recordMouse<canvasDoubleClick>},
    {canvasMoved, &recordMouse<canvasMoved>},
    {picPressed, &recordMouse<picPressed>},
    {picReleased, &recordMouse<picReleased>},
    {picDoubleClick, &recordMouse<picDoubleClick>},
    {picMoved, &recordMouse<picMoved>},
};

// ByteSet: dimension count 1, length 4, four bytes that are no picture.
alignas(8) const std::uint8_t pool[] = {1, 0, 0, 0, 4, 0, 0, 0, 'n', 'o', 'p', 'e'};

} // namespace

std::vector<Call>& calls()
{
    static std::vector<Call> recorded;
    return recorded;
}

std::vector<std::string> handlerNames()
{
    std::vector<std::string> names;
    for (const Call& call : calls())
        names.push_back(call.handler);
    return names;
}

const form::WindowForm& testForm()
{
    return form;
}

form::Bindings testBindings()
{
    static const ResourceEntry resources[] = {{"background", assets::hiddenPicture()}};
    return {handlers, resources};
}

std::span<const std::uint8_t> testPool()
{
    return pool;
}

const std::uint8_t* undecodablePicture()
{
    return pool;
}

} // namespace testing_support
