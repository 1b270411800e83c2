// PicBtn: a button that shows a picture and takes its window shape from it.
// Every pixel of the transparent colour is cut out: it is not painted, and
// pointer input over it goes to whatever lies beneath.
#pragma once

#include "form/bitmap_view.h"
#include "form/colour.h"
#include "form/control.h"

#include <QImage>
#include <QRegion>
#include <QWidget>

#include <span>
#include <vector>

namespace form {

class PicBtn : public QWidget, public Control {
public:
    enum class State { Normal, Hover, Pressed };

    PicBtn(Runtime& runtime, WindowId window, const ControlForm& form, QWidget* parent);

    QWidget* widget() override { return this; }
    std::optional<std::int64_t> readProperty(int index) override;
    bool writeProperty(int index, std::int64_t value) override;
    // The four pictures: the button keeps its own copy of the bytes and
    // decodes them; an empty or undecodable ByteSet leaves no picture.
    bool writeBytesProperty(int index, const ByteSet& bytes) override;
    bool routesPointer() const override { return true; }
    bool shapeContains(QPoint local) const override;
    void handlePointer(const PointerInput& input) override;

    State state() const { return m_state; }
    // The pixels shown in the current state; null if no picture is set.
    BitmapView currentPicture() const;
    // The same as a picture of its own, for painting and for looking at.
    QImage currentImage() const;
    // The shape: the whole rectangle when it is not cut out at all.
    bool hasFullShape() const { return m_fullShape; }
    const QRegion& shape() const { return m_shape; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // The button's own copy of the bytes it was given, and their pixels. A
    // BMP is read where it lies in `bytes`: its rows already are the bitmap,
    // so decoding one is a header check rather than another copy. A JPEG is
    // decoded into `decoded`.
    struct Picture {
        std::vector<std::uint8_t> bytes;
        QImage decoded;
        BitmapView pixels;
    };
    enum Slot { NormalSlot, HoverSlot, PressedSlot, DisabledSlot, SlotCount };

    void setState(State state);
    void rebuildShape();
    void setShape(const Picture* source, const std::vector<QRect>& opaque);
    const Picture* current() const;
    void takeBmp(Picture& picture, std::span<const std::uint8_t> file, const BitmapView& rows);
    void takeOtherPicture(Picture& picture, std::span<const std::uint8_t> file);

    Picture m_pictures[SlotCount];
    Colour m_transparent;
    State m_state = State::Normal;
    const Picture* m_shapeSource = nullptr; // the picture the shape was built from
    bool m_fullShape = true;
    QRegion m_shape;
};

} // namespace form
