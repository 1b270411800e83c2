#include "form/hyper_linker.h"

#include "form/runtime.h"

#include <QDesktopServices>
#include <QPainter>
#include <QPalette>
#include <QUrl>

namespace form {

HyperLinker::HyperLinker(Runtime& runtime, WindowId window, const ControlForm& form, QWidget* parent)
    : QWidget(parent)
    , Control(runtime, window, form.unitId, Kind::HyperLinker)
    , m_caption(QString::fromUtf8(form.caption.data(), qsizetype(form.caption.size())))
    , m_target(QString::fromUtf8(form.linkTarget.data(), qsizetype(form.linkTarget.size())))
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(form.geometry.left, form.geometry.top, form.geometry.width, form.geometry.height);
}

Colour HyperLinker::textColour() const
{
    if (m_hover)
        return hoverColour;
    return m_visited ? visitedColour : normalColour;
}

void HyperLinker::setHover(bool hover)
{
    if (hover == m_hover)
        return;
    m_hover = hover;
    update();
}

void HyperLinker::handlePointer(const PointerInput& input)
{
    switch (input.type) {
    case PointerInput::Type::Move:
        // The capture lets the label see the pointer leave, even out of the window.
        if (rect().contains(input.local)) {
            setHover(true);
            runtime().setCapture(*this);
        } else {
            setHover(false);
            runtime().releaseCapture(*this);
        }
        break;
    case PointerInput::Type::Press:
    case PointerInput::Type::DoublePress:
        // An empty target opens nothing and leaves the colour as it is.
        if (!m_target.isEmpty() && QDesktopServices::openUrl(QUrl(m_target))) {
            m_visited = true;
            update();
        }
        break;
    case PointerInput::Type::Release:
        break;
    }
}

void HyperLinker::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Button));
    painter.setPen(toQColor(textColour()));
    painter.setFont(font());
    // One line, centred both ways, "&" shown as it is (no mnemonic processing).
    painter.drawText(rect(), Qt::AlignCenter | Qt::TextSingleLine, m_caption);
}

} // namespace form
