// The operations a program's handlers call: properties, moving controls,
// pictures, drawing on a canvas, snapshots and the message box. Every call
// with an unknown window, unit, handle or picture does nothing and yields
// 0 or an empty ByteSet.
#pragma once

#include "form/byte_set.h"
#include "form/control.h"
#include "form/form_definition.h"
#include "form/runtime.h"

#include <QString>

#include <cstdint>
#include <functional>

namespace form {

std::int64_t readProperty(WindowId window, UnitId unit, int index);
void writeProperty(WindowId window, UnitId unit, int index, std::int64_t value);
// Picture properties; the control keeps its own copy, the caller keeps `bytes`.
void writePictureProperty(WindowId window, UnitId unit, int index, const ByteSet& bytes);

inline void show(WindowId window, UnitId unit) { writeProperty(window, unit, property::visible, 1); }
inline void hide(WindowId window, UnitId unit) { writeProperty(window, unit, property::visible, 0); }

// -1 keeps the current value of that part; an unchanged rectangle does nothing.
inline constexpr int keep = -1;
void moveControl(WindowId window, UnitId unit, int left, int top, int width = keep, int height = keep);

NativeHandle nativeWindowHandle(WindowId window, UnitId unit);

// Decodes a picture (JPEG or BMP); 0 when the bytes are not one.
PictureHandle loadPicture(const ByteSet& bytes);
// Copies a loaded picture 1:1 onto a canvas at (left, top), clipped; nothing
// is filled first, and an unknown handle draws nothing.
void drawPicture(WindowId window, UnitId canvas, PictureHandle picture, int left, int top);
void drawEllipse(WindowId window, UnitId canvas, int left, int top, int right, int bottom);

// A BMP file of what the window shows, over its whole outer rectangle.
// width and height 0 mean the natural size, negative means that percentage
// of it (at least 10), positive that many pixels (scaled). An unknown handle
// or a size beyond the runtime's picture limits gives an empty ByteSet.
ByteSet snapshot(NativeHandle handle, int width, int height);

// A message box without owner, modal for the whole program; buttonsAndIcon 0
// is one OK button and no icon. Returns the button pressed (1 for OK).
int messageBox(const char* gbkText, const char* gbkTitle, int buttonsAndIcon);

// Tests replace the box to see what it would show; returns the previous one.
using MessageBoxPresenter = std::function<int(const QString& text, const QString& title, int buttonsAndIcon)>;
MessageBoxPresenter setMessageBoxPresenter(MessageBoxPresenter presenter);

} // namespace form
