// HyperLinker: a one-line link label. Blue normally, dark blue while the
// pointer is over it, maroon once a press has opened its target. It never
// takes the keyboard focus.
#pragma once

#include "form/colour.h"
#include "form/control.h"

#include <QString>
#include <QWidget>

namespace form {

class HyperLinker : public QWidget, public Control {
public:
    static constexpr Colour normalColour = rgb(0, 0, 255);
    static constexpr Colour hoverColour = rgb(10, 36, 106);
    static constexpr Colour visitedColour = rgb(128, 0, 0);

    HyperLinker(Runtime& runtime, WindowId window, const ControlForm& form, QWidget* parent);

    QWidget* widget() override { return this; }
    bool routesPointer() const override { return true; }
    void handlePointer(const PointerInput& input) override;

    Colour textColour() const;
    const QString& caption() const { return m_caption; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void setHover(bool hover);

    QString m_caption;
    QString m_target;
    bool m_hover = false;
    bool m_visited = false;
};

} // namespace form
