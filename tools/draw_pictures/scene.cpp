#include "scene.h"

#include "cat.h"
#include "decorations.h"
#include "layout.h"
#include "night_view.h"
#include "palette.h"
#include "props.h"
#include "room.h"

#include <QColorSpace>
#include <QPainter>

#include <algorithm>

namespace {

// The app reads pure black in the cover as a hole. The palette keeps well
// away from it, but antialiased outlines blend colours, so clamp every
// pixel to at least this floor as a last safety margin before JPEG coding.
constexpr int kFloorRed = 26;
constexpr int kFloorGreen = 26;
constexpr int kFloorBlue = 36;

void liftAwayFromBlack(QImage &image)
{
    for (int y = 0; y < image.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = line[x];
            line[x] = qRgb(std::max(qRed(p), kFloorRed), std::max(qGreen(p), kFloorGreen),
                           std::max(qBlue(p), kFloorBlue));
        }
    }
}

}  // namespace

QImage renderScene(Variant variant)
{
    QImage image(layout::kWidth, layout::kHeight, QImage::Format_RGB32);
    image.setColorSpace(QColorSpace(QColorSpace::SRgb));
    image.fill(Qt::white);
    const Palette &palette = paletteFor(variant);
    const bool cover = variant == Variant::Cover;

    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);

        // Back to front.
        drawWall(painter, palette);
        drawWindowView(painter, palette, variant);
        drawWindowFrame(painter, palette);
        drawFloor(painter, palette);
        drawCurtains(painter, palette);
        drawBookcase(painter, palette);
        drawSill(painter, palette);
        drawRug(painter, palette);
        drawPlant(painter, palette);
        drawSillProps(painter, palette, variant);
        drawFloorProps(painter, palette, variant);
        drawCat(painter, palette, variant);

        if (cover) {
            drawFairyLights(painter, palette);
            drawSleepyZs(painter, palette);
        } else {
            drawStreamers(painter);
            drawBunting(painter, palette);
            drawBalloons(painter, palette);
            drawWarmLight(painter);
            drawConfetti(painter);
        }
    }

    if (cover)
        liftAwayFromBlack(image);
    return image;
}
