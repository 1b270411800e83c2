#include "form/qt_input.h"

#include "form/runtime.h"
#include "form/window.h"

#include <QGuiApplication>

#include <QCursor>
#include <QKeyEvent>
#include <QMouseEvent>

namespace form {

int keyState(Qt::KeyboardModifiers modifiers)
{
    return (modifiers & Qt::ControlModifier ? 1 : 0) | (modifiers & Qt::ShiftModifier ? 2 : 0)
        | (modifiers & Qt::AltModifier ? 4 : 0);
}

QtInputAdapter::QtInputAdapter(Runtime& runtime, Window& window)
    : QObject(&window), m_window(window), m_router(runtime, window)
{
}

bool QtInputAdapter::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseMove: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        RawPointer input {};
        input.type = event->type() == QEvent::MouseButtonPress ? RawPointer::Type::Press
            : event->type() == QEvent::MouseButtonRelease      ? RawPointer::Type::Release
                                                               : RawPointer::Type::Move;
        input.leftButton = mouse->button() == Qt::LeftButton;
        input.windowPos = mouse->position().toPoint();
        input.leftDown = (mouse->buttons() & Qt::LeftButton) != 0;
        input.keys = keyState(mouse->modifiers());
        input.timestamp = mouse->timestamp();
        return m_router.route(input);
    }
    case QEvent::MouseButtonDblClick: {
        // The router tells double clicks apart itself; Qt's extra event is
        // only for the push button and the window.
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const Control* target = m_window.runtime().capture();
        if (!target)
            target = m_window.controlAt(mouse->position().toPoint());
        return target && target->routesPointer();
    }
    case QEvent::Leave: {
        RawPointer input {};
        input.type = RawPointer::Type::Leave;
        input.windowPos = m_window.mapFromGlobal(QCursor::pos());
        input.leftDown = (QGuiApplication::mouseButtons() & Qt::LeftButton) != 0;
        input.keys = keyState(QGuiApplication::keyboardModifiers());
        m_router.route(input);
        return false;
    }
    case QEvent::KeyPress: {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool plain = (key->modifiers() & (Qt::ControlModifier | Qt::ShiftModifier | Qt::AltModifier)) == 0;
        if (key->key() == Qt::Key_Escape && plain && m_window.escapeCloses()) {
            m_window.close();
            return true;
        }
        return false;
    }
    default:
        return QObject::eventFilter(watched, event);
    }
}

} // namespace form
