// While the event lock is held, no procedure bound to a window event runs:
// during construction of the window, and for good once a fatal error
// report or the end of the program has begun.
#pragma once

namespace uescape {

void HoldEventLock();
void ReleaseEventLock();
bool EventLockHeld();

}  // namespace uescape
