#include "tests/e2e/x_session.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <csignal>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace e2e {

namespace {

using namespace std::chrono_literals;

std::vector<char*> cStrings(std::vector<std::string>& strings)
{
    std::vector<char*> pointers;
    for (std::string& s : strings)
        pointers.push_back(s.data());
    pointers.push_back(nullptr);
    return pointers;
}

// X errors (a window gone between listing and asking) are expected here.
int ignoreXErrors(Display*, XErrorEvent*)
{
    return 0;
}

} // namespace

Process::Process(const std::vector<std::string>& argv, const std::vector<std::string>& extraEnvironment)
{
    std::vector<std::string> args = argv;
    std::vector<std::string> environment;
    for (char** e = environ; *e; ++e) {
        const std::string entry = *e;
        bool replaced = false;
        for (const std::string& extra : extraEnvironment)
            replaced |= entry.substr(0, entry.find('=')) == extra.substr(0, extra.find('='));
        if (!replaced)
            environment.push_back(entry);
    }
    environment.insert(environment.end(), extraEnvironment.begin(), extraEnvironment.end());
    auto argvPointers = cStrings(args);
    auto envPointers = cStrings(environment);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    if (posix_spawnp(&m_pid, args[0].c_str(), &actions, nullptr, argvPointers.data(), envPointers.data()) != 0)
        m_pid = -1;
    posix_spawn_file_actions_destroy(&actions);
}

Process::~Process()
{
    kill();
}

Process::Process(Process&& other) noexcept : m_pid(other.m_pid), m_status(other.m_status)
{
    other.m_pid = -1;
}

Process& Process::operator=(Process&& other) noexcept
{
    if (this != &other) {
        kill();
        m_pid = other.m_pid;
        m_status = other.m_status;
        other.m_pid = -1;
    }
    return *this;
}

bool Process::running()
{
    if (m_pid <= 0 || m_status)
        return false;
    int status = 0;
    if (waitpid(m_pid, &status, WNOHANG) == m_pid) {
        m_status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        return false;
    }
    return true;
}

std::optional<int> Process::waitForExit(std::chrono::milliseconds timeout)
{
    const auto end = std::chrono::steady_clock::now() + timeout;
    while (running() && std::chrono::steady_clock::now() < end)
        std::this_thread::sleep_for(10ms);
    running();
    return m_status;
}

void Process::kill()
{
    if (m_pid > 0 && running()) {
        ::kill(m_pid, SIGTERM);
        if (!waitForExit(2000ms)) {
            ::kill(m_pid, SIGKILL);
            waitForExit(2000ms);
        }
    }
    m_pid = -1;
}

XSession::XSession(QSize screen)
{
    XSetErrorHandler(ignoreXErrors);
    // A display number of our own: the first one without a lock file.
    for (int number = 140 + int(getpid() % 200); number < 1000; ++number) {
        if (std::filesystem::exists("/tmp/.X" + std::to_string(number) + "-lock"))
            continue;
        m_name = ":" + std::to_string(number);
        const std::string geometry = std::to_string(screen.width()) + "x" + std::to_string(screen.height()) + "x24";
        m_server = Process({"Xvfb", m_name, "-screen", "0", geometry, "-nolisten", "tcp", "-noreset"}, {});
        const auto end = std::chrono::steady_clock::now() + 10s;
        while (!m_display && m_server.running() && std::chrono::steady_clock::now() < end) {
            std::this_thread::sleep_for(50ms);
            m_display = XOpenDisplay(m_name.c_str());
        }
        if (m_display)
            return;
    }
}

XSession::~XSession()
{
    if (m_display)
        XCloseDisplay(m_display);
}

std::string programPath()
{
    const std::filesystem::path self = std::filesystem::canonical("/proc/self/exe");
    // tests/e2e/e2e_test -> velquin at the top of the build folder.
    return (self.parent_path().parent_path().parent_path() / "velquin").string();
}

Process XSession::startProgram()
{
    return Process({programPath()}, {"DISPLAY=" + m_name, "QT_QPA_PLATFORM=xcb", "LANG=C.UTF-8"});
}

std::string XSession::windowTitle(unsigned long window)
{
    const Atom utf8 = XInternAtom(m_display, "UTF8_STRING", False);
    const Atom netName = XInternAtom(m_display, "_NET_WM_NAME", False);
    Atom type;
    int format;
    unsigned long count, after;
    unsigned char* data = nullptr;
    std::string title;
    if (XGetWindowProperty(m_display, window, netName, 0, 1024, False, utf8, &type, &format, &count, &after, &data)
            == Success
        && data) {
        title.assign(reinterpret_cast<char*>(data), count);
        XFree(data);
        return title;
    }
    char* name = nullptr;
    if (XFetchName(m_display, window, &name) && name) {
        title = name;
        XFree(name);
    }
    return title;
}

namespace {

void collectViewable(Display* display, Window parent, std::vector<Window>& out)
{
    Window root, parentOut;
    Window* children = nullptr;
    unsigned count = 0;
    if (!XQueryTree(display, parent, &root, &parentOut, &children, &count))
        return;
    for (unsigned i = 0; i < count; ++i) {
        XWindowAttributes attributes;
        if (XGetWindowAttributes(display, children[i], &attributes) && attributes.map_state == IsViewable)
            out.push_back(children[i]);
    }
    if (children)
        XFree(children);
}

} // namespace

bool XSession::windowExists(const std::string& title)
{
    std::vector<Window> windows;
    collectViewable(m_display, DefaultRootWindow(m_display), windows);
    for (Window w : windows) {
        if (windowTitle(w) == title)
            return true;
    }
    return false;
}

std::optional<unsigned long> XSession::waitForWindow(const std::string& title, std::chrono::milliseconds timeout)
{
    const auto end = std::chrono::steady_clock::now() + timeout;
    do {
        std::vector<Window> windows;
        collectViewable(m_display, DefaultRootWindow(m_display), windows);
        for (Window w : windows) {
            if (windowTitle(w) == title)
                return w;
        }
        std::this_thread::sleep_for(20ms);
    } while (std::chrono::steady_clock::now() < end);
    return std::nullopt;
}

QRect XSession::windowGeometry(unsigned long window)
{
    XWindowAttributes attributes {};
    XGetWindowAttributes(m_display, window, &attributes);
    int x = 0, y = 0;
    Window child;
    XTranslateCoordinates(m_display, window, DefaultRootWindow(m_display), 0, 0, &x, &y, &child);
    return {x, y, attributes.width, attributes.height};
}

unsigned long XSession::focusedWindow()
{
    Window focus = 0;
    int revert = 0;
    XGetInputFocus(m_display, &focus, &revert);
    return focus;
}

void XSession::xdotool(const std::vector<std::string>& arguments)
{
    std::vector<std::string> argv = {"xdotool"};
    argv.insert(argv.end(), arguments.begin(), arguments.end());
    Process tool(argv, {"DISPLAY=" + m_name});
    tool.waitForExit(10s);
}

void XSession::moveTo(QPoint p)
{
    xdotool({"mousemove", "--sync", std::to_string(p.x()), std::to_string(p.y())});
}

void XSession::press()
{
    xdotool({"mousedown", "1"});
}

void XSession::release()
{
    xdotool({"mouseup", "1"});
}

void XSession::drag(const std::vector<QPoint>& path)
{
    moveTo(path.front());
    press();
    for (std::size_t i = 1; i < path.size(); ++i)
        moveTo(path[i]);
    release();
}

void XSession::click(QPoint p)
{
    moveTo(p);
    xdotool({"click", "1"});
}

void XSession::key(const std::string& keys)
{
    xdotool({"key", keys});
}

void XSession::focus(unsigned long window)
{
    xdotool({"windowfocus", "--sync", std::to_string(window)});
}

QImage XSession::grab(QRect area)
{
    XSync(m_display, False);
    XImage* image = XGetImage(m_display, DefaultRootWindow(m_display), area.x(), area.y(), unsigned(area.width()),
                              unsigned(area.height()), AllPlanes, ZPixmap);
    if (!image)
        return {};
    QImage picture(area.size(), QImage::Format_RGB32);
    for (int y = 0; y < area.height(); ++y) {
        for (int x = 0; x < area.width(); ++x) {
            const unsigned long pixel = XGetPixel(image, x, y);
            picture.setPixel(x, y, 0xFF000000u | unsigned(pixel & 0xFFFFFF));
        }
    }
    XDestroyImage(image);
    return picture;
}

} // namespace e2e
