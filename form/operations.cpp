#include "form/operations.h"

#include "form/bmp_codec.h"
#include "form/draw_panel.h"
#include "form/gbk_text.h"
#include "form/picture.h"

#include <QMessageBox>
#include <QWidget>

#include <algorithm>

namespace form {

namespace {

Control* findUnit(WindowId window, UnitId unit)
{
    const Runtime* runtime = Runtime::current();
    return runtime ? runtime->unit(window, unit) : nullptr;
}

DrawPanel* findCanvas(WindowId window, UnitId unit)
{
    Control* control = findUnit(window, unit);
    return control && control->kind() == Kind::DrawPanel ? static_cast<DrawPanel*>(control) : nullptr;
}

// The requested snapshot side from its natural length.
std::int64_t snapshotSide(int requested, int natural)
{
    if (requested == 0)
        return natural;
    if (requested < 0) {
        const std::int64_t percent = std::max<std::int64_t>(-std::int64_t(requested), 10);
        return std::max<std::int64_t>(std::int64_t(natural) * percent / 100, 1);
    }
    return requested;
}

} // namespace

std::int64_t readProperty(WindowId window, UnitId unit, int index)
{
    Control* control = findUnit(window, unit);
    return control ? control->readProperty(index).value_or(0) : 0;
}

void writeProperty(WindowId window, UnitId unit, int index, std::int64_t value)
{
    if (Control* control = findUnit(window, unit))
        control->writeProperty(index, value);
}

void writePictureProperty(WindowId window, UnitId unit, int index, const ByteSet& bytes)
{
    if (Control* control = findUnit(window, unit))
        control->writeBytesProperty(index, bytes);
}

void moveControl(WindowId window, UnitId unit, int left, int top, int width, int height)
{
    Control* control = findUnit(window, unit);
    QWidget* w = control ? control->widget() : nullptr;
    if (!w)
        return;
    const QRect current = w->geometry();
    const QRect wanted(left == keep ? current.x() : left, top == keep ? current.y() : top,
                       width == keep ? current.width() : std::max(width, 0),
                       height == keep ? current.height() : std::max(height, 0));
    if (wanted != current)
        w->setGeometry(wanted);
}

NativeHandle nativeWindowHandle(WindowId window, UnitId unit)
{
    Control* control = findUnit(window, unit);
    return control && control->widget() ? control->nativeHandle() : 0;
}

PictureHandle loadPicture(const ByteSet& bytes)
{
    Runtime* runtime = Runtime::current();
    if (!runtime)
        return 0;
    std::optional<QImage> picture = decodePicture(bytes.data());
    return picture ? runtime->addPicture(std::move(*picture)) : 0;
}

void drawPicture(WindowId window, UnitId canvas, PictureHandle picture, int left, int top)
{
    DrawPanel* panel = findCanvas(window, canvas);
    const QImage* image = Runtime::current() ? Runtime::current()->picture(picture) : nullptr;
    if (panel && image)
        panel->drawPicture(*image, left, top);
}

void drawEllipse(WindowId window, UnitId canvas, int left, int top, int right, int bottom)
{
    if (DrawPanel* panel = findCanvas(window, canvas))
        panel->drawEllipse(left, top, right, bottom);
}

ByteSet snapshot(NativeHandle handle, int width, int height)
{
    Runtime* runtime = Runtime::current();
    Control* control = runtime ? runtime->unitByHandle(handle) : nullptr;
    QWidget* w = control ? control->widget() : nullptr;
    if (!w)
        return {};
    const QSize natural = w->isWindow() ? w->frameGeometry().size() : w->size();
    const std::int64_t wantedWidth = snapshotSide(width, natural.width());
    const std::int64_t wantedHeight = snapshotSide(height, natural.height());
    if (!isAcceptablePictureSize(wantedWidth, wantedHeight))
        return {};

    // A canvas is what its persistent image holds, shown or not; any other
    // window is rendered.
    if (control->kind() == Kind::DrawPanel) {
        const QImage& image = static_cast<DrawPanel*>(control)->image();
        if (image.width() == wantedWidth && image.height() == wantedHeight)
            return encodeBmp(image);
        return encodeBmp(image.scaled(int(wantedWidth), int(wantedHeight), Qt::IgnoreAspectRatio,
                                      Qt::SmoothTransformation));
    }
    QImage rendered = w->grab().toImage().convertToFormat(pictureFormat);
    if (rendered.size() != QSize(int(wantedWidth), int(wantedHeight)))
        rendered = rendered.scaled(int(wantedWidth), int(wantedHeight), Qt::IgnoreAspectRatio,
                                   Qt::SmoothTransformation);
    return encodeBmp(rendered);
}

namespace {

MessageBoxPresenter presenter;

// The classic flag word: buttons in the low nibble, the icon in the next.
int showMessageBox(const QString& text, const QString& title, int buttonsAndIcon)
{
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    switch (buttonsAndIcon & 0xF0) {
    case 0x10: icon = QMessageBox::Critical; break;
    case 0x20: icon = QMessageBox::Question; break;
    case 0x30: icon = QMessageBox::Warning; break;
    case 0x40: icon = QMessageBox::Information; break;
    default: break;
    }
    QMessageBox::StandardButtons buttons = QMessageBox::Ok;
    switch (buttonsAndIcon & 0x0F) {
    case 1: buttons = QMessageBox::Ok | QMessageBox::Cancel; break;
    case 3: buttons = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel; break;
    case 4: buttons = QMessageBox::Yes | QMessageBox::No; break;
    default: break;
    }
    QMessageBox box(icon, title, text, buttons);
    box.setWindowModality(Qt::ApplicationModal);
    switch (box.exec()) {
    case QMessageBox::Cancel: return 2;
    case QMessageBox::Yes: return 6;
    case QMessageBox::No: return 7;
    default: return 1;
    }
}

} // namespace

int messageBox(const char* gbkText, const char* gbkTitle, int buttonsAndIcon)
{
    const QString text = fromGbk(gbkText);
    const QString title = fromGbk(gbkTitle);
    return presenter ? presenter(text, title, buttonsAndIcon) : showMessageBox(text, title, buttonsAndIcon);
}

MessageBoxPresenter setMessageBoxPresenter(MessageBoxPresenter replacement)
{
    MessageBoxPresenter previous = std::move(presenter);
    presenter = std::move(replacement);
    return previous;
}

} // namespace form
