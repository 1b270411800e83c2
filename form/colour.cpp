#include "form/colour.h"

#include <QApplication>
#include <QPalette>

namespace form {

QColor backgroundQColor(Colour colour)
{
    if (colour == defaultColour)
        return QApplication::palette().color(QPalette::Button);
    return toQColor(colour);
}

} // namespace form
