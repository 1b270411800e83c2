#include "form/pic_btn.h"

#include "form/bmp_codec.h"
#include "form/picture.h"
#include "form/runtime.h"
#include "form/shape.h"

#include <QEvent>
#include <QPaintEvent>
#include <QPainter>

namespace form {

namespace {

// A region that holds no pixel of the button. QWidget treats an empty mask as
// "no mask", so an all-transparent picture is cut out with this instead.
const QRegion nothingOfTheButton(-1, -1, 1, 1);

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
    picture.bytes.assign(data.begin(), data.end());
    // Snapshots arrive again and again at the same size: decode into the
    // bitmap already held, so a stroke does not allocate per move.
    const std::span<const std::uint8_t> own(picture.bytes);
    bool decoded = false;
    if (own.size() >= 2 && own[0] == 'B' && own[1] == 'M') {
        decoded = decodeBmpInto(own, picture.image);
    } else if (auto jpeg = decodePicture(own)) {
        picture.image = std::move(*jpeg);
        decoded = true;
    }
    if (!decoded) {
        picture.bytes.clear();
        picture.image = QImage();
    }
    m_shapeSource = nullptr;
    rebuildShape();
    update();
    return true;
}

const QImage& PicBtn::currentPicture() const
{
    const auto pick = [this](Slot slot) -> const QImage* {
        return m_pictures[slot].image.isNull() ? nullptr : &m_pictures[slot].image;
    };
    const QImage* chosen = nullptr;
    if (!isEnabled())
        chosen = pick(DisabledSlot);
    else if (m_state == State::Pressed)
        chosen = pick(PressedSlot);
    else if (m_state == State::Hover)
        chosen = pick(HoverSlot);
    return chosen ? *chosen : m_pictures[NormalSlot].image;
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
    const QImage& picture = currentPicture();
    // The shape depends only on the picture shown and the transparent colour;
    // a state change that keeps the same picture keeps the same shape.
    if (m_shapeSource == &picture && !picture.isNull())
        return;
    m_shapeSource = &picture;
    if (m_transparent == defaultColour || picture.isNull()) {
        m_fullShape = true;
        m_shape = QRegion();
        clearMask();
        return;
    }
    m_fullShape = false;
    m_shape = regionFromBands(opaqueRects(picture, m_transparent));
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
    const QImage& picture = currentPicture();
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
