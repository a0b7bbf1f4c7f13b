// Linked only into the test build of the program: makes the allocation of
// texts fail on demand, so that tests can see the fatal error report that
// running out of memory brings. The environment variable
// UESCAPE_TEST_REFUSE_ALLOCATIONS_FROM names a size in bytes; every text
// allocation of at least that size is refused. The shipped program has no
// such switch: it does not contain this file.
#include <cstdlib>
#include <new>

namespace {

std::size_t RefuseFrom() {
  static const std::size_t refuseFrom = [] {
    const char* setting = std::getenv("UESCAPE_TEST_REFUSE_ALLOCATIONS_FROM");
    return setting != nullptr ? static_cast<std::size_t>(std::strtoull(setting, nullptr, 10)) : 0;
  }();
  return refuseFrom;
}

}  // namespace

// Texts allocate through the no-throw form; everything else is untouched.
void* operator new(std::size_t bytes, const std::nothrow_t&) noexcept {
  const std::size_t refuseFrom = RefuseFrom();
  if (refuseFrom != 0 && bytes >= refuseFrom) return nullptr;
  try {
    return ::operator new(bytes);
  } catch (...) {
    return nullptr;
  }
}
