// A long, seeded, random stream of input through the runtime's real
// dispatch, with the program's invariants checked after every event.
//   VELQUIN_STORM_EVENTS  number of events (200000 by default)
//   VELQUIN_STORM_SEED    replays a failing run
#include "assets/constant_pool.h"
#include "form/bmp_codec.h"
#include "form/operations.h"
#include "form/pic_btn.h"
#include "form/runtime.h"
#include "form/shape.h"
#include "form/start_window_form.h"
#include "form/window.h"
#include "reveal/handlers.h"
#include "reveal/state.h"
#include "tests/support/headless.h"

#include <QPointer>

#include <gtest/gtest.h>

#include <cstdlib>
#include <random>
#include <string>

namespace {

using namespace form::start;

std::uint64_t settingOr(const char* name, std::uint64_t fallback)
{
    const char* value = std::getenv(name);
    return value && *value ? std::strtoull(value, nullptr, 10) : fallback;
}

class Storm {
public:
    explicit Storm(std::uint64_t seed) : m_random(seed) {}

    int pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(m_random); }
    bool chance(int percent) { return pick(1, 100) <= percent; }

    QPoint anywhere()
    {
        // Mostly over the picture, sometimes past its edges or out of the window.
        if (chance(85))
            return {pick(0, 353), pick(0, 691)};
        return {pick(-60, 420), pick(-60, 760)};
    }

private:
    std::mt19937_64 m_random;
};

TEST(EventStorm, InvariantsHoldAfterEveryEvent)
{
    const std::uint64_t events = settingOr("VELQUIN_STORM_EVENTS", 200000);
    const std::uint64_t seed = settingOr("VELQUIN_STORM_SEED", std::random_device {}());
    SCOPED_TRACE("replay with VELQUIN_STORM_SEED=" + std::to_string(seed));
    Storm storm(seed);

    const std::size_t liveAtStart = form::liveByteSetCount();
    {
        form::Runtime runtime;
        const form::WindowForm* forms[] = {&startWindowForm()};
        runtime.initialise(forms, reveal::bindings(), assets::constantPool());
        runtime.setExitRoutine(&reveal::onProgramExit);
        const auto previousPresenter = form::setMessageBoxPresenter([](const QString&, const QString&, int) { return 1; });
        form::Window* window = runtime.loadWindow(windowId, true);
        QPointer<form::Window> alive(window);
        testing_support::PointerDriver input(*window);
        auto* picBtn = dynamic_cast<form::PicBtn*>(runtime.unit(windowId, pictureButton));
        form::Control* timer = runtime.unit(windowId, hintTimer);
        const QWidget* canvasWidget = runtime.unit(windowId, canvas)->widget();

        // The stream must reach every state, or it proves little.
        std::uint64_t revealed = 0;
        std::uint64_t smearing = 0;
        for (std::uint64_t i = 0; i < events; ++i) {
            const int kind = storm.pick(1, 100);
            if (kind <= 50) {
                input.move(storm.anywhere());
            } else if (kind <= 65) {
                input.press(storm.anywhere());
            } else if (kind <= 80) {
                input.release(storm.anywhere());
            } else if (kind <= 84) {
                input.click({storm.pick(0, 39), storm.pick(0, 31)}); // the replay button
            } else if (kind <= 88) {
                static const Qt::KeyboardModifiers modifiers[] = {Qt::ControlModifier, Qt::ShiftModifier,
                                                                  Qt::AltModifier};
                input.key(Qt::Key_Escape, modifiers[storm.pick(0, 2)]);
            } else if (kind <= 91) {
                input.key(Qt::Key_Space);
            } else if (kind <= 93) {
                input.key(Qt::Key_Tab);
            } else if (kind <= 95) {
                runtime.raise(*timer, form::event::periodic);
            } else {
                input.pause();
            }

            ASSERT_TRUE(alive) << "event " << i;
            ASSERT_NE(canvasWidget->isHidden(), picBtn->isHidden()) << "event " << i << ": exactly one layer shows";
            ASSERT_LE(form::liveByteSetCount(), liveAtStart + 1) << "event " << i;
            // The picture button holds a copy of the current snapshot, and its
            // shape is that snapshot's non-black pixels.
            const std::span<const std::uint8_t> snapshot = reveal::revealSnapshot.data();
            const auto pixels = form::bmpPixels(snapshot);
            ASSERT_TRUE(pixels.has_value()) << "event " << i;
            const form::BitmapView shown = picBtn->currentPicture();
            ASSERT_EQ(shown.width, pixels->width);
            ASSERT_EQ(shown.height, pixels->height);
            ASSERT_EQ(0, std::memcmp(shown.row(shown.height - 1), pixels->row(pixels->height - 1),
                                     form::bmpStride(shown.width) * std::size_t(shown.height)))
                << "event " << i;
            ASSERT_EQ(picBtn->shape(), form::regionFromBands(form::opaqueRects(*pixels, 0))) << "event " << i;
            revealed += !picBtn->isHidden();
            smearing += reveal::isSmearing;
        }
        EXPECT_GT(revealed, events / 20);
        EXPECT_GT(smearing, events / 20);
        form::setMessageBoxPresenter(previousPresenter);
        runtime.shutdown();
    }
    EXPECT_EQ(form::liveByteSetCount(), liveAtStart);
    reveal::isSmearing = 0;
    reveal::canvasWindowHandle = 0;
    reveal::coverPictureHandle = 0;
}

} // namespace
