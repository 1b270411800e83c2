#include "form/ellipse.h"
#include "tests/support/pictures.h"

#include <gtest/gtest.h>

namespace {

using testing_support::filledPicture;
using testing_support::isBlack;

QRect blackBounds(const QImage& picture)
{
    QRect bounds;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            if (isBlack(picture.pixelColor(x, y)))
                bounds |= QRect(x, y, 1, 1);
        }
    }
    return bounds;
}

TEST(Ellipse, DiscCoversColumnsAndRowsUpToButExcludingRightAndBottom)
{
    QImage picture = filledPicture(100, 100, Qt::white);
    const int x = 50, y = 40;
    const QRect changed = form::paintEllipse(picture, x - 10, y - 10, x + 10, y + 10, {0u, 0u});
    EXPECT_EQ(blackBounds(picture), QRect(QPoint(x - 10, y - 10), QPoint(x + 9, y + 9)));
    EXPECT_TRUE(changed.contains(blackBounds(picture)));
    // Corners stay unpainted; the centre and the four extreme mid-points are painted.
    EXPECT_FALSE(isBlack(picture.pixelColor(x - 10, y - 10)));
    EXPECT_FALSE(isBlack(picture.pixelColor(x + 9, y + 9)));
    EXPECT_TRUE(isBlack(picture.pixelColor(x - 10, y)));
    EXPECT_TRUE(isBlack(picture.pixelColor(x + 9, y - 1)));
    EXPECT_TRUE(isBlack(picture.pixelColor(x, y - 10)));
    EXPECT_TRUE(isBlack(picture.pixelColor(x - 1, y + 9)));
}

TEST(Ellipse, DiscIsSymmetricAboutItsCentre)
{
    QImage picture = filledPicture(20, 20, Qt::white);
    form::paintEllipse(picture, 0, 0, 20, 20, {0u, 0u});
    for (int y = 0; y < 20; ++y) {
        for (int x = 0; x < 20; ++x) {
            ASSERT_EQ(picture.pixelColor(x, y), picture.pixelColor(19 - x, y)) << x << "," << y;
            ASSERT_EQ(picture.pixelColor(x, y), picture.pixelColor(x, 19 - y)) << x << "," << y;
            ASSERT_EQ(picture.pixelColor(x, y), picture.pixelColor(y, x)) << x << "," << y;
        }
    }
}

TEST(Ellipse, UnnormalisedRectangleDrawsTheSame)
{
    QImage a = filledPicture(40, 40, Qt::white);
    QImage b = a.copy();
    form::paintEllipse(a, 5, 7, 25, 30, {0u, 0u});
    form::paintEllipse(b, 25, 30, 5, 7, {0u, 0u});
    EXPECT_EQ(a, b);
}

TEST(Ellipse, ClippedAtEveryEdgeIncludingNegativeCoordinates)
{
    QImage picture = filledPicture(30, 30, Qt::white);
    form::paintEllipse(picture, -15, -15, 5, 5, {0u, 0u});
    // Centre (-5, -5), radius 10: row 0 is 5.5 below the centre, so it reaches x = 2.
    EXPECT_TRUE(isBlack(picture.pixelColor(0, 0)));
    EXPECT_TRUE(isBlack(picture.pixelColor(2, 0)));
    EXPECT_FALSE(isBlack(picture.pixelColor(3, 0)));
    form::paintEllipse(picture, 25, 25, 45, 45, {0u, 0u});
    EXPECT_TRUE(isBlack(picture.pixelColor(29, 29)));
    // Entirely outside: nothing changes and nothing is reported changed.
    QImage untouched = picture.copy();
    EXPECT_TRUE(form::paintEllipse(picture, 65526, 65526, 65546, 65546, {0u, 0u}).isEmpty());
    EXPECT_EQ(picture, untouched);
}

TEST(Ellipse, OutlineTakesThePenAndTheInsideTheBrush)
{
    QImage picture = filledPicture(30, 30, Qt::white);
    form::paintEllipse(picture, 0, 0, 20, 20, {form::rgb(255, 0, 0), form::rgb(0, 0, 255)});
    EXPECT_EQ(picture.pixelColor(0, 10), QColor(255, 0, 0));
    EXPECT_EQ(picture.pixelColor(10, 10), QColor(0, 0, 255));
    EXPECT_EQ(picture.pixelColor(0, 0), QColor(Qt::white));
}

TEST(Ellipse, EmptyOrAbsurdRectanglesDrawNothing)
{
    QImage picture = filledPicture(10, 10, Qt::white);
    const QImage before = picture.copy();
    EXPECT_TRUE(form::paintEllipse(picture, 3, 3, 3, 9, {0u, 0u}).isEmpty());
    EXPECT_TRUE(form::paintEllipse(picture, -2000000000, -2000000000, 2000000000, 2000000000, {0u, 0u}).isEmpty());
    EXPECT_EQ(picture, before);
}

} // namespace
