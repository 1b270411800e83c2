// Routes a window's pointer input to its controls in the runtime's own terms:
// the control holding the capture gets everything; otherwise the topmost
// visible control whose shape holds the point. The bound handler runs first,
// then the control's own handling. A second left press on the same control
// within the double-click time and distance is a double click, not a press.
#pragma once

#include "form/control.h"

#include <QPoint>

#include <cstdint>

namespace form {

class Runtime;
class Window;

struct RawPointer {
    enum class Type { Press, Release, Move, Leave } type;
    bool leftButton;    // for Press and Release: whether it is the left button
    QPoint windowPos;   // window client coordinates, signed
    bool leftDown;      // the left button is held after this input
    int keys;           // 1 Ctrl + 2 Shift + 4 Alt
    std::uint64_t timestamp; // milliseconds
};

class PointerRouter {
public:
    PointerRouter(Runtime& runtime, Window& window);

    // True when the input went to a routed control and the toolkit should
    // not also deliver it; false leaves it to the toolkit (push buttons, the
    // window's own area, and every move so that pointer shapes stay right).
    bool route(const RawPointer& input);

private:
    bool isDoubleClick(const Control& target, const RawPointer& input);

    Runtime& m_runtime;
    Window& m_window;
    NativeHandle m_lastPressTarget = 0;
    std::uint64_t m_lastPressTime = 0;
    QPoint m_lastPressPos;
};

} // namespace form
