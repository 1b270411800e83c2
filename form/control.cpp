#include "form/control.h"

#include "form/runtime.h"

#include <QCursor>
#include <QWidget>

#include <algorithm>

namespace form {

namespace {

Qt::CursorShape cursorShape(Pointer pointer)
{
    return pointer == Pointer::PointingHand ? Qt::PointingHandCursor : Qt::ArrowCursor;
}

} // namespace

Control::Control(Runtime& runtime, WindowId window, UnitId unit, Kind kind)
    : m_runtime(runtime), m_window(window), m_unit(unit), m_kind(kind), m_handle(runtime.registerUnit(*this))
{
}

Control::~Control()
{
    m_runtime.forgetUnit(*this);
}

const BoundHandler* Control::binding(int event) const
{
    for (const BoundHandler& bound : m_bindings) {
        if (bound.event == event)
            return &bound;
    }
    return nullptr;
}

std::optional<std::int64_t> Control::readProperty(int index)
{
    if (index == property::tag)
        return m_tag;
    QWidget* w = widget();
    if (!w)
        return std::nullopt;
    switch (index) {
    case property::left:
        return w->x();
    case property::top:
        return w->y();
    case property::width:
        return w->width();
    case property::height:
        return w->height();
    case property::visible:
        return w->isHidden() ? 0 : 1;
    case property::disabled:
        return w->isEnabled() ? 0 : 1;
    case property::cursor:
        return w->cursor().shape() == Qt::PointingHandCursor ? int(Pointer::PointingHand) : int(Pointer::Arrow);
    default:
        return std::nullopt;
    }
}

bool Control::writeProperty(int index, std::int64_t value)
{
    if (index == property::tag) {
        m_tag = value;
        return true;
    }
    QWidget* w = widget();
    if (!w)
        return false;
    switch (index) {
    case property::left:
        w->move(int(value), w->y());
        return true;
    case property::top:
        w->move(w->x(), int(value));
        return true;
    case property::width:
        w->resize(int(std::max<std::int64_t>(value, 0)), w->height());
        return true;
    case property::height:
        w->resize(w->width(), int(std::max<std::int64_t>(value, 0)));
        return true;
    case property::visible:
        w->setVisible(value != 0);
        return true;
    case property::disabled:
        w->setEnabled(value == 0);
        return true;
    case property::cursor:
        w->setCursor(cursorShape(Pointer(value)));
        return true;
    default:
        return false;
    }
}

bool Control::writeBytesProperty(int, const ByteSet&)
{
    return false;
}

bool Control::shapeContains(QPoint local) const
{
    QWidget* w = const_cast<Control*>(this)->widget();
    return w && w->rect().contains(local);
}

} // namespace form
