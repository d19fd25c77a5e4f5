#pragma once

#include <functional>

// Ends the program at once: every window disappears and no window's closing
// steps run. The event loop is left with the code 0 as soon as the handler
// running now returns; waits that yield to the event queue watch
// ProgramEnding() and break off.
void EndProgram();

// True once EndProgram has been called.
bool ProgramEnding();

// What ending does after the windows are hidden: by default it leaves the
// event loop. Tests put a recorder here; setting it starts a new run, in which
// the program is not ending.
void SetProgramEndAction(std::function<void()> action);
