// DrawPanel: a persistent drawing surface. Everything drawn goes into an
// image of the panel's client size and onto the screen at once; the panel
// paints itself by copying from that image, so hiding and showing it, or
// covering it, never loses a stroke.
#pragma once

#include "form/colour.h"
#include "form/control.h"

#include <QImage>
#include <QWidget>

namespace form {

class DrawPanel : public QWidget, public Control {
public:
    DrawPanel(Runtime& runtime, WindowId window, const ControlForm& form, QWidget* parent);

    QWidget* widget() override { return this; }
    std::optional<std::int64_t> readProperty(int index) override;
    bool writeProperty(int index, std::int64_t value) override;
    bool writeBytesProperty(int index, const ByteSet& bytes) override;
    bool routesPointer() const override { return true; }
    void handlePointer(const PointerInput& input) override;

    // Copies `picture` 1:1 with its top-left corner at (left, top), clipped.
    void drawPicture(const QImage& picture, int left, int top);
    // The ellipse inscribed in the rectangle: outline with the pen, inside with the brush.
    void drawEllipse(int left, int top, int right, int bottom);

    // The persistent image, at the panel's current client size.
    const QImage& image();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void startFreshImage();
    // Qt delivers resize events to hidden widgets only when they are shown,
    // so every use of the image first brings it to the current size.
    void syncImageSize();

    QImage m_image;
    Colour m_background;
    ByteSet m_backgroundPictureBytes;
    QImage m_backgroundPicture;
    Colour m_pen;
    Colour m_brush;
};

} // namespace form
