// The canvas, the picture button, the credit link and the window's own
// painting, driven through the runtime's operations and its input layer.
#include "assets/constant_pool.h"
#include "form/bmp_codec.h"
#include "form/draw_panel.h"
#include "form/hyper_linker.h"
#include "form/jpeg_decoder.h"
#include "form/operations.h"
#include "form/pic_btn.h"
#include "form/runtime.h"
#include "form/window.h"
#include "tests/form/test_form.h"
#include "tests/support/headless.h"
#include "tests/support/pictures.h"

#include <QApplication>
#include <QPalette>

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

using namespace testing_support;
using form::property::brushColour;
using form::property::canvasBackground;
using form::property::normalPicture;
using form::property::penColour;

class ControlsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        calls().clear();
        const form::WindowForm* forms[] = {&testForm()};
        runtime.initialise(forms, testBindings(), assets::constantPool());
        window = runtime.loadWindow(testWindow, false);
    }

    form::DrawPanel& canvas() { return *dynamic_cast<form::DrawPanel*>(runtime.unit(testWindow, testCanvas)); }
    form::PicBtn& picBtn() { return *dynamic_cast<form::PicBtn*>(runtime.unit(testWindow, testPicBtn)); }
    form::HyperLinker& link() { return *dynamic_cast<form::HyperLinker*>(runtime.unit(testWindow, testLink)); }

    QImage canvasSnapshot()
    {
        const form::ByteSet file = form::snapshot(form::nativeWindowHandle(testWindow, testCanvas), 0, 0);
        return form::decodeBmp(file.data()).value_or(QImage());
    }

    void assignPicture(const QImage& picture)
    {
        const form::ByteSet file = form::encodeBmp(picture);
        form::writePictureProperty(testWindow, testPicBtn, normalPicture, file);
    }

    form::Runtime runtime;
    form::Window* window = nullptr;
};

QColor buttonFace()
{
    return QApplication::palette().color(QPalette::Button);
}

TEST_F(ControlsTest, CanvasStartsFilledWithTheButtonFaceColour)
{
    const QImage image = canvasSnapshot();
    ASSERT_EQ(image.size(), QSize(300, 400));
    EXPECT_EQ(image.pixelColor(0, 0), buttonFace());
    EXPECT_EQ(image.pixelColor(299, 399), buttonFace());
}

TEST_F(ControlsTest, CanvasKeepsItsDrawingAcrossHideAndShow)
{
    form::writeProperty(testWindow, testCanvas, penColour, 0);
    form::writeProperty(testWindow, testCanvas, brushColour, 0);
    form::drawEllipse(testWindow, testCanvas, 40, 40, 60, 60);
    form::hide(testWindow, testCanvas);
    form::show(testWindow, testCanvas);
    const QImage image = canvasSnapshot();
    EXPECT_TRUE(isBlack(image.pixelColor(50, 50)));
    EXPECT_EQ(image.pixelColor(40, 40), buttonFace());
    // The canvas also paints from the image.
    window->show();
    const QImage shown = canvas().grab().toImage();
    EXPECT_TRUE(isBlack(shown.pixelColor(50, 50)));
}

TEST_F(ControlsTest, CanvasResizeKeepsTheOverlapAndFillsTheRest)
{
    form::drawEllipse(testWindow, testCanvas, 0, 0, 20, 20);
    form::writeProperty(testWindow, testCanvas, canvasBackground, form::rgb(1, 2, 3));
    // A new background colour starts a fresh image.
    EXPECT_EQ(canvasSnapshot().pixelColor(10, 10), QColor(1, 2, 3));
    form::writeProperty(testWindow, testCanvas, penColour, 0);
    form::writeProperty(testWindow, testCanvas, brushColour, 0);
    form::drawEllipse(testWindow, testCanvas, 0, 0, 20, 20);
    // Writing the same colour again keeps the drawing.
    form::writeProperty(testWindow, testCanvas, canvasBackground, form::rgb(1, 2, 3));
    EXPECT_TRUE(isBlack(canvasSnapshot().pixelColor(10, 10)));

    form::moveControl(testWindow, testCanvas, form::keep, form::keep, 320, 10);
    QImage image = canvasSnapshot();
    ASSERT_EQ(image.size(), QSize(320, 10));
    EXPECT_TRUE(isBlack(image.pixelColor(10, 5)));
    EXPECT_EQ(image.pixelColor(310, 5), QColor(1, 2, 3));
    form::moveControl(testWindow, testCanvas, form::keep, form::keep, 320, 30);
    image = canvasSnapshot();
    EXPECT_TRUE(isBlack(image.pixelColor(10, 9)));
    EXPECT_EQ(image.pixelColor(10, 15), QColor(1, 2, 3)); // new area, not the old drawing
}

TEST_F(ControlsTest, DrawPictureCopiesOneToOneClippedWithoutFilling)
{
    const form::PictureHandle cover
        = form::loadPicture(form::ByteSet::fromConstantPool(assets::coverPicture()));
    ASSERT_NE(cover, 0);
    form::drawPicture(testWindow, testCanvas, cover, 0, 0);
    const QImage expected = *runtime.picture(cover);
    QImage image = canvasSnapshot();
    EXPECT_EQ(image.pixelColor(0, 0), expected.pixelColor(0, 0));
    EXPECT_EQ(image.pixelColor(299, 399), expected.pixelColor(299, 399));

    form::drawPicture(testWindow, testCanvas, cover, 250, -300);
    image = canvasSnapshot();
    EXPECT_EQ(image.pixelColor(250, 0), expected.pixelColor(0, 300));
    EXPECT_EQ(image.pixelColor(249, 0), expected.pixelColor(249, 0)); // left of it untouched

    // An unknown handle draws nothing; so does a picture that failed to load.
    const QImage before = canvasSnapshot();
    form::drawPicture(testWindow, testCanvas, 9999, 0, 0);
    const std::uint8_t junk[] = {'B', 'M', 1, 2};
    EXPECT_EQ(form::loadPicture(form::ByteSet::copyOf(junk)), 0);
    form::drawPicture(testWindow, testCanvas, 0, 0, 0);
    EXPECT_EQ(canvasSnapshot(), before);
}

TEST_F(ControlsTest, SnapshotSizes)
{
    const form::NativeHandle handle = form::nativeWindowHandle(testWindow, testCanvas);
    struct Case {
        int width, height;
        QSize expected;
    } cases[] = {
        {0, 0, {300, 400}}, {-50, -50, {150, 200}}, {-5, -5, {30, 40}}, // at least 10 percent
        {30, 20, {30, 20}}, {0, 100, {300, 100}},
    };
    for (const Case& c : cases) {
        const form::ByteSet file = form::snapshot(handle, c.width, c.height);
        const auto picture = form::decodeBmp(file.data());
        ASSERT_TRUE(picture.has_value()) << c.width << "x" << c.height;
        EXPECT_EQ(picture->size(), c.expected) << c.width << "x" << c.height;
        EXPECT_EQ(file.data().size(), 54 + form::bmpStride(c.expected.width()) * c.expected.height());
    }
    EXPECT_TRUE(form::snapshot(123456, 0, 0).isNull());
    EXPECT_TRUE(form::snapshot(handle, 1 << 30, 1 << 30).isNull());
}

TEST_F(ControlsTest, SnapshotOfOtherWindowsIsRendered)
{
    const form::ByteSet file = form::snapshot(form::nativeWindowHandle(testWindow, testButton), 0, 0);
    const auto picture = form::decodeBmp(file.data());
    ASSERT_TRUE(picture.has_value());
    EXPECT_EQ(picture->size(), QSize(40, 32));
}

TEST_F(ControlsTest, PictureButtonCutsOutEveryBlackPixel)
{
    QImage picture = filledPicture(100, 100, QColor(200, 10, 10));
    for (int y = 10; y < 20; ++y)
        for (int x = 30; x < 45; ++x)
            picture.setPixelColor(x, y, Qt::black);
    assignPicture(picture);
    form::show(testWindow, testPicBtn);
    EXPECT_FALSE(picBtn().hasFullShape());
    EXPECT_FALSE(picBtn().shapeContains({30, 10}));
    EXPECT_TRUE(picBtn().shapeContains({29, 10}));
    // A hole passes pointer input to what lies beneath: the canvas.
    EXPECT_EQ(window->controlAt({130, 110}), runtime.unit(testWindow, testCanvas));
    EXPECT_EQ(window->controlAt({129, 110}), &picBtn());
    // The shape is also what Qt paints through.
    EXPECT_FALSE(picBtn().mask().contains(QPoint(30, 10)));
    EXPECT_TRUE(picBtn().mask().contains(QPoint(29, 10)));
}

TEST_F(ControlsTest, PictureButtonShapeEdgeCases)
{
    assignPicture(filledPicture(100, 100, QColor(1, 1, 1)));
    EXPECT_TRUE(picBtn().shapeContains({0, 0}));
    EXPECT_TRUE(picBtn().shapeContains({99, 99}));

    // All black: nothing shown and no pointer input.
    assignPicture(filledPicture(100, 100, Qt::black));
    form::show(testWindow, testPicBtn);
    EXPECT_FALSE(picBtn().shapeContains({50, 50}));
    EXPECT_EQ(window->controlAt({150, 150}), runtime.unit(testWindow, testCanvas));
    EXPECT_FALSE(picBtn().mask().contains(QPoint(50, 50)));

    // A smaller picture: pixels outside it are outside the shape.
    assignPicture(filledPicture(10, 10, Qt::white));
    EXPECT_TRUE(picBtn().shapeContains({9, 9}));
    EXPECT_FALSE(picBtn().shapeContains({10, 10}));

    // No transparent colour: the whole rectangle.
    form::writeProperty(testWindow, testPicBtn, form::property::transparentColour, form::defaultColour);
    EXPECT_TRUE(picBtn().shapeContains({50, 50}));

    // An empty ByteSet leaves no picture and the whole rectangle.
    form::writeProperty(testWindow, testPicBtn, form::property::transparentColour, 0);
    form::writePictureProperty(testWindow, testPicBtn, normalPicture, form::ByteSet());
    EXPECT_TRUE(picBtn().currentPicture().isNull());
    EXPECT_TRUE(picBtn().currentImage().isNull());
    EXPECT_TRUE(picBtn().hasFullShape());
}

TEST_F(ControlsTest, PictureButtonShapeIsRebuiltWhileHidden)
{
    assignPicture(filledPicture(100, 100, Qt::white));
    QImage holed = filledPicture(100, 100, Qt::white);
    holed.setPixelColor(5, 5, Qt::black);
    assignPicture(holed);
    EXPECT_FALSE(picBtn().isVisible());
    EXPECT_FALSE(picBtn().shapeContains({5, 5}));
}

TEST_F(ControlsTest, PictureButtonKeepsItsOwnCopy)
{
    const std::size_t before = form::liveByteSetCount();
    {
        form::ByteSet file = form::encodeBmp(filledPicture(100, 100, Qt::white));
        form::writePictureProperty(testWindow, testPicBtn, normalPicture, file);
        EXPECT_FALSE(file.isNull()); // the caller still owns it
        form::freeByteSet(file);
    }
    EXPECT_EQ(form::liveByteSetCount(), before);
    EXPECT_EQ(picBtn().currentImage().pixelColor(0, 0), QColor(Qt::white));
}

TEST_F(ControlsTest, PictureButtonPaintsBlackThenItsPicture)
{
    assignPicture(filledPicture(50, 50, QColor(10, 200, 10)));
    form::writeProperty(testWindow, testPicBtn, form::property::transparentColour, form::defaultColour);
    form::show(testWindow, testPicBtn);
    window->show();
    const QImage shown = picBtn().grab().toImage();
    EXPECT_EQ(shown.pixelColor(10, 10), QColor(10, 200, 10));
    EXPECT_EQ(shown.pixelColor(70, 70), QColor(Qt::black));
}

TEST_F(ControlsTest, HiddenPictureButtonKeepsTheStrokeAfterItsHandlerHidIt)
{
    assignPicture(filledPicture(100, 100, Qt::white));
    form::show(testWindow, testPicBtn);
    PointerDriver pointer(*window);
    pointer.press({150, 150});
    form::hide(testWindow, testPicBtn); // as the program's press handler does
    EXPECT_EQ(runtime.capture(), &picBtn());
    calls().clear();
    pointer.move({50, 300});   // over the canvas
    pointer.move({-20, -30});  // outside the window
    pointer.release({-20, -30});
    EXPECT_EQ(handlerNames(), (std::vector<std::string> {"picMoved", "picMoved", "picReleased"}));
    EXPECT_EQ(calls()[0].x, -50);
    EXPECT_EQ(calls()[0].y, 200);
    EXPECT_EQ(calls()[1].x, -120);
    EXPECT_EQ(calls()[1].y, -130);
    EXPECT_EQ(runtime.capture(), nullptr);
}

TEST_F(ControlsTest, PictureButtonClickNeedsTheReleaseInside)
{
    assignPicture(filledPicture(100, 100, Qt::white));
    form::show(testWindow, testPicBtn);
    PointerDriver pointer(*window);
    pointer.press({150, 150});
    pointer.release({150, 150});
    EXPECT_EQ(handlerNames().back(), "picClick");
    calls().clear();
    pointer.pause();
    pointer.press({150, 150});
    pointer.release({250, 250});
    EXPECT_EQ(handlerNames().back(), "picReleased");
}

TEST_F(ControlsTest, PictureButtonHoverTakesAndReleasesTheCapture)
{
    QImage holed = filledPicture(100, 100, Qt::white);
    holed.setPixelColor(50, 50, Qt::black);
    assignPicture(holed);
    form::show(testWindow, testPicBtn);
    PointerDriver pointer(*window);
    pointer.move({120, 120});
    EXPECT_EQ(picBtn().state(), form::PicBtn::State::Hover);
    EXPECT_EQ(runtime.capture(), &picBtn());
    pointer.move({150, 150}); // the hole: the window under the pointer is not the button
    EXPECT_EQ(picBtn().state(), form::PicBtn::State::Normal);
    EXPECT_EQ(runtime.capture(), nullptr);
}

TEST_F(ControlsTest, CanvasReleaseOutsideStillReachesIt)
{
    PointerDriver pointer(*window);
    pointer.press({100, 100});
    pointer.move({340, 600}); // off the canvas, onto the bare window
    pointer.release({500, 900});
    EXPECT_EQ(handlerNames(),
              (std::vector<std::string> {"created", "canvasPressed", "canvasMoved", "canvasReleased"}));
    EXPECT_EQ(runtime.capture(), nullptr);
    // Without the capture, moving over the bare window reaches nobody.
    calls().clear();
    pointer.move({340, 600});
    EXPECT_TRUE(calls().empty());
}

TEST_F(ControlsTest, LinkChangesColourUnderThePointer)
{
    PointerDriver pointer(*window);
    EXPECT_EQ(link().textColour(), form::rgb(0, 0, 255));
    pointer.move({100, 10});
    EXPECT_EQ(link().textColour(), form::rgb(10, 36, 106));
    EXPECT_EQ(runtime.capture(), &link());
    pointer.move({100, 40});
    EXPECT_EQ(link().textColour(), form::rgb(0, 0, 255));
    EXPECT_EQ(runtime.capture(), nullptr);
    // A press opens nothing and leaves the colour as it was.
    pointer.move({100, 10});
    pointer.click({100, 10});
    pointer.move({100, 40});
    EXPECT_EQ(link().textColour(), form::rgb(0, 0, 255));
    EXPECT_EQ(link().focusPolicy(), Qt::NoFocus);
}

TEST_F(ControlsTest, WindowPaintsTheHiddenPictureStretched)
{
    form::hide(testWindow, testCanvas);
    form::hide(testWindow, testButton);
    form::hide(testWindow, testLink);
    window->show();
    const QImage painted = window->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const auto data = form::readByteSet(assets::constantPool().subspan(
        std::size_t(assets::hiddenPicture() - assets::constantPool().data())));
    const QImage expected = form::decodeJpeg(*data)
                                ->scaled(window->size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                                .convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(painted.size(), expected.size());
    int worst = 0;
    for (int y = 0; y < painted.height(); y += 7) {
        for (int x = 0; x < painted.width(); x += 7) {
            const QColor a = painted.pixelColor(x, y);
            const QColor b = expected.pixelColor(x, y);
            worst = std::max({worst, std::abs(a.red() - b.red()), std::abs(a.green() - b.green()),
                              std::abs(a.blue() - b.blue())});
        }
    }
    // Smooth scaling may round differently in painting; allow a small difference.
    EXPECT_LE(worst, 8);
}

TEST(WindowBackground, GreenWhenThePictureCannotBeDecoded)
{
    form::Runtime runtime;
    const form::WindowForm* forms[] = {&testForm()};
    static const form::ResourceEntry resources[] = {{"background", undecodablePicture()}};
    const form::Bindings bindings {testBindings().handlers, resources};
    runtime.initialise(forms, bindings, testPool());
    form::Window* window = runtime.loadWindow(testWindow, false);
    form::hide(testWindow, testCanvas);
    window->show();
    const QImage painted = window->grab().toImage();
    EXPECT_EQ(painted.pixelColor(340, 600), QColor(0, 255, 0));
    EXPECT_EQ(painted.pixelColor(200, 300), QColor(0, 255, 0));
}

} // namespace
