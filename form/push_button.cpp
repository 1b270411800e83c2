#include "form/push_button.h"

#include "form/runtime.h"

namespace form {

PushButton::PushButton(Runtime& runtime, WindowId window, const ControlForm& form, QWidget* parent)
    : QPushButton(QString::fromUtf8(form.caption.data(), qsizetype(form.caption.size())), parent)
    , Control(runtime, window, form.unitId, Kind::Button)
{
    setGeometry(form.geometry.left, form.geometry.top, form.geometry.width, form.geometry.height);
    // Not a default button: Enter does nothing, only Space and the pointer click it.
    setAutoDefault(false);
    setDefault(false);
    setFocusPolicy(form.tabStop ? Qt::StrongFocus : Qt::NoFocus);
    QObject::connect(this, &QPushButton::clicked, [this] { Control::runtime().raise(*this, event::click); });
}

} // namespace form
