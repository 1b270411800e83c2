#include "form/shape.h"
#include "tests/support/pictures.h"

#include <gtest/gtest.h>

#include <random>

namespace {

using testing_support::filledPicture;

// The shape by brute force: every pixel that is not the transparent colour.
QRegion expectedShape(const QImage& picture, QColor transparent)
{
    QRegion region;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            if (picture.pixelColor(x, y) != transparent)
                region += QRect(x, y, 1, 1);
        }
    }
    return region;
}

QRegion shapeOf(const QImage& picture, form::Colour transparent)
{
    return form::regionFromBands(form::opaqueRects(picture, transparent));
}

// Regions with the same pixels may band differently; compare the pixels.
bool samePixels(const QRegion& a, const QRegion& b)
{
    return a.xored(b).isEmpty();
}

TEST(Shape, NoTransparentPixelGivesTheWholeRectangle)
{
    const QImage picture = filledPicture(354, 20, QColor(1, 1, 1));
    const auto rects = form::opaqueRects(picture, 0);
    ASSERT_EQ(rects.size(), 1u);
    EXPECT_EQ(rects[0], QRect(0, 0, 354, 20));
}

TEST(Shape, AllTransparentGivesNothing)
{
    EXPECT_TRUE(form::opaqueRects(filledPicture(40, 30, Qt::black), 0).empty());
}

TEST(Shape, OnlyExactMatchesAreCutOut)
{
    QImage picture = filledPicture(20, 1, Qt::black);
    picture.setPixelColor(3, 0, QColor(0, 0, 1)); // almost black stays
    picture.setPixelColor(4, 0, QColor(1, 0, 0));
    picture.setPixelColor(5, 0, QColor(0, 1, 0));
    const auto rects = form::opaqueRects(picture, 0);
    ASSERT_EQ(rects.size(), 1u);
    EXPECT_EQ(rects[0], QRect(3, 0, 3, 1));
}

TEST(Shape, RunsEndAtEveryTransparentPixelWithAnyKey)
{
    // A key with three different bytes catches a scanner that mixes up channels.
    const QColor key(10, 20, 30);
    QImage picture = filledPicture(50, 3, QColor(30, 20, 10));
    for (int x : {0, 15, 16, 17, 31, 32, 48})
        picture.setPixelColor(x, 1, key);
    EXPECT_TRUE(samePixels(shapeOf(picture, form::rgb(10, 20, 30)), expectedShape(picture, key)));
}

TEST(Shape, MatchesBruteForceOnRandomDiscs)
{
    std::mt19937 random(3);
    for (int round = 0; round < 20; ++round) {
        QImage picture = filledPicture(97 + round, 61, QColor(200, 180, 160));
        for (int i = 0; i < 12; ++i) {
            const int cx = int(random() % 120) - 10;
            const int cy = int(random() % 80) - 10;
            for (int y = cy - 5; y < cy + 5; ++y) {
                for (int x = cx - 5; x < cx + 5; ++x) {
                    if (picture.rect().contains(x, y) && (x - cx) * (x - cx) + (y - cy) * (y - cy) < 25)
                        picture.setPixelColor(x, y, Qt::black);
                }
            }
        }
        ASSERT_TRUE(samePixels(shapeOf(picture, 0), expectedShape(picture, Qt::black))) << "round " << round;
    }
}

TEST(Shape, IdenticalRowsShareOneBand)
{
    QImage picture = filledPicture(10, 6, Qt::white);
    for (int y = 2; y < 5; ++y)
        picture.setPixelColor(4, y, Qt::black);
    const auto rects = form::opaqueRects(picture, 0);
    // Rows 0-1 whole, rows 2-4 split in two, row 5 whole: at most one rectangle per run per row.
    ASSERT_EQ(rects.size(), 4u);
    EXPECT_EQ(rects[0], QRect(0, 0, 10, 2));
    EXPECT_EQ(rects[1], QRect(0, 2, 4, 3));
    EXPECT_EQ(rects[2], QRect(5, 2, 5, 3));
    EXPECT_EQ(rects[3], QRect(0, 5, 10, 1));
}

} // namespace

namespace {

TEST(Shape, CopyingWhileScanningCopiesEveryRowAndFindsTheSameShape)
{
    // Widths that end in the wide blocks, the narrow blocks and single pixels.
    for (int width : {5, 16, 37, 50, 354}) {
        QImage picture = testing_support::filledPicture(width, 9, QColor(5, 6, 7));
        for (int y = 2; y < 6; ++y)
            for (int x = y; x < width; x += 4)
                picture.setPixelColor(x, y, Qt::black);
        QImage target(picture.size(), form::pictureFormat);
        target.fill(Qt::red);
        const form::WritableRows rows {target.bits(), std::ptrdiff_t(target.bytesPerLine()),
                                       std::size_t(target.bytesPerLine())};
        const auto copied = form::opaqueRectsWhileCopying(form::BitmapView::of(picture), rows, 0);
        EXPECT_EQ(target, picture) << width;
        EXPECT_EQ(copied, form::opaqueRects(picture, 0)) << width;
        EXPECT_TRUE(form::regionFromBands(copied).xored(expectedShape(picture, Qt::black)).isEmpty()) << width;
    }
}

} // namespace
