#include "app/startup_faults.h"

#ifdef UESCAPE_TEST_HOOKS
#include <cstdlib>
#include <cstring>
#endif

namespace uescape::startup_faults {
namespace {

bool Fault([[maybe_unused]] const char* name) {
#ifdef UESCAPE_TEST_HOOKS
  const char* fault = std::getenv("UESCAPE_TEST_STARTUP_FAULT");
  return fault != nullptr && std::strcmp(fault, name) == 0;
#else
  return false;
#endif
}

}  // namespace

bool DescriptionsUnreadable() { return Fault("unreadable-description"); }

std::int32_t DescriptionIdToAskFor(std::int32_t id) {
  return Fault("unknown-description") ? id + 1 : id;
}

bool WindowNotBuilt() { return Fault("window-not-built"); }

}  // namespace uescape::startup_faults
