// PicBtn: a button that shows a picture and takes its window shape from it.
// Every pixel of the transparent colour is cut out: it is not painted, and
// pointer input over it goes to whatever lies beneath.
#pragma once

#include "form/colour.h"
#include "form/control.h"

#include <QImage>
#include <QRegion>
#include <QWidget>

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
    // The picture shown in the current state; null if none is set.
    const QImage& currentPicture() const;
    // The shape: the whole rectangle when it is not cut out at all.
    bool hasFullShape() const { return m_fullShape; }
    const QRegion& shape() const { return m_shape; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    struct Picture {
        std::vector<std::uint8_t> bytes;
        QImage image;
    };
    enum Slot { NormalSlot, HoverSlot, PressedSlot, DisabledSlot, SlotCount };

    void setState(State state);
    void rebuildShape();

    Picture m_pictures[SlotCount];
    Colour m_transparent;
    State m_state = State::Normal;
    const QImage* m_shapeSource = nullptr; // the picture the shape was built from
    bool m_fullShape = true;
    QRegion m_shape;
};

} // namespace form
