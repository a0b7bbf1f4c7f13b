// Start-up failures on demand, for the tests of the fatal error report.
// Only a build with UESCAPE_TEST_HOOKS reads them (from the environment
// variable UESCAPE_TEST_STARTUP_FAULT); the shipped program has none.
#pragma once

#include <cstdint>

namespace uescape::startup_faults {

bool DescriptionsUnreadable();
std::int32_t DescriptionIdToAskFor(std::int32_t id);
bool WindowNotBuilt();

}  // namespace uescape::startup_faults
