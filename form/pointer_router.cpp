#include "form/pointer_router.h"

#include "form/runtime.h"
#include "form/window.h"

#include <QGuiApplication>
#include <QStyleHints>
#include <QWidget>

#include <cstdlib>

namespace form {

PointerRouter::PointerRouter(Runtime& runtime, Window& window) : m_runtime(runtime), m_window(window) {}

bool PointerRouter::isDoubleClick(const Control& target, const RawPointer& input)
{
    const QStyleHints* hints = QGuiApplication::styleHints();
    const bool second = m_lastPressTarget == target.nativeHandle()
        && input.timestamp - m_lastPressTime <= std::uint64_t(hints->mouseDoubleClickInterval())
        && std::abs(input.windowPos.x() - m_lastPressPos.x()) <= hints->mouseDoubleClickDistance()
        && std::abs(input.windowPos.y() - m_lastPressPos.y()) <= hints->mouseDoubleClickDistance();
    // A double click ends the pair: the next press starts a new one.
    m_lastPressTarget = second ? 0 : target.nativeHandle();
    m_lastPressTime = input.timestamp;
    m_lastPressPos = input.windowPos;
    return second;
}

bool PointerRouter::route(const RawPointer& input)
{
    Control* target = m_runtime.capture();
    if (target && target->windowId() != m_window.windowId())
        return false;
    if (!target)
        target = m_window.controlAt(input.windowPos);
    if (!target || !target->routesPointer() || !target->widget())
        return false;

    const NativeHandle handle = target->nativeHandle();
    const QPoint local = target->widget()->mapFrom(&m_window, input.windowPos);
    PointerInput own {PointerInput::Type::Move, local, input.windowPos, input.leftDown};
    switch (input.type) {
    case RawPointer::Type::Press: {
        if (!input.leftButton)
            return true;
        const bool doubleClick = isDoubleClick(*target, input);
        own.type = doubleClick ? PointerInput::Type::DoublePress : PointerInput::Type::Press;
        m_runtime.raiseMouse(*target, doubleClick ? event::doubleClick : event::leftPressed, local, input.keys);
        break;
    }
    case RawPointer::Type::Release:
        if (!input.leftButton)
            return true;
        own.type = PointerInput::Type::Release;
        m_runtime.raiseMouse(*target, event::leftReleased, local, input.keys);
        break;
    case RawPointer::Type::Move:
    case RawPointer::Type::Leave:
        // Leaving the window is a move to wherever the pointer went, so that a
        // control holding the capture sees the pointer go.
        if (input.type == RawPointer::Type::Leave && m_runtime.capture() != target)
            return false;
        m_runtime.raiseMouse(*target, event::mouseMoved, local, input.keys);
        break;
    }
    // The handler may have destroyed the window and with it the control.
    if (m_runtime.unitByHandle(handle) == target)
        target->handlePointer(own);
    return input.type == RawPointer::Type::Press || input.type == RawPointer::Type::Release;
}

} // namespace form
