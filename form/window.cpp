#include "form/window.h"

#include "form/draw_panel.h"
#include "form/hyper_linker.h"
#include "form/pic_btn.h"
#include "form/picture.h"
#include "form/push_button.h"
#include "form/qt_input.h"
#include "form/runtime.h"
#include "form/timer_unit.h"

#include <QApplication>
#include <QGuiApplication>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>
#include <QWindow>

namespace form {

namespace {

// The desktop's default GUI font is an 11-pixel sans serif; the CJK family
// comes first so that Chinese captions and Latin ones share one face.
QFont defaultGuiFont()
{
    QFont font = QApplication::font();
    font.setFamilies({QStringLiteral("WenQuanYi Micro Hei"), font.family()});
    font.setPixelSize(11);
    return font;
}

Control* createControl(Runtime& runtime, WindowId window, const ControlForm& form, QWidget* parent)
{
    switch (form.kind) {
    case Kind::DrawPanel:
        return new DrawPanel(runtime, window, form, parent);
    case Kind::PicBtn:
        return new PicBtn(runtime, window, form, parent);
    case Kind::Button:
        return new PushButton(runtime, window, form, parent);
    case Kind::HyperLinker:
        return new HyperLinker(runtime, window, form, parent);
    case Kind::Timer:
        return new TimerUnit(runtime, window, form, parent);
    case Kind::Window:
        break;
    }
    return nullptr;
}

} // namespace

Window::Window(Runtime& runtime, const WindowForm& form, const std::vector<std::vector<BoundHandler>>& controlBindings,
               const std::uint8_t* backgroundPicture)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                  | Qt::WindowCloseButtonHint)
    , Control(runtime, form.windowId, form.unitId, Kind::Window)
    , m_form(form)
    , m_backgroundBytes(ByteSet::fromConstantPool(backgroundPicture))
{
    setAttribute(Qt::WA_DeleteOnClose);
    // Painting covers every pixel: there is no erase step.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setWindowTitle(QString::fromUtf8(form.title.data(), qsizetype(form.title.size())));
    setCursor(Qt::ArrowCursor);
    setFont(defaultGuiFont());
    setFixedSize(outerSize());
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(centredPosition(screen->geometry().size(), outerSize()));

    for (std::size_t i = 0; i < form.controls.size(); ++i) {
        Control* control = createControl(runtime, form.windowId, form.controls[i], this);
        if (i < controlBindings.size())
            control->setBindings(controlBindings[i]);
        if (QWidget* w = control->widget()) {
            w->setVisible(form.controls[i].visible);
            w->setCursor(form.controls[i].pointer == Pointer::PointingHand ? Qt::PointingHandCursor
                                                                          : Qt::ArrowCursor);
        }
        m_controls.push_back(control);
    }
    // Later siblings paint on top in Qt; the form lists the topmost first.
    for (auto it = m_controls.rbegin(); it != m_controls.rend(); ++it) {
        if (QWidget* w = (*it)->widget())
            w->raise();
    }

    create();
    fitFrame();
    m_input = new QtInputAdapter(runtime, *this);
    windowHandle()->installEventFilter(m_input);
}

Window::~Window()
{
    // Children go first, while the runtime can still tell them apart.
    for (Control* control : m_controls)
        delete control;
    m_controls.clear();
    runtime().windowDestroyed(*this);
}

QPoint Window::centredPosition(QSize screen, QSize outer)
{
    // Integer division truncates towards zero, also for a screen smaller than the window.
    return {(screen.width() - outer.width()) / 2, (screen.height() - outer.height()) / 2};
}

std::optional<std::int64_t> Window::readProperty(int index)
{
    const QRect outer = frameGeometry();
    switch (index) {
    case property::left:
        return outer.x();
    case property::top:
        return outer.y();
    case property::width:
        return outer.width();
    case property::height:
        return outer.height();
    default:
        return Control::readProperty(index);
    }
}

Control* Window::controlAt(QPoint windowPos) const
{
    for (Control* control : m_controls) {
        QWidget* w = control->widget();
        if (!w || w->isHidden() || !w->geometry().contains(windowPos))
            continue;
        if (control->shapeContains(windowPos - w->pos()))
            return control;
    }
    return nullptr;
}

void Window::focusFirstTabStop()
{
    for (Control* control : m_controls) {
        QWidget* w = control->widget();
        if (w && !w->isHidden() && w->isEnabled() && w->focusPolicy() & Qt::TabFocus) {
            w->setFocus(Qt::ActiveWindowFocusReason);
            return;
        }
    }
}

bool Window::event(QEvent* event)
{
    switch (event->type()) {
    case QEvent::Show:
    case QEvent::Move:
    case QEvent::Resize:
        fitFrame();
        break;
    default:
        break;
    }
    return QWidget::event(event);
}

void Window::fitFrame()
{
    const QWindow* handle = windowHandle();
    if (!handle)
        return;
    const QMargins frame = handle->frameMargins();
    const QSize client(outerSize().width() - frame.left() - frame.right(),
                       outerSize().height() - frame.top() - frame.bottom());
    if (client == size() || client.isEmpty())
        return;
    setFixedSize(client);
    if (const QScreen* screen = this->screen())
        move(centredPosition(screen->geometry().size(), outerSize()));
}

const QImage* Window::background()
{
    // Decoded on first paint, as a window decodes its picture when it needs it.
    if (!m_backgroundDecoded) {
        m_backgroundDecoded = true;
        m_background = decodePicture(m_backgroundBytes.data());
    }
    return m_background ? &*m_background : nullptr;
}

void Window::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (const QImage* picture = background()) {
        // Smooth (halftone-like) stretching needs more than 16 bits per pixel.
        painter.setRenderHint(QPainter::SmoothPixmapTransform, depth() > 16);
        painter.drawImage(rect(), *picture);
    } else {
        painter.fillRect(rect(), backgroundQColor(m_form.background));
    }
}

} // namespace form
