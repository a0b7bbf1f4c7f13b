#include "common/event_lock.h"

namespace uescape {
namespace {
// One thread runs everything that touches the lock, so a plain counter does.
int g_eventLockCount = 0;
}  // namespace

void HoldEventLock() { ++g_eventLockCount; }

void ReleaseEventLock() {
  if (g_eventLockCount > 0) --g_eventLockCount;
}

bool EventLockHeld() { return g_eventLockCount > 0; }

}  // namespace uescape
