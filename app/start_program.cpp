#include "app/start_program.h"

#include "assets/constant_pool.h"
#include "form/runtime.h"
#include "form/start_window_form.h"
#include "reveal/handlers.h"

int startProgram(form::Runtime& runtime)
{
    const form::WindowForm* forms[] = {&form::start::startWindowForm()};
    runtime.initialise(forms, reveal::bindings(), assets::constantPool());
    runtime.setExitRoutine(&reveal::onProgramExit);
    runtime.loadWindow(form::start::windowId);
    runtime.runMessageLoop();
    return 0;
}
