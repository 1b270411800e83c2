// The runtime's life cycle, dispatch, properties, timer and fatal errors.
#include "assets/constant_pool.h"
#include "form/fatal_error.h"
#include "form/operations.h"
#include "form/runtime.h"
#include "form/timer_unit.h"
#include "form/window.h"
#include "tests/form/test_form.h"
#include "tests/support/headless.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPointer>
#include <QPushButton>

#include <gtest/gtest.h>

#include <cstdio>

namespace {

using namespace testing_support;
using form::property::timerPeriod;

class RuntimeTest : public ::testing::Test {
protected:
    void SetUp() override { calls().clear(); }

    form::Window* load(bool show = false)
    {
        const form::WindowForm* forms[] = {&testForm()};
        runtime.initialise(forms, testBindings(), assets::constantPool());
        return runtime.loadWindow(testWindow, show);
    }

    form::TimerUnit& timer() { return *dynamic_cast<form::TimerUnit*>(runtime.unit(testWindow, testTimer)); }

    form::Runtime runtime;
};

TEST_F(RuntimeTest, CreatedEventRunsOnceAfterEveryControlExists)
{
    form::Window* window = load();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(handlerNames(), std::vector<std::string> {"created"});
    for (form::UnitId unit : {testTimer, testLink, testButton, testPicBtn, testCanvas})
        EXPECT_NE(runtime.unit(testWindow, unit), nullptr) << unit;
}

TEST_F(RuntimeTest, InitialVisibilityAndStackingFollowTheForm)
{
    form::Window* window = load();
    EXPECT_EQ(form::readProperty(testWindow, testPicBtn, form::property::visible), 0);
    EXPECT_EQ(form::readProperty(testWindow, testCanvas, form::property::visible), 1);
    // The button lies above the canvas where they overlap.
    EXPECT_EQ(window->controlAt({5, 5}), runtime.unit(testWindow, testButton));
    EXPECT_EQ(window->controlAt({250, 300}), runtime.unit(testWindow, testCanvas));
    EXPECT_EQ(window->controlAt({320, 300}), nullptr);
}

TEST_F(RuntimeTest, WindowReportsItsOuterSize)
{
    load();
    EXPECT_EQ(form::readProperty(testWindow, 0x1, form::property::width), 354);
    EXPECT_EQ(form::readProperty(testWindow, 0x1, form::property::height), 692);
}

TEST_F(RuntimeTest, CentringTruncatesTowardsZero)
{
    EXPECT_EQ(form::Window::centredPosition({1024, 768}, {354, 692}), QPoint(335, 38));
    EXPECT_EQ(form::Window::centredPosition({355, 693}, {354, 692}), QPoint(0, 0));
    // A screen smaller than the window: negative, rounded towards zero.
    EXPECT_EQ(form::Window::centredPosition({320, 240}, {354, 692}), QPoint(-17, -226));
    EXPECT_EQ(form::Window::centredPosition({321, 241}, {354, 692}), QPoint(-16, -225));
}

TEST_F(RuntimeTest, UnknownUnitsReadZeroAndIgnoreWrites)
{
    load();
    EXPECT_EQ(form::readProperty(testWindow, 0xDEAD, form::property::width), 0);
    EXPECT_EQ(form::readProperty(0xBAD, testCanvas, form::property::width), 0);
    form::writeProperty(testWindow, 0xDEAD, form::property::visible, 1);
    EXPECT_EQ(form::nativeWindowHandle(testWindow, 0xDEAD), 0);
    EXPECT_EQ(form::nativeWindowHandle(testWindow, testTimer), 0);
}

TEST_F(RuntimeTest, MoveKeepsPartsGivenAsMinusOne)
{
    load();
    form::moveControl(testWindow, testPicBtn, 3, form::keep, form::keep, 50);
    EXPECT_EQ(form::readProperty(testWindow, testPicBtn, form::property::left), 3);
    EXPECT_EQ(form::readProperty(testWindow, testPicBtn, form::property::top), 100);
    EXPECT_EQ(form::readProperty(testWindow, testPicBtn, form::property::width), 100);
    EXPECT_EQ(form::readProperty(testWindow, testPicBtn, form::property::height), 50);
}

TEST_F(RuntimeTest, TimerPeriodWrites)
{
    load();
    EXPECT_EQ(timer().period(), 0);
    EXPECT_FALSE(timer().isRunning());

    form::writeProperty(testWindow, testTimer, timerPeriod, -5);
    EXPECT_EQ(form::readProperty(testWindow, testTimer, timerPeriod), 0);
    EXPECT_FALSE(timer().isRunning());

    form::writeProperty(testWindow, testTimer, timerPeriod, 60000);
    EXPECT_TRUE(timer().isRunning());
    EXPECT_EQ(timer().countdownsStarted(), 1);
    // The same value again leaves the running countdown alone.
    form::writeProperty(testWindow, testTimer, timerPeriod, 60000);
    EXPECT_EQ(timer().countdownsStarted(), 1);
    // Any other value starts afresh.
    form::writeProperty(testWindow, testTimer, timerPeriod, 500);
    EXPECT_EQ(timer().countdownsStarted(), 2);
    EXPECT_TRUE(timer().isRunning());

    form::writeProperty(testWindow, testTimer, timerPeriod, 0);
    EXPECT_FALSE(timer().isRunning());
}

TEST_F(RuntimeTest, TimerTicksFromTheMessageLoopOnlyOnceStarted)
{
    load();
    QCoreApplication::processEvents();
    EXPECT_TRUE(calls().size() == 1); // only "created": a stopped timer never ticks
    form::writeProperty(testWindow, testTimer, timerPeriod, 1);
    // The tick comes from the loop, never from inside the write.
    EXPECT_EQ(handlerNames().back(), "created");
    QElapsedTimer deadline;
    deadline.start();
    while (handlerNames().back() != "tick" && deadline.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    EXPECT_EQ(handlerNames().back(), "tick");
}

TEST_F(RuntimeTest, BoundHandlerRunsBeforeTheControlsOwnHandling)
{
    form::Window* window = load();
    PointerDriver pointer(*window);
    form::Control* canvas = runtime.unit(testWindow, testCanvas);
    pointer.press({150, 150});
    ASSERT_EQ(calls().back().handler, "canvasPressed");
    // The canvas takes the capture in its own handling, after the handler ran.
    EXPECT_EQ(calls().back().captureDuringHandler, nullptr);
    EXPECT_EQ(runtime.capture(), canvas);
    pointer.release({150, 150});
    EXPECT_EQ(calls().back().captureDuringHandler, canvas);
    EXPECT_EQ(runtime.capture(), nullptr);
}

TEST_F(RuntimeTest, MouseHandlersGetSignedClientCoordinatesAndKeyState)
{
    form::Window* window = load();
    form::moveControl(testWindow, testCanvas, 20, 30);
    PointerDriver pointer(*window);
    pointer.press({25, 35}, Qt::ControlModifier);
    EXPECT_EQ(calls().back().x, 5);
    EXPECT_EQ(calls().back().y, 5);
    EXPECT_EQ(calls().back().keys, 1);
    // Under the capture, a position left of and above the canvas is negative.
    pointer.move({10, 0}, Qt::ShiftModifier | Qt::AltModifier);
    EXPECT_EQ(calls().back().handler, "canvasMoved");
    EXPECT_EQ(calls().back().x, -10);
    EXPECT_EQ(calls().back().y, -30);
    EXPECT_EQ(calls().back().keys, 6);
    pointer.release({-40, -50});
    EXPECT_EQ(calls().back().handler, "canvasReleased");
    EXPECT_EQ(calls().back().x, -60);
    EXPECT_EQ(calls().back().y, -80);
}

TEST_F(RuntimeTest, SecondQuickPressOnTheSameControlIsADoubleClick)
{
    form::Window* window = load();
    PointerDriver pointer(*window);
    pointer.click({150, 150});
    pointer.click({151, 150});
    pointer.click({151, 150}); // a third press starts a new pair
    EXPECT_EQ(handlerNames(), (std::vector<std::string> {"created", "canvasPressed", "canvasReleased",
                                                         "canvasDoubleClick", "canvasReleased", "canvasPressed",
                                                         "canvasReleased"}));
    calls().clear();
    pointer.pause();
    pointer.click({150, 150});
    pointer.pause();
    pointer.click({150, 150});
    EXPECT_EQ(handlerNames(),
              (std::vector<std::string> {"canvasPressed", "canvasReleased", "canvasPressed", "canvasReleased"}));
}

TEST_F(RuntimeTest, QuickPressesOnDifferentControlsAreTwoPresses)
{
    form::Window* window = load();
    form::show(testWindow, testPicBtn);
    PointerDriver pointer(*window);
    pointer.click({50, 300});  // canvas
    pointer.click({150, 150}); // picture button, above the canvas
    EXPECT_EQ(handlerNames(), (std::vector<std::string> {"created", "canvasPressed", "canvasReleased",
                                                         "picPressed", "picReleased", "picClick"}));
}

TEST_F(RuntimeTest, PlainEscapeClosesTheWindowModifiedEscapeDoesNot)
{
    form::Window* window = load(true);
    QPointer<form::Window> alive(window);
    PointerDriver keys(*window);
    for (auto modifier : {Qt::ControlModifier, Qt::ShiftModifier, Qt::AltModifier}) {
        keys.key(Qt::Key_Escape, modifier);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        ASSERT_TRUE(alive) << modifier;
    }
    keys.key(Qt::Key_Escape);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(alive);
    EXPECT_EQ(runtime.window(testWindow), nullptr);
    EXPECT_EQ(runtime.unit(testWindow, testCanvas), nullptr);
}

TEST_F(RuntimeTest, ReplayButtonTakesTheFocusAndSpaceClicksIt)
{
    form::Window* window = load(true);
    auto* button = dynamic_cast<QPushButton*>(runtime.unit(testWindow, testButton));
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(window->focusWidget(), button);
    calls().clear();
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QCoreApplication::sendEvent(button, &enter);
    EXPECT_TRUE(calls().empty());
    QKeyEvent spaceDown(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier);
    QKeyEvent spaceUp(QEvent::KeyRelease, Qt::Key_Space, Qt::NoModifier);
    QCoreApplication::sendEvent(button, &spaceDown);
    QCoreApplication::sendEvent(button, &spaceUp);
    EXPECT_EQ(handlerNames(), std::vector<std::string> {"click"});
    // No other control can take the focus, so Tab leaves it where it is.
    QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
    QCoreApplication::sendEvent(button, &tab);
    EXPECT_EQ(window->focusWidget(), button);
}

TEST_F(RuntimeTest, ExitRoutineRunsOnceAfterTheWindowIsGone)
{
    static form::Runtime* watched;
    static int runs;
    static bool windowGone;
    watched = &runtime;
    runs = 0;
    load();
    runtime.setExitRoutine([] {
        ++runs;
        windowGone = watched->window(testWindow) == nullptr && watched->unit(testWindow, testCanvas) == nullptr;
    });
    runtime.shutdown();
    runtime.shutdown();
    EXPECT_EQ(runs, 1);
    EXPECT_TRUE(windowGone);
}

TEST_F(RuntimeTest, NothingIsRaisedAfterShutdown)
{
    form::Window* window = load();
    PointerDriver pointer(*window);
    QPointer<form::Window> alive(window);
    runtime.shutdown();
    EXPECT_FALSE(alive);
    EXPECT_EQ(handlerNames(), std::vector<std::string> {"created"});
}

// Fatal errors end the process; they run in a child process.
void reportBoxOnStderr()
{
    form::setFatalErrorHooks({[](const std::string& title, const std::string& text) {
                                  std::fprintf(stderr, "[%s] %s", title.c_str(), text.c_str());
                              },
                              {}});
}

using RuntimeDeathTest = RuntimeTest;

TEST_F(RuntimeDeathTest, UnreadableFormIsFatal)
{
    static constexpr form::EventBinding events[] = {{form::event::created, "noSuchHandler"}};
    static constexpr form::WindowForm broken = {.windowId = 7, .unitId = 1, .name = "w", .title = "t",
                                                .geometry = {0, 0, 10, 10}, .events = events};
    const form::WindowForm* forms[] = {&broken};
    EXPECT_EXIT(
        {
            reportBoxOnStderr();
            runtime.setExitRoutine([] { std::fprintf(stderr, "exit routine ran"); });
            runtime.initialise(forms, testBindings(), assets::constantPool());
        },
        ::testing::ExitedWithCode(255),
        "\\[错误\\] 运行时出错!\r\n\r\n错误信息：载入窗口模板数据段出错!\r\n$");
}

TEST_F(RuntimeDeathTest, MissingStartWindowIsFatal)
{
    EXPECT_EXIT(
        {
            reportBoxOnStderr();
            runtime.loadWindow(0x12345678);
        },
        ::testing::ExitedWithCode(255), "错误信息：载入启动窗口失败\r\n$");
}

TEST_F(RuntimeDeathTest, ExhaustedMemoryIsReportedWithTheByteCount)
{
    EXPECT_EXIT(
        {
            reportBoxOnStderr();
            form::ByteSet::allocate(std::size_t(3) << 30);
        },
        ::testing::ExitedWithCode(255), "错误信息：分配 3221225472 字节内存失败!\r\n$");
}

TEST_F(RuntimeDeathTest, NoHandlerRunsAfterAFatalError)
{
    EXPECT_EXIT(
        {
            form::Window* window = load();
            form::setFatalErrorHooks({[window](const std::string&, const std::string&) {
                                          // While the box is open, input must not reach the handlers.
                                          PointerDriver(*window).click({150, 150});
                                          std::fprintf(stderr, "calls=%zu", calls().size());
                                      },
                                      {}});
            runtime.setExitRoutine([] { std::fprintf(stderr, " exit routine ran"); });
            form::fatalError("x");
        },
        ::testing::ExitedWithCode(255), "calls=1$");
}

} // namespace
