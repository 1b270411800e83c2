#include "form/pic_btn.h"

#include "form/bmp_codec.h"
#include "form/fatal_error.h"
#include "form/picture.h"
#include "form/runtime.h"
#include "form/shape.h"

#include <QEvent>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <new>
#include <stdexcept>

namespace form {

namespace {

// A region that holds no pixel of the button. QWidget treats an empty mask as
// "no mask", so an all-transparent picture is cut out with this instead.
const QRegion nothingOfTheButton(-1, -1, 1, 1);

// Running out of memory for the button's own copy is the runtime's fatal
// error, reported with the size, like every other allocation it makes.
void resizeOrFail(std::vector<std::uint8_t>& bytes, std::size_t size)
{
    try {
        bytes.resize(size);
    } catch (const std::bad_alloc&) {
        fatalAllocationFailure(size);
    } catch (const std::length_error&) {
        fatalAllocationFailure(size);
    }
}

} // namespace

PicBtn::PicBtn(Runtime& runtime, WindowId window, const ControlForm& form, QWidget* parent)
    : QWidget(parent), Control(runtime, window, form.unitId, Kind::PicBtn), m_transparent(form.transparentColour)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setGeometry(form.geometry.left, form.geometry.top, form.geometry.width, form.geometry.height);
}

std::optional<std::int64_t> PicBtn::readProperty(int index)
{
    if (index == property::transparentColour)
        return m_transparent;
    return Control::readProperty(index);
}

bool PicBtn::writeProperty(int index, std::int64_t value)
{
    if (index == property::transparentColour) {
        if (Colour(value) != m_transparent) {
            m_transparent = Colour(value);
            m_shapeSource = nullptr;
            rebuildShape();
        }
        return true;
    }
    return Control::writeProperty(index, value);
}

bool PicBtn::writeBytesProperty(int index, const ByteSet& bytes)
{
    if (index < property::normalPicture || index > property::disabledPicture)
        return false;
    Picture& picture = m_pictures[index - property::normalPicture];
    const std::span<const std::uint8_t> data = bytes.data();
    picture.decoded = QImage();
    picture.pixels = {};
    m_shapeSource = nullptr;
    if (const std::optional<BitmapView> rows = bmpPixels(data))
        takeBmp(picture, data, *rows);
    else
        takeOtherPicture(picture, data);
    rebuildShape();
    update();
    return true;
}

void PicBtn::takeBmp(Picture& picture, std::span<const std::uint8_t> file, const BitmapView& rows)
{
    // Snapshots arrive again and again at the same size, so the vector's
    // storage is reused rather than allocated per move.
    resizeOrFail(picture.bytes, file.size());
    const std::ptrdiff_t rowsStart = std::min(rows.row(0), rows.row(rows.height - 1)) - file.data();
    const std::size_t rowBytes = std::size_t(std::abs(rows.stride));
    const std::size_t rowsEnd = std::size_t(rowsStart) + rowBytes * std::size_t(rows.height);
    std::memcpy(picture.bytes.data(), file.data(), std::size_t(rowsStart));
    std::memcpy(picture.bytes.data() + rowsEnd, file.data() + rowsEnd, file.size() - rowsEnd);
    std::uint8_t* top = picture.bytes.data() + (rows.top - file.data());
    picture.pixels = {top, rows.stride, rows.width, rows.height};

    // The rows of the picture the shape comes from are copied and scanned
    // in one pass; any other picture's rows are simply copied.
    if (current() == &picture && m_transparent != defaultColour) {
        setShape(&picture, opaqueRectsWhileCopying(rows, {top, rows.stride, rowBytes}, m_transparent));
        return;
    }
    std::memcpy(picture.bytes.data() + rowsStart, file.data() + rowsStart, rowsEnd - std::size_t(rowsStart));
}

void PicBtn::takeOtherPicture(Picture& picture, std::span<const std::uint8_t> file)
{
    if (std::optional<QImage> decoded = decodePicture(file)) {
        resizeOrFail(picture.bytes, file.size());
        std::copy(file.begin(), file.end(), picture.bytes.begin());
        picture.decoded = std::move(*decoded);
        picture.pixels = BitmapView::of(picture.decoded);
    } else {
        picture.bytes.clear();
    }
}

const PicBtn::Picture* PicBtn::current() const
{
    const auto pick = [this](Slot slot) -> const Picture* {
        return m_pictures[slot].pixels.isNull() ? nullptr : &m_pictures[slot];
    };
    const Picture* chosen = nullptr;
    if (!isEnabled())
        chosen = pick(DisabledSlot);
    else if (m_state == State::Pressed)
        chosen = pick(PressedSlot);
    else if (m_state == State::Hover)
        chosen = pick(HoverSlot);
    return chosen ? chosen : pick(NormalSlot);
}

BitmapView PicBtn::currentPicture() const
{
    const Picture* picture = current();
    return picture ? picture->pixels : BitmapView {};
}

QImage PicBtn::currentImage() const
{
    return toImage(currentPicture());
}

void PicBtn::setState(State state)
{
    if (state == m_state)
        return;
    m_state = state;
    rebuildShape();
    update();
}

void PicBtn::rebuildShape()
{
    const Picture* picture = current();
    // The shape depends only on the picture shown and the transparent colour;
    // a state change that keeps the same picture keeps the same shape.
    if (picture && m_shapeSource == picture)
        return;
    if (m_transparent == defaultColour || !picture) {
        m_shapeSource = picture;
        m_fullShape = true;
        m_shape = QRegion();
        clearMask();
        return;
    }
    setShape(picture, opaqueRects(picture->pixels, m_transparent));
}

void PicBtn::setShape(const Picture* source, const std::vector<QRect>& opaque)
{
    m_shapeSource = source;
    m_fullShape = false;
    m_shape = regionFromBands(opaque);
    setMask(m_shape.isEmpty() ? nothingOfTheButton : m_shape);
}

bool PicBtn::shapeContains(QPoint local) const
{
    if (!rect().contains(local))
        return false;
    return m_fullShape || m_shape.contains(local);
}

void PicBtn::handlePointer(const PointerInput& input)
{
    switch (input.type) {
    case PointerInput::Type::Press:
    case PointerInput::Type::DoublePress:
        // Visibility is not tested: a handler may just have hidden the
        // button, and the rest of the stroke must still come here.
        if (isEnabled()) {
            setState(State::Pressed);
            runtime().setCapture(*this);
        }
        break;
    case PointerInput::Type::Move: {
        const bool underPointer = runtime().controlAt(windowId(), input.windowPos) == this;
        if (underPointer) {
            if (runtime().capture() != this)
                runtime().setCapture(*this);
            setState(input.leftDown ? State::Pressed : State::Hover);
        } else {
            setState(State::Normal);
            if (!input.leftDown)
                runtime().releaseCapture(*this);
        }
        break;
    }
    case PointerInput::Type::Release:
        runtime().releaseCapture(*this);
        setState(State::Normal);
        if (rect().contains(input.local))
            runtime().raise(*this, event::click);
        break;
    }
}

void PicBtn::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.fillRect(event->rect(), Qt::black);
    const QImage picture = currentImage();
    if (!picture.isNull())
        painter.drawImage(event->rect().topLeft(), picture, event->rect());
}

void PicBtn::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::EnabledChange) {
        m_shapeSource = nullptr;
        rebuildShape();
        update();
    }
    QWidget::changeEvent(event);
}

} // namespace form
