// The program's event handlers, bound to the start window's form by name.
#pragma once

#include "form/bindings.h"

namespace reveal {

// Start-up and the end of the program.
void onStartWindowCreated();
void onProgramExit();

// Smearing on the canvas and on the picture button.
void onCanvasLeftPressed(int x, int y, int keys);
void onCanvasMouseMoved(int x, int y, int keys);
void onCanvasLeftReleased(int x, int y, int keys);
void onPicBtnLeftPressed(int x, int y, int keys);
void onPicBtnMouseMoved(int x, int y, int keys);
void onPicBtnLeftReleased(int x, int y, int keys);

// The one-time hint and the replay button.
void onHintTimerTick();
void onReplayClicked();

// The handler names and resources the start window's form refers to.
form::Bindings bindings();

} // namespace reveal
