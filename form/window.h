// A window built from its form: fixed outer size, centred on the screen, a
// background picture stretched over the client area, and its controls in
// form order (the first on top).
#pragma once

#include "form/byte_set.h"
#include "form/control.h"
#include "form/form_definition.h"

#include <QImage>
#include <QWidget>

#include <optional>
#include <vector>

namespace form {

class QtInputAdapter;

class Window : public QWidget, public Control {
public:
    Window(Runtime& runtime, const WindowForm& form, const std::vector<std::vector<BoundHandler>>& controlBindings,
           const std::uint8_t* backgroundPicture);
    ~Window() override;

    QWidget* widget() override { return this; }
    // Left, top, width and height are those of the outer (frame) rectangle.
    std::optional<std::int64_t> readProperty(int index) override;

    const WindowForm& form() const { return m_form; }
    const std::vector<Control*>& controls() const { return m_controls; }
    // The topmost visible control whose shape holds the point; null when the
    // point is on the window itself.
    Control* controlAt(QPoint windowPos) const;
    bool escapeCloses() const { return m_form.escapeCloses; }
    // The visible, enabled tab-stop control that comes first.
    void focusFirstTabStop();

    // The outer size the form asks for and the position that centres it.
    QSize outerSize() const { return {m_form.geometry.width, m_form.geometry.height}; }
    static QPoint centredPosition(QSize screen, QSize outer);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    // Sizes the client area so that client plus frame is the form's outer
    // size; the frame is known only once the window system has mapped it.
    void fitFrame();
    const QImage* background();

    const WindowForm& m_form;
    std::vector<Control*> m_controls; // owned by Qt's parent-child tree
    ByteSet m_backgroundBytes;
    std::optional<QImage> m_background;
    bool m_backgroundDecoded = false;
    QtInputAdapter* m_input = nullptr;
};

} // namespace form
