// End-to-end plumbing: a private Xvfb server, the real program started on it,
// real input through xdotool, and the screen read back through Xlib.
#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QSize>

#include <chrono>
#include <optional>
#include <string>
#include <sys/types.h>
#include <vector>

struct _XDisplay;

namespace e2e {

// A child process; killed (and reaped) when the handle goes.
class Process {
public:
    Process() = default;
    Process(const std::vector<std::string>& argv, const std::vector<std::string>& extraEnvironment);
    ~Process();
    Process(Process&& other) noexcept;
    Process& operator=(Process&& other) noexcept;

    bool running();
    // The exit status once the process ended within the timeout.
    std::optional<int> waitForExit(std::chrono::milliseconds timeout);
    void kill();

private:
    pid_t m_pid = -1;
    std::optional<int> m_status;
};

class XSession {
public:
    explicit XSession(QSize screen = {1024, 768});
    ~XSession();
    XSession(const XSession&) = delete;
    XSession& operator=(const XSession&) = delete;

    bool ok() const { return m_display != nullptr; }
    const std::string& displayName() const { return m_name; }

    // Starts build/velquin on this display.
    Process startProgram();

    // Top-level windows whose title is exactly `title`, once one is mapped.
    std::optional<unsigned long> waitForWindow(const std::string& title, std::chrono::milliseconds timeout);
    bool windowExists(const std::string& title);
    QRect windowGeometry(unsigned long window);   // position and size on the screen
    std::string windowTitle(unsigned long window);
    unsigned long focusedWindow();

    // Real input through xdotool.
    void xdotool(const std::vector<std::string>& arguments);
    void moveTo(QPoint screenPos);
    void press();
    void release();
    void drag(const std::vector<QPoint>& screenPath);
    void click(QPoint screenPos);
    void key(const std::string& keys);
    void focus(unsigned long window);

    // The screen's pixels now.
    QImage grab(QRect area);
    // Grabs until `predicate` holds or the timeout passes; returns the last grab.
    template <typename Predicate>
    QImage grabUntil(QRect area, Predicate predicate, std::chrono::milliseconds timeout);

private:
    std::string m_name;
    Process m_server;
    _XDisplay* m_display = nullptr;
};

// The program's binary, next to the test binary in the build folder.
std::string programPath();

} // namespace e2e

#include "tests/e2e/x_session_inl.h"
