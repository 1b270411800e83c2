// Drives a window the way the window system would: Qt events sent to the
// window's QWindow, so they pass through the runtime's real input layer.
#pragma once

#include "form/window.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWindow>

#include <cstdint>

namespace testing_support {

class PointerDriver {
public:
    explicit PointerDriver(form::Window& window) : m_window(window) {}

    void press(QPoint at, Qt::KeyboardModifiers modifiers = {})
    {
        m_buttons |= Qt::LeftButton;
        send(QEvent::MouseButtonPress, at, Qt::LeftButton, modifiers);
    }
    void release(QPoint at, Qt::KeyboardModifiers modifiers = {})
    {
        m_buttons &= ~Qt::LeftButton;
        send(QEvent::MouseButtonRelease, at, Qt::LeftButton, modifiers);
    }
    void move(QPoint to, Qt::KeyboardModifiers modifiers = {})
    {
        send(QEvent::MouseMove, to, Qt::NoButton, modifiers);
    }
    void click(QPoint at)
    {
        press(at);
        release(at);
    }
    void drag(std::initializer_list<QPoint> path)
    {
        auto it = path.begin();
        press(*it);
        for (++it; it != path.end(); ++it)
            move(*it);
        release(*(path.end() - 1));
    }
    // Moves the clock on past the double-click time, so the next press is a press.
    void pause() { m_time += 10000; }

    void key(int key, Qt::KeyboardModifiers modifiers = {})
    {
        QKeyEvent press(QEvent::KeyPress, key, modifiers);
        QCoreApplication::sendEvent(m_window.windowHandle(), &press);
        QKeyEvent release(QEvent::KeyRelease, key, modifiers);
        QCoreApplication::sendEvent(m_window.windowHandle(), &release);
    }

private:
    void send(QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::KeyboardModifiers modifiers)
    {
        const QPointF local(at);
        QMouseEvent event(type, local, local, m_window.mapToGlobal(local), button, m_buttons, modifiers);
        m_time += 20;
        event.setTimestamp(m_time);
        QCoreApplication::sendEvent(m_window.windowHandle(), &event);
    }

    form::Window& m_window;
    Qt::MouseButtons m_buttons;
    std::uint64_t m_time = 100000;
};

} // namespace testing_support
