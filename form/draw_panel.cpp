#include "form/draw_panel.h"

#include "form/ellipse.h"
#include "form/picture.h"
#include "form/runtime.h"

#include <QPaintEvent>
#include <QPainter>
#include <QResizeEvent>

#include <algorithm>
#include <cstring>

namespace form {

namespace {

// Copies the overlap of `source` placed at `at` into `target`; both in the
// runtime's picture format. Returns the changed rectangle.
QRect blit(QImage& target, const QImage& source, QPoint at)
{
    const QRect area = QRect(at, source.size()).intersected(target.rect());
    if (area.isEmpty())
        return {};
    const std::size_t rowBytes = std::size_t(area.width()) * 3;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        const uchar* from = source.constScanLine(y - at.y()) + 3 * (area.left() - at.x());
        std::memcpy(target.scanLine(y) + 3 * area.left(), from, rowBytes);
    }
    return area;
}

} // namespace

DrawPanel::DrawPanel(Runtime& runtime, WindowId window, const ControlForm& form, QWidget* parent)
    : QWidget(parent)
    , Control(runtime, window, form.unitId, Kind::DrawPanel)
    , m_background(form.background)
    , m_pen(form.penColour)
    , m_brush(form.brushColour)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setGeometry(form.geometry.left, form.geometry.top, form.geometry.width, form.geometry.height);
    startFreshImage();
}

void DrawPanel::startFreshImage()
{
    m_image = QImage(std::max(width(), 1), std::max(height(), 1), pictureFormat);
    m_image.fill(backgroundQColor(m_background));
    if (!m_backgroundPicture.isNull())
        blit(m_image, m_backgroundPicture, {0, 0});
    update();
}

std::optional<std::int64_t> DrawPanel::readProperty(int index)
{
    switch (index) {
    case property::canvasBackground:
        return m_background;
    case property::penColour:
        return m_pen;
    case property::brushColour:
        return m_brush;
    default:
        return Control::readProperty(index);
    }
}

bool DrawPanel::writeProperty(int index, std::int64_t value)
{
    const auto colour = Colour(value);
    switch (index) {
    case property::canvasBackground:
        if (colour != m_background) {
            m_background = colour;
            startFreshImage();
        }
        return true;
    case property::penColour:
        m_pen = colour;
        return true;
    case property::brushColour:
        m_brush = colour;
        return true;
    default:
        return Control::writeProperty(index, value);
    }
}

bool DrawPanel::writeBytesProperty(int index, const ByteSet& bytes)
{
    if (index != property::canvasPicture)
        return false;
    if (bytes.data().size() == m_backgroundPictureBytes.data().size()
        && std::equal(bytes.data().begin(), bytes.data().end(), m_backgroundPictureBytes.data().begin()))
        return true;
    m_backgroundPictureBytes = bytes.isNull() ? ByteSet() : ByteSet::copyOf(bytes.data());
    m_backgroundPicture = decodePicture(bytes.data()).value_or(QImage());
    startFreshImage();
    return true;
}

void DrawPanel::handlePointer(const PointerInput& input)
{
    // The panel holds the capture for the length of a press, so the release
    // reaches it wherever it happens and no stroke is left running.
    switch (input.type) {
    case PointerInput::Type::Press:
    case PointerInput::Type::DoublePress:
        runtime().setCapture(*this);
        break;
    case PointerInput::Type::Release:
        runtime().releaseCapture(*this);
        break;
    case PointerInput::Type::Move:
        break;
    }
}

void DrawPanel::drawPicture(const QImage& picture, int left, int top)
{
    if (picture.isNull())
        return;
    syncImageSize();
    const QImage converted = picture.format() == pictureFormat ? picture : picture.convertToFormat(pictureFormat);
    update(blit(m_image, converted, {left, top}));
}

void DrawPanel::drawEllipse(int left, int top, int right, int bottom)
{
    syncImageSize();
    update(paintEllipse(m_image, left, top, right, bottom, {m_pen, m_brush}));
}

void DrawPanel::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.drawImage(event->rect(), m_image, event->rect());
}

void DrawPanel::resizeEvent(QResizeEvent*)
{
    syncImageSize();
}

const QImage& DrawPanel::image()
{
    syncImageSize();
    return m_image;
}

void DrawPanel::syncImageSize()
{
    const QSize size(std::max(width(), 1), std::max(height(), 1));
    if (size == m_image.size())
        return;
    // Keep what overlaps, fill the rest with the background.
    QImage resized(size, pictureFormat);
    resized.fill(backgroundQColor(m_background));
    blit(resized, m_image, {0, 0});
    m_image = std::move(resized);
}

} // namespace form
