// The form runtime: reads forms, builds windows from them, raises control
// events to the program's handlers, owns decoded pictures and the pointer
// capture, runs the message loop and calls the exit routine at the end.
//
// One Runtime exists at a time (the program's, or a test's); the operations
// in form/operations.h reach it through Runtime::current().
#pragma once

#include "form/bindings.h"
#include "form/control.h"
#include "form/form_definition.h"

#include <QImage>

#include <map>
#include <memory>
#include <span>
#include <vector>

namespace form {

class Window;

using PictureHandle = std::int32_t;
using ExitRoutine = void (*)();

class Runtime {
public:
    Runtime();
    ~Runtime();
    Runtime(const Runtime&) = delete;
    Runtime& operator=(const Runtime&) = delete;

    static Runtime* current();

    // Life cycle, in the order a program calls them.
    // Reads the forms into window templates, resolving every handler and
    // resource name; a form that does not check out is a fatal error.
    void initialise(std::span<const WindowForm* const> forms, const Bindings& bindings,
                    std::span<const std::uint8_t> constantPool);
    void setExitRoutine(ExitRoutine routine) { m_exitRoutine = routine; }
    // Creates the window with dispatch off, raises its created event, then
    // shows and activates it. Returns the window; null only in tests that
    // replace the fatal-error hooks.
    Window* loadWindow(WindowId id, bool show = true);
    // Runs until the last window is gone; returns the quit code (0).
    int runMessageLoop();
    // Dispatch off for good, remaining windows destroyed, exit routine once.
    void shutdown();

    // Dispatch.
    bool dispatchEnabled() const { return m_dispatchEnabled; }
    void raise(Control& control, int event);
    void raiseMouse(Control& control, int event, QPoint position, int keys);

    // Units.
    Control* unit(WindowId window, UnitId unit) const;
    Control* unitByHandle(NativeHandle handle) const;
    NativeHandle registerUnit(Control& control);
    void forgetUnit(Control& control);
    Window* window(WindowId id) const;
    // The topmost visible control of a window under a point of its client area.
    Control* controlAt(WindowId window, QPoint windowPos) const;
    void windowDestroyed(Window& window);

    // Pointer capture: at most one control receives every pointer input.
    Control* capture() const { return m_capture; }
    void setCapture(Control& control) { m_capture = &control; }
    void releaseCapture(Control& control);

    // Decoded pictures; a handle stays valid until the runtime ends.
    PictureHandle addPicture(QImage picture);
    const QImage* picture(PictureHandle handle) const;

private:
    struct Template {
        const WindowForm* form;
        std::vector<BoundHandler> windowBindings;
        std::vector<std::vector<BoundHandler>> controlBindings; // per control, form order
        const std::uint8_t* backgroundPicture = nullptr;
    };
    bool readForm(const WindowForm& form, const Bindings& bindings, Template& out) const;

    std::map<WindowId, Template> m_templates;
    std::map<NativeHandle, Control*> m_units;
    std::vector<Window*> m_windows;
    std::vector<std::unique_ptr<QImage>> m_pictures;
    Control* m_capture = nullptr;
    ExitRoutine m_exitRoutine = nullptr;
    NativeHandle m_nextHandle = 0x00010010;
    bool m_dispatchEnabled = false;
    bool m_loopRunning = false;
    bool m_shutDown = false;
};

} // namespace form
