// The life of the process around the main window.
#pragma once

#include <windows.h>

namespace uescape {

// Sets the current directory to the executable's folder.
void EnterExecutableFolder();

// Start-up, the message loop and the end; returns the exit code.
int RunProgram(HINSTANCE instance);

}  // namespace uescape
