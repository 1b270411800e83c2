// What every unit of a window shares: its identity, its bound handlers and
// the common properties. Each kind is a Qt object that also is a Control.
#pragma once

#include "form/bindings.h"
#include "form/byte_set.h"
#include "form/form_definition.h"

#include <QPoint>

#include <cstdint>
#include <optional>
#include <vector>

class QWidget;

namespace form {

class Runtime;

using NativeHandle = std::int32_t;

// Property indexes common to every kind; from 8 up they belong to the kind.
namespace property {
inline constexpr int left = 0;
inline constexpr int top = 1;
inline constexpr int width = 2;
inline constexpr int height = 3;
inline constexpr int tag = 4;
inline constexpr int visible = 5;
inline constexpr int disabled = 6;
inline constexpr int cursor = 7;
inline constexpr int timerPeriod = 8;       // Timer
inline constexpr int canvasBackground = 9;  // DrawPanel
inline constexpr int canvasPicture = 10;    // DrawPanel, bytes
inline constexpr int penColour = 17;        // DrawPanel
inline constexpr int brushColour = 19;      // DrawPanel
inline constexpr int normalPicture = 10;    // PicBtn, bytes
inline constexpr int hoverPicture = 11;     // PicBtn, bytes
inline constexpr int pressedPicture = 12;   // PicBtn, bytes
inline constexpr int disabledPicture = 13;  // PicBtn, bytes
inline constexpr int transparentColour = 14; // PicBtn
} // namespace property

// Pointer input in the runtime's own terms, after routing to a control.
struct PointerInput {
    enum class Type { Press, DoublePress, Release, Move } type;
    QPoint local;      // in the control's client coordinates, signed
    QPoint windowPos;  // in the window's client coordinates
    bool leftDown;     // the left button is held after this input
};

struct BoundHandler {
    int event;
    std::variant<PlainHandler, MouseHandler> handler;
};

class Control {
public:
    Control(Runtime& runtime, WindowId window, UnitId unit, Kind kind);
    virtual ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    WindowId windowId() const { return m_window; }
    UnitId unitId() const { return m_unit; }
    Kind kind() const { return m_kind; }
    NativeHandle nativeHandle() const { return m_handle; }
    Runtime& runtime() const { return m_runtime; }

    // The control's own window; null for kinds without one (the timer).
    virtual QWidget* widget() = 0;

    virtual std::optional<std::int64_t> readProperty(int index);
    // Returns false when the kind has no such property or refuses the value.
    virtual bool writeProperty(int index, std::int64_t value);
    virtual bool writeBytesProperty(int index, const ByteSet& bytes);

    // Whether the runtime routes pointer input to this control itself rather
    // than leaving it to the toolkit's own widget (the push button).
    virtual bool routesPointer() const { return false; }
    // Whether a point of the control's rectangle belongs to its window shape.
    virtual bool shapeContains(QPoint local) const;
    // The control's own handling, after any bound handler has run.
    virtual void handlePointer(const PointerInput&) {}

    void setBindings(std::vector<BoundHandler> bindings) { m_bindings = std::move(bindings); }
    const BoundHandler* binding(int event) const;

private:
    Runtime& m_runtime;
    WindowId m_window;
    UnitId m_unit;
    Kind m_kind;
    NativeHandle m_handle;
    std::int64_t m_tag = 0;
    std::vector<BoundHandler> m_bindings;
};

} // namespace form
