// Button: a native push button. A click (press and release inside it, or
// Space while it has the focus) raises the click event at once.
#pragma once

#include "form/control.h"

#include <QPushButton>

namespace form {

class PushButton : public QPushButton, public Control {
public:
    PushButton(Runtime& runtime, WindowId window, const ControlForm& form, QWidget* parent);
    QWidget* widget() override { return this; }
};

} // namespace form
