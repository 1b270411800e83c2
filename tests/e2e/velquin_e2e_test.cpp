// The real build/velquin on a private Xvfb server, driven with xdotool.
#include "assets/constant_pool.h"
#include "form/byte_set.h"
#include "form/jpeg_decoder.h"
#include "tests/e2e/x_session.h"

#include <QColor>
#include <QDir>

#include <gtest/gtest.h>

#include <cstdlib>
#include <thread>

namespace {

using namespace std::chrono_literals;
using e2e::XSession;

const std::string title = "Velquin1.0";
const std::string hintTitle = "Marnothwww.marnoth.example";

QImage poolPicture(const std::uint8_t* block)
{
    const auto pool = assets::constantPool();
    const auto data = form::readByteSet(pool.subspan(std::size_t(block - pool.data())));
    return form::decodeJpeg(*data).value_or(QImage()).convertToFormat(QImage::Format_RGB32);
}

bool near(QColor a, QColor b, int tolerance = 2)
{
    return std::abs(a.red() - b.red()) <= tolerance && std::abs(a.green() - b.green()) <= tolerance
        && std::abs(a.blue() - b.blue()) <= tolerance;
}

void saveScreenshot(const QImage& picture, const char* name)
{
    if (const char* folder = std::getenv("VELQUIN_SCREENSHOTS"))
        picture.save(QDir(folder).filePath(name));
}

// A running program with its window found.
class VelquinTest : public ::testing::Test {
protected:
    void start(QSize screen = {1024, 768})
    {
        x = std::make_unique<XSession>(screen);
        ASSERT_TRUE(x->ok()) << "Xvfb did not start";
        program = x->startProgram();
        const auto found = x->waitForWindow(title, 15s);
        ASSERT_TRUE(found.has_value()) << "no window titled " << title;
        window = *found;
        geometry = x->windowGeometry(window);
    }

    void dismissHint()
    {
        const auto hint = x->waitForWindow(hintTitle, 10s);
        ASSERT_TRUE(hint.has_value()) << "the hint box did not appear";
        x->focus(*hint);
        x->key("Return");
        const auto end = std::chrono::steady_clock::now() + 5s;
        while (x->windowExists(hintTitle) && std::chrono::steady_clock::now() < end)
            std::this_thread::sleep_for(20ms);
        ASSERT_FALSE(x->windowExists(hintTitle));
        x->focus(window);
    }

    QPoint screen(QPoint client) const { return geometry.topLeft() + client; }
    QImage shot() { return x->grab(geometry); }
    QColor pixel(QPoint client) { return x->grab(QRect(screen(client), QSize(1, 1))).pixelColor(0, 0); }
    // Waits for the program to paint what the predicate expects at a point.
    QColor pixelWhen(QPoint client, const std::function<bool(QColor)>& expected)
    {
        const QImage picture = x->grabUntil(QRect(screen(client), QSize(1, 1)),
                                            [&](const QImage& p) { return expected(p.pixelColor(0, 0)); }, 3s);
        return picture.pixelColor(0, 0);
    }
    ::testing::AssertionResult shows(const char* what, const QImage& reference, QPoint client)
    {
        const QColor expected = reference.pixelColor(client);
        const QColor actual = pixelWhen(client, [&](QColor c) { return near(c, expected); });
        if (near(actual, expected))
            return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure() << "at " << client.x() << "," << client.y() << " expected the " << what
                                             << " picture's " << expected.name().toStdString() << ", the screen shows "
                                             << actual.name().toStdString() << " (cover "
                                             << cover.pixelColor(client).name().toStdString() << ")";
    }
    ::testing::AssertionResult showsHidden(QPoint client) { return shows("hidden", hidden, client); }
    ::testing::AssertionResult showsCover(QPoint client) { return shows("cover", cover, client); }
    bool showsBlack(QPoint client)
    {
        return pixelWhen(client, [](QColor c) { return c == Qt::black; }) == Qt::black;
    }
    void smear(std::vector<QPoint> clientPath)
    {
        std::vector<QPoint> path;
        for (QPoint p : clientPath)
            path.push_back(screen(p));
        x->drag(path);
    }

    std::unique_ptr<XSession> x;
    e2e::Process program;
    unsigned long window = 0;
    QRect geometry;
    QImage cover = poolPicture(assets::coverPicture());
    QImage hidden = poolPicture(assets::hiddenPicture());
};

TEST_F(VelquinTest, WindowIsTitledSizedAndCentred)
{
    start();
    EXPECT_EQ(x->windowTitle(window), title);
    EXPECT_EQ(geometry, QRect(335, 38, 354, 692));
    dismissHint();
    EXPECT_TRUE(showsCover({200, 300}));
    EXPECT_TRUE(showsCover({353, 691}));
    saveScreenshot(shot(), "window.png");
}

TEST_F(VelquinTest, WindowOnASmallScreenIsPlacedAtNegativeCoordinates)
{
    start({320, 240});
    EXPECT_EQ(geometry.topLeft(), QPoint(-17, -226));
    EXPECT_EQ(geometry.size(), QSize(354, 692));
}

TEST_F(VelquinTest, HintAppearsOnceAndBlocksInputUntilDismissed)
{
    const auto started = std::chrono::steady_clock::now();
    start();
    const auto hint = x->waitForWindow(hintTitle, 10s);
    ASSERT_TRUE(hint.has_value());
    EXPECT_GE(std::chrono::steady_clock::now() - started, 400ms);
    saveScreenshot(shot(), "hint.png");

    // While the box is open a drag over the picture (below the box, which is
    // centred on the screen) changes nothing.
    smear({{60, 600}, {90, 600}, {120, 600}});
    std::this_thread::sleep_for(300ms);
    EXPECT_TRUE(showsCover({90, 600}));

    dismissHint();
    smear({{60, 600}, {90, 600}, {120, 600}});
    EXPECT_TRUE(showsHidden({90, 600}));
    std::this_thread::sleep_for(1500ms);
    EXPECT_FALSE(x->windowExists(hintTitle));
}

TEST_F(VelquinTest, DragRevealsTheHiddenPictureAlongThePath)
{
    start();
    dismissHint();
    smear({{100, 200}, {115, 200}, {130, 200}, {145, 200}, {160, 200}, {175, 200}, {190, 200}});
    // Discs are stamped where the pointer moved to, not where it went down.
    for (QPoint p : {QPoint(105, 200), QPoint(145, 195), QPoint(190, 204), QPoint(199, 200)})
        EXPECT_TRUE(showsHidden(p));
    for (QPoint p : {QPoint(150, 400), QPoint(100, 200), QPoint(200, 200), QPoint(145, 189), QPoint(300, 100)})
        EXPECT_TRUE(showsCover(p));

    // Pressing on an opaque pixel shows the discs in black again.
    x->moveTo(screen({250, 500}));
    x->press();
    EXPECT_TRUE(showsBlack({145, 200}));
    x->release();
    EXPECT_TRUE(showsHidden({145, 200}));
}

TEST_F(VelquinTest, ScribbleOverTheCatRevealsThePartyBeneath)
{
    start();
    dismissHint();
    // A zig-zag scribble over the cat, the cake and the fireworks above them.
    std::vector<QPoint> path;
    for (int row = 0; row < 12; ++row) {
        const int y = 250 + row * 16;
        for (int step = 0; step <= 26; ++step) {
            const int x = 30 + step * 10;
            path.push_back({row % 2 ? 290 - (x - 30) : x, y});
        }
    }
    smear(path);
    for (QPoint p : {QPoint(150, 394), QPoint(60, 250), QPoint(280, 426)})
        EXPECT_TRUE(showsHidden(p));
    EXPECT_TRUE(showsCover({150, 600}));
    saveScreenshot(shot(), "revealed.png");
}

TEST_F(VelquinTest, CreditLinkTurnsDarkBlueUnderThePointer)
{
    start();
    dismissHint();
    const QRect link(screen({80, 5}), QSize(180, 16));
    const auto count = [](const QImage& picture, QColor colour) {
        int n = 0;
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x)
                n += picture.pixelColor(x, y) == colour;
        return n;
    };
    // The text is antialiased: only the glyphs' solid cores carry the exact colour.
    const QColor normal(0, 0, 255);
    const QColor hover(10, 36, 106);
    x->moveTo(screen({300, 600}));
    QImage shown = x->grabUntil(link, [&](const QImage& p) { return count(p, normal) > 3; }, 3s);
    EXPECT_GT(count(shown, normal), 3);
    EXPECT_EQ(count(shown, hover), 0);
    x->moveTo(screen({170, 12}));
    shown = x->grabUntil(link, [&](const QImage& p) { return count(p, hover) > 3; }, 3s);
    EXPECT_GT(count(shown, hover), 3);
    EXPECT_EQ(count(shown, normal), 0);
    x->moveTo(screen({170, 200}));
    shown = x->grabUntil(link, [&](const QImage& p) { return count(p, normal) > 3; }, 3s);
    EXPECT_GT(count(shown, normal), 3);
}

TEST_F(VelquinTest, ReleaseOutsideTheWindowEndsTheStroke)
{
    start();
    dismissHint();
    x->moveTo(screen({100, 300}));
    x->press();
    x->moveTo(screen({130, 300}));
    x->moveTo(QPoint(100, 300)); // left of the window
    x->release();
    EXPECT_TRUE(showsHidden({130, 300}));
    // The button is up: moving over the picture stamps nothing.
    x->moveTo(screen({200, 450}));
    x->moveTo(screen({220, 450}));
    std::this_thread::sleep_for(200ms);
    EXPECT_TRUE(showsCover({210, 450}));
}

TEST_F(VelquinTest, ReplayButtonRestoresTheCoverByClickAndBySpace)
{
    start();
    dismissHint();
    smear({{150, 350}, {170, 350}});
    ASSERT_TRUE(showsHidden({160, 350}));
    x->click(screen({20, 16}));
    EXPECT_TRUE(showsCover({160, 350}));

    smear({{150, 450}, {170, 450}});
    ASSERT_TRUE(showsHidden({160, 450}));
    x->focus(window);
    x->key("space");
    EXPECT_TRUE(showsCover({160, 450}));
    // After a replay, a press and release without moving reveals nothing.
    x->click(screen({160, 450}));
    std::this_thread::sleep_for(200ms);
    EXPECT_TRUE(showsCover({160, 450}));
}

TEST_F(VelquinTest, PlainEscapeExitsWithZeroModifiedEscapeDoesNot)
{
    start();
    dismissHint();
    for (const char* keys : {"ctrl+Escape", "shift+Escape", "alt+Escape"}) {
        x->key(keys);
        EXPECT_FALSE(program.waitForExit(300ms).has_value()) << keys;
    }
    x->key("Escape");
    const auto code = program.waitForExit(5s);
    ASSERT_TRUE(code.has_value());
    EXPECT_EQ(*code, 0);
}

} // namespace
