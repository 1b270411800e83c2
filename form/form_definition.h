// A form: the compiled-in description of one window and its controls, from
// which the runtime builds the window when the program loads it. Forms are
// constexpr data; handlers and resources are referred to by name and bound
// when the runtime reads the form, so this file knows nothing of any program.
#pragma once

#include "form/colour.h"

#include <cstdint>
#include <span>
#include <string_view>

namespace form {

using WindowId = std::uint32_t;
using UnitId = std::uint32_t;

enum class Kind { Window, DrawPanel, PicBtn, Button, HyperLinker, Timer };

// Pointer shapes, numbered as the classic desktop API numbers its cursors.
enum class Pointer : int { Default = 0, Arrow = 32512, PointingHand = 32649 };

// Event numbers as handlers are bound to them.
namespace event {
inline constexpr int created = 0;
inline constexpr int periodic = 0;
inline constexpr int click = 0;
inline constexpr int leftPressed = -1;
inline constexpr int leftReleased = -2;
inline constexpr int doubleClick = -3;
inline constexpr int mouseMoved = -6;

constexpr bool isMouseEvent(int number)
{
    return number == leftPressed || number == leftReleased || number == doubleClick || number == mouseMoved;
}
} // namespace event

struct EventBinding {
    int event;
    std::string_view handler;
};

struct Geometry {
    int left;
    int top;
    int width;
    int height;
};

struct ControlForm {
    std::string_view name; // as the form names it
    UnitId unitId;
    Kind kind;
    Geometry geometry;
    bool visible = true;
    bool tabStop = false;
    Pointer pointer = Pointer::Default;
    std::span<const EventBinding> events {};

    // Kind-specific settings; each kind reads only its own.
    std::string_view caption {};    // Button, HyperLinker (UTF-8)
    std::string_view linkTarget {}; // HyperLinker: what a press opens; empty opens nothing
    int timerPeriod = 0;            // Timer, milliseconds
    Colour background = defaultColour; // DrawPanel
    Colour penColour = 0;              // DrawPanel
    Colour brushColour = 0xFFFFFF;     // DrawPanel
    Colour transparentColour = 0;      // PicBtn
};

struct WindowForm {
    WindowId windowId;
    UnitId unitId;
    std::string_view name;
    std::string_view title; // UTF-8
    Geometry geometry;      // outer size; left and top are replaced by centring
    std::string_view backgroundPicture; // resource name; empty for none
    Colour background = defaultColour;  // painted only where no picture is drawn
    bool escapeCloses = true;
    Pointer pointer = Pointer::Arrow;
    // Form order, which is also the stacking order from top to bottom.
    std::span<const ControlForm> controls {};
    std::span<const EventBinding> events {};
};

// The checks that need no bindings: ids unique, sizes sane, every bound event
// one that the kind raises.
constexpr bool kindRaises(Kind kind, int number)
{
    switch (kind) {
    case Kind::Window:
        return number == event::created;
    case Kind::Timer:
        return number == event::periodic;
    case Kind::Button:
        return number == event::click;
    case Kind::DrawPanel:
    case Kind::PicBtn:
        return event::isMouseEvent(number) || (kind == Kind::PicBtn && number == event::click);
    case Kind::HyperLinker:
        return false;
    }
    return false;
}

constexpr bool isWellFormed(const WindowForm& window)
{
    if (window.geometry.width <= 0 || window.geometry.height <= 0 || window.title.empty())
        return false;
    for (const EventBinding& binding : window.events) {
        if (!kindRaises(Kind::Window, binding.event) || binding.handler.empty())
            return false;
    }
    for (std::size_t i = 0; i < window.controls.size(); ++i) {
        const ControlForm& control = window.controls[i];
        if (control.unitId == window.unitId || control.kind == Kind::Window || control.name.empty())
            return false;
        if (control.geometry.width < 0 || control.geometry.height < 0 || control.timerPeriod < 0)
            return false;
        for (std::size_t j = 0; j < i; ++j) {
            if (window.controls[j].unitId == control.unitId)
                return false;
        }
        for (const EventBinding& binding : control.events) {
            if (!kindRaises(control.kind, binding.event) || binding.handler.empty())
                return false;
        }
    }
    return true;
}

} // namespace form
