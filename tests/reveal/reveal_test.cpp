// The whole toy, headless: the real form, the real handlers, input through
// the runtime's input layer.
#include "assets/constant_pool.h"
#include "form/bmp_codec.h"
#include "form/draw_panel.h"
#include "form/operations.h"
#include "form/pic_btn.h"
#include "form/runtime.h"
#include "form/start_window_form.h"
#include "form/timer_unit.h"
#include "form/window.h"
#include "reveal/handlers.h"
#include "reveal/state.h"
#include "tests/support/headless.h"
#include "tests/support/pictures.h"

#include <QElapsedTimer>
#include <QPushButton>

#include <gtest/gtest.h>

namespace {

using namespace form::start;
using testing_support::isBlack;
using testing_support::PointerDriver;

enum class Layer { Canvas, PictureButton };

class RevealTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        liveAtStart = form::liveByteSetCount();
        const form::WindowForm* forms[] = {&startWindowForm()};
        runtime.initialise(forms, reveal::bindings(), assets::constantPool());
        runtime.setExitRoutine(&reveal::onProgramExit);
        previousPresenter = form::setMessageBoxPresenter([this](const QString& text, const QString& title, int flags) {
            boxes.push_back({text, title, flags});
            return 1;
        });
        window = runtime.loadWindow(windowId, false);
        pointer = std::make_unique<PointerDriver>(*window);
        cover = canvas().image().copy();
    }

    void TearDown() override
    {
        runtime.shutdown();
        EXPECT_EQ(form::liveByteSetCount(), liveAtStart) << "a snapshot outlived the exit routine";
        form::setMessageBoxPresenter(std::move(previousPresenter));
        reveal::isSmearing = 0;
        reveal::canvasWindowHandle = 0;
        reveal::coverPictureHandle = 0;
    }

    form::DrawPanel& canvas() { return *dynamic_cast<form::DrawPanel*>(runtime.unit(windowId, form::start::canvas)); }
    form::PicBtn& picBtn() { return *dynamic_cast<form::PicBtn*>(runtime.unit(windowId, pictureButton)); }

    Layer visibleLayer()
    {
        const bool canvasShown = !canvas().isHidden();
        const bool buttonShown = !picBtn().isHidden();
        EXPECT_NE(canvasShown, buttonShown) << "exactly one layer is visible";
        return canvasShown ? Layer::Canvas : Layer::PictureButton;
    }

    QImage snapshotPicture() { return form::decodeBmp(reveal::revealSnapshot.data()).value_or(QImage()); }

    void replay()
    {
        auto* button = dynamic_cast<QPushButton*>(runtime.unit(windowId, replayButton));
        button->click();
    }

    struct Box {
        QString text, title;
        int flags;
    };

    form::Runtime runtime;
    form::Window* window = nullptr;
    std::unique_ptr<PointerDriver> pointer;
    QImage cover;
    std::vector<Box> boxes;
    form::MessageBoxPresenter previousPresenter;
    std::size_t liveAtStart = 0;
};

TEST_F(RevealTest, StartUpDrawsTheCoverAndLaysBothLayersOverTheWindow)
{
    EXPECT_EQ(visibleLayer(), Layer::Canvas);
    EXPECT_EQ(reveal::isSmearing, 0);
    EXPECT_EQ(picBtn().geometry(), QRect(0, 0, 354, 692));
    EXPECT_EQ(canvas().geometry(), QRect(0, 0, 354, 692));
    EXPECT_EQ(reveal::canvasWindowHandle, form::nativeWindowHandle(windowId, form::start::canvas));
    EXPECT_EQ(reveal::revealSnapshot.data().size(), 736342u);
    EXPECT_EQ(form::liveByteSetCount(), liveAtStart + 1);
    // The cover is drawn: it has no black pixel, so the picture button has no hole.
    EXPECT_EQ(snapshotPicture(), cover);
    EXPECT_FALSE(isBlack(cover.pixelColor(0, 0)));
    EXPECT_TRUE(picBtn().shapeContains({177, 346}));
    auto* timer = dynamic_cast<form::TimerUnit*>(runtime.unit(windowId, hintTimer));
    EXPECT_EQ(timer->period(), 500);
    EXPECT_TRUE(timer->isRunning());
}

TEST_F(RevealTest, StrokeStampsDiscsAndReleaseRevealsThem)
{
    pointer->press({100, 200});
    EXPECT_EQ(reveal::isSmearing, 1);
    EXPECT_EQ(visibleLayer(), Layer::Canvas);
    pointer->move({100, 200});
    pointer->move({130, 200});
    pointer->move({160, 210});
    EXPECT_EQ(form::liveByteSetCount(), liveAtStart + 1);
    pointer->release({160, 210});

    EXPECT_EQ(reveal::isSmearing, 0);
    EXPECT_EQ(visibleLayer(), Layer::PictureButton);
    const QImage snapshot = snapshotPicture();
    // Each disc covers columns x-10..x+9 and rows y-10..y+9 around the pointer.
    for (QPoint centre : {QPoint(100, 200), QPoint(130, 200), QPoint(160, 210)}) {
        EXPECT_TRUE(isBlack(snapshot.pixelColor(centre)));
        EXPECT_TRUE(isBlack(snapshot.pixelColor(centre + QPoint(-10, 0))));
        EXPECT_TRUE(isBlack(snapshot.pixelColor(centre + QPoint(9, 0))));
        EXPECT_FALSE(isBlack(snapshot.pixelColor(centre + QPoint(0, -11))));
    }
    EXPECT_EQ(snapshot.pixelColor(300, 600), cover.pixelColor(300, 600));
    // Holes exactly where the snapshot is black.
    for (int y = 180; y < 230; ++y) {
        for (int x = 80; x < 180; ++x)
            ASSERT_EQ(picBtn().shapeContains({x, y}), !isBlack(snapshot.pixelColor(x, y))) << x << "," << y;
    }
    EXPECT_EQ(window->controlAt({100, 200}), nullptr); // a hole: the bare window shows
    EXPECT_EQ(window->controlAt({300, 600}), &picBtn());
}

TEST_F(RevealTest, PressAndReleaseWithoutMovingRevealsNothing)
{
    pointer->click({120, 300});
    EXPECT_EQ(visibleLayer(), Layer::PictureButton);
    EXPECT_TRUE(picBtn().shapeContains({120, 300}));
    EXPECT_EQ(snapshotPicture(), cover);
}

TEST_F(RevealTest, PressOnAHoleDoesNothingPressOnThePictureResumes)
{
    pointer->drag({{100, 200}, {100, 200}});
    ASSERT_EQ(visibleLayer(), Layer::PictureButton);
    pointer->pause();
    pointer->press({100, 200}); // in the hole
    EXPECT_EQ(reveal::isSmearing, 0);
    EXPECT_EQ(visibleLayer(), Layer::PictureButton);
    pointer->release({100, 200});

    pointer->pause();
    pointer->press({250, 400}); // opaque
    EXPECT_EQ(reveal::isSmearing, 1);
    EXPECT_EQ(visibleLayer(), Layer::Canvas);
    // The canvas shows the earlier disc in black again, and the stroke goes on
    // through the hidden picture button's capture.
    EXPECT_TRUE(isBlack(canvas().image().pixelColor(100, 200)));
    EXPECT_EQ(runtime.capture(), &picBtn());
    pointer->move({250, 420});
    EXPECT_TRUE(isBlack(canvas().image().pixelColor(250, 420)));
    pointer->release({250, 420});
    EXPECT_EQ(visibleLayer(), Layer::PictureButton);
    EXPECT_EQ(reveal::isSmearing, 0);
    EXPECT_FALSE(picBtn().shapeContains({100, 200}));
    EXPECT_FALSE(picBtn().shapeContains({250, 420}));
}

TEST_F(RevealTest, DoubleClickOnThePictureButtonDoesNotSwapLayers)
{
    pointer->click({200, 300}); // reveals (nothing)
    ASSERT_EQ(visibleLayer(), Layer::PictureButton);
    pointer->pause();
    pointer->click({200, 300}); // a press on the picture button: smearing, then revealed again
    ASSERT_EQ(visibleLayer(), Layer::PictureButton);
    pointer->press({200, 300}); // quick second press on the same control: a double click
    EXPECT_EQ(reveal::isSmearing, 0);
    EXPECT_EQ(visibleLayer(), Layer::PictureButton);
    pointer->release({200, 300});
    EXPECT_EQ(visibleLayer(), Layer::PictureButton);
}

TEST_F(RevealTest, ReleaseOutsideTheWindowEndsTheStroke)
{
    pointer->press({50, 50});
    pointer->move({60, 60});
    pointer->move({400, 800});
    pointer->release({400, 800});
    EXPECT_EQ(reveal::isSmearing, 0);
    EXPECT_EQ(visibleLayer(), Layer::PictureButton);
    // With the button up, moving over the picture stamps nothing.
    const QImage before = snapshotPicture();
    pointer->move({200, 200});
    EXPECT_EQ(snapshotPicture(), before);
}

TEST_F(RevealTest, DiscJustPastTheLeftEdgePaintsItsVisiblePart)
{
    pointer->press({5, 100});
    pointer->move({-4, 100}); // possible under the capture
    pointer->release({-4, 100});
    const QImage snapshot = snapshotPicture();
    EXPECT_TRUE(isBlack(snapshot.pixelColor(0, 100)));
    EXPECT_TRUE(isBlack(snapshot.pixelColor(5, 100)));
    EXPECT_FALSE(isBlack(snapshot.pixelColor(6, 100)) && !isBlack(snapshot.pixelColor(14, 100)));
}

TEST_F(RevealTest, ReplayRestoresTheCoverFromEveryState)
{
    const auto smear = [this] {
        pointer->pause();
        pointer->press({150, 150});
        pointer->move({150, 160});
    };
    // From Smearing: the stroke stays in progress on the fresh cover.
    smear();
    replay();
    EXPECT_EQ(visibleLayer(), Layer::Canvas);
    EXPECT_EQ(reveal::isSmearing, 1);
    EXPECT_EQ(canvas().image(), cover);
    pointer->release({150, 160});

    // From Revealed.
    smear();
    pointer->release({150, 160});
    ASSERT_EQ(visibleLayer(), Layer::PictureButton);
    replay();
    EXPECT_EQ(visibleLayer(), Layer::Canvas);
    EXPECT_EQ(reveal::isSmearing, 0);
    EXPECT_EQ(canvas().image(), cover);
    // The old holes do not come back: a click right after shows the clean cover.
    pointer->pause();
    pointer->click({150, 160});
    EXPECT_EQ(visibleLayer(), Layer::PictureButton);
    EXPECT_TRUE(picBtn().shapeContains({150, 160}));

    // From Covered.
    replay();
    EXPECT_EQ(visibleLayer(), Layer::Canvas);
    EXPECT_EQ(canvas().image(), cover);
    EXPECT_EQ(form::liveByteSetCount(), liveAtStart + 1);
}

TEST_F(RevealTest, HintShowsOnceWithThePoolsTexts)
{
    auto* timer = dynamic_cast<form::TimerUnit*>(runtime.unit(windowId, hintTimer));
    reveal::onHintTimerTick();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, QStringLiteral("按住鼠标左键涂一涂，有惊喜"));
    EXPECT_EQ(boxes[0].title, QStringLiteral("Marnothwww.marnoth.example"));
    EXPECT_EQ(boxes[0].flags, 0);
    EXPECT_FALSE(timer->isRunning());
    EXPECT_EQ(timer->period(), 0);
}

TEST_F(RevealTest, HintArrivesFromTheMessageLoop)
{
    EXPECT_TRUE(boxes.empty());
    QElapsedTimer deadline;
    deadline.start();
    while (boxes.empty() && deadline.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    ASSERT_EQ(boxes.size(), 1u);
    // Stopped for good: no second box however long the loop runs on.
    QCoreApplication::processEvents();
    EXPECT_EQ(boxes.size(), 1u);
    EXPECT_FALSE(dynamic_cast<form::TimerUnit*>(runtime.unit(windowId, hintTimer))->isRunning());
}

TEST_F(RevealTest, LongStrokeKeepsOneSnapshotAlive)
{
    pointer->press({10, 10});
    for (int i = 0; i < 300; ++i) {
        pointer->move({10 + i % 330, 10 + (i * 7) % 660});
        ASSERT_EQ(form::liveByteSetCount(), liveAtStart + 1);
    }
    pointer->release({10, 10});
    reveal::onProgramExit();
    EXPECT_EQ(form::liveByteSetCount(), liveAtStart);
    EXPECT_TRUE(reveal::revealSnapshot.isNull());
}

} // namespace
