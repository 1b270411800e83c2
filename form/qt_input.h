// The one place where Qt's input events become the runtime's: mouse events
// arriving at a window's QWindow, before Qt routes them to child widgets,
// go to the PointerRouter; plain Esc closes the window.
#pragma once

#include "form/pointer_router.h"

#include <QObject>

namespace form {

class Window;

class QtInputAdapter : public QObject {
public:
    QtInputAdapter(Runtime& runtime, Window& window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Window& m_window;
    PointerRouter m_router;
};

int keyState(Qt::KeyboardModifiers modifiers);

} // namespace form
