#include "form/runtime.h"

#include "form/fatal_error.h"
#include "form/window.h"

#include <QApplication>
#include <QMetaObject>
#include <QTimer>

#include <algorithm>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace form {

namespace {

Runtime* currentRuntime = nullptr;

template <typename Entry>
const Entry* findByName(std::span<const Entry> entries, std::string_view name)
{
    for (const Entry& entry : entries) {
        if (entry.name == name)
            return &entry;
    }
    return nullptr;
}

// Resolves each binding's handler name; mouse events need mouse handlers.
bool bind(std::span<const EventBinding> events, const Bindings& bindings, std::vector<BoundHandler>& out)
{
    for (const EventBinding& binding : events) {
        const HandlerEntry* entry = findByName(bindings.handlers, binding.handler);
        if (!entry)
            return false;
        const bool wantsMouse = event::isMouseEvent(binding.event);
        if (wantsMouse != std::holds_alternative<MouseHandler>(entry->handler))
            return false;
        out.push_back({binding.event, entry->handler});
    }
    return true;
}

} // namespace

Runtime::Runtime()
{
    currentRuntime = this;
#if defined(__GLIBC__)
    // Every move of a stroke allocates a snapshot of about 736 KB and frees
    // the previous one. Left to its defaults glibc maps such blocks straight
    // from the kernel, or trims them off the heap, and each move pays for
    // fresh zeroed pages; kept in the heap, the freed block is simply reused.
    mallopt(M_MMAP_THRESHOLD, 64 << 20);
    mallopt(M_TRIM_THRESHOLD, 128 << 20);
#endif
    setFatalErrorListener([this] { m_dispatchEnabled = false; });
}

Runtime::~Runtime()
{
    m_dispatchEnabled = false;
    // Deleting a window removes it from m_windows.
    while (!m_windows.empty())
        delete m_windows.back();
    setFatalErrorListener({});
    if (currentRuntime == this)
        currentRuntime = nullptr;
}

Runtime* Runtime::current()
{
    return currentRuntime;
}

bool Runtime::readForm(const WindowForm& form, const Bindings& bindings, Template& out) const
{
    if (!isWellFormed(form))
        return false;
    out.form = &form;
    if (!bind(form.events, bindings, out.windowBindings))
        return false;
    for (const ControlForm& control : form.controls) {
        out.controlBindings.emplace_back();
        if (!bind(control.events, bindings, out.controlBindings.back()))
            return false;
    }
    if (!form.backgroundPicture.empty()) {
        const ResourceEntry* resource = findByName(bindings.resources, form.backgroundPicture);
        if (!resource || !isInConstantPool(resource->byteSet))
            return false;
        out.backgroundPicture = resource->byteSet;
    }
    return true;
}

void Runtime::initialise(std::span<const WindowForm* const> forms, const Bindings& bindings,
                         std::span<const std::uint8_t> constantPool)
{
    setConstantPool(constantPool);
    for (const WindowForm* form : forms) {
        Template read;
        if (!form || !readForm(*form, bindings, read) || m_templates.contains(form->windowId))
            fatalError(formUnreadableMessage);
        m_templates.emplace(form->windowId, std::move(read));
    }
}

Window* Runtime::loadWindow(WindowId id, bool show)
{
    const auto found = m_templates.find(id);
    if (found == m_templates.end() || !QApplication::instance())
        fatalError(startWindowFailedMessage);
    const Template& form = found->second;

    // Nothing is raised while the window and its controls come into being.
    m_dispatchEnabled = false;
    auto* window = new Window(*this, *form.form, form.controlBindings, form.backgroundPicture);
    window->setBindings(form.windowBindings);
    m_windows.push_back(window);
    m_dispatchEnabled = !m_shutDown;

    raise(*window, event::created);
    if (show && std::find(m_windows.begin(), m_windows.end(), window) != m_windows.end()) {
        window->show();
        window->activateWindow();
        window->focusFirstTabStop();
    }
    return window;
}

int Runtime::runMessageLoop()
{
    if (m_windows.empty())
        return 0;
    m_loopRunning = true;
    const int code = QApplication::exec();
    m_loopRunning = false;
    return code;
}

void Runtime::shutdown()
{
    if (m_shutDown)
        return;
    m_shutDown = true;
    m_dispatchEnabled = false;
    while (!m_windows.empty())
        delete m_windows.back();
    if (m_exitRoutine)
        m_exitRoutine();
    m_pictures.clear();
}

void Runtime::raise(Control& control, int event)
{
    if (!m_dispatchEnabled)
        return;
    if (const BoundHandler* bound = control.binding(event)) {
        if (const auto* handler = std::get_if<PlainHandler>(&bound->handler))
            (*handler)();
    }
}

void Runtime::raiseMouse(Control& control, int event, QPoint position, int keys)
{
    if (!m_dispatchEnabled)
        return;
    if (const BoundHandler* bound = control.binding(event)) {
        if (const auto* handler = std::get_if<MouseHandler>(&bound->handler))
            (*handler)(position.x(), position.y(), keys);
    }
}

Control* Runtime::unit(WindowId windowId, UnitId unitId) const
{
    for (const auto& [handle, control] : m_units) {
        if (control->windowId() == windowId && control->unitId() == unitId)
            return control;
    }
    return nullptr;
}

Control* Runtime::unitByHandle(NativeHandle handle) const
{
    const auto found = m_units.find(handle);
    return found == m_units.end() ? nullptr : found->second;
}

NativeHandle Runtime::registerUnit(Control& control)
{
    const NativeHandle handle = m_nextHandle++;
    m_units.emplace(handle, &control);
    return handle;
}

void Runtime::forgetUnit(Control& control)
{
    m_units.erase(control.nativeHandle());
    if (m_capture == &control)
        m_capture = nullptr;
}

Window* Runtime::window(WindowId id) const
{
    for (Window* window : m_windows) {
        if (window->windowId() == id)
            return window;
    }
    return nullptr;
}

Control* Runtime::controlAt(WindowId id, QPoint windowPos) const
{
    const Window* w = window(id);
    return w ? w->controlAt(windowPos) : nullptr;
}

void Runtime::windowDestroyed(Window& window)
{
    std::erase(m_windows, &window);
    // The last window gone ends the loop, as a quit message would.
    if (m_windows.empty() && m_loopRunning)
        QApplication::exit(0);
}

void Runtime::releaseCapture(Control& control)
{
    if (m_capture == &control)
        m_capture = nullptr;
}

PictureHandle Runtime::addPicture(QImage picture)
{
    if (picture.isNull())
        return 0;
    m_pictures.push_back(std::make_unique<QImage>(std::move(picture)));
    return PictureHandle(m_pictures.size());
}

const QImage* Runtime::picture(PictureHandle handle) const
{
    if (handle <= 0 || std::size_t(handle) > m_pictures.size())
        return nullptr;
    return m_pictures[std::size_t(handle) - 1].get();
}

} // namespace form
