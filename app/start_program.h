#pragma once

namespace form {
class Runtime;
}

// The program's entry routine, called once the runtime is up: reads the form,
// registers the exit routine, loads the start window and runs the message
// loop. Returns 0 when the loop has ended.
int startProgram(form::Runtime& runtime);
