// Velquin: hold the left button and smear over the cover picture; let go and
// the hidden picture shows through every smear.
#include "app/start_program.h"

#include "form/runtime.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>

namespace {

// Without a display Qt aborts with a terse message; say what is missing.
bool hasDisplay()
{
    const auto set = [](const char* name) {
        const char* value = std::getenv(name);
        return value && *value;
    };
    return set("QT_QPA_PLATFORM") || set("DISPLAY") || set("WAYLAND_DISPLAY");
}

} // namespace

int main(int argc, char** argv)
{
    if (!hasDisplay()) {
        std::fprintf(stderr, "velquin: no display to open the window on (neither DISPLAY nor WAYLAND_DISPLAY is set)\n");
        return 1;
    }
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Velquin"));
    // The runtime ends the program itself when its last window is gone.
    QApplication::setQuitOnLastWindowClosed(false);

    form::Runtime runtime;
    const int code = startProgram(runtime);
    // The exit routine runs once, after the window and its controls are gone.
    runtime.shutdown();
    return code;
}
