#include <array>
#include <bit>
#include <new>
#include <string>

#include "common/fatal_error_report.h"
#include "engine/text.h"

namespace uescape {
namespace {

// A conversion makes two dozen texts the size of its input, one after
// another, each released before the next but one is made. Handing a large
// released block straight to the next request spares the system allocator
// from returning it to the system and the process from touching fresh
// pages every time. Small blocks go to the allocator as usual.
constexpr std::size_t kRecycleFrom = std::size_t{64} << 10;
constexpr std::size_t kRecycleUpTo = std::size_t{64} << 20;

struct RecycledBlock {
  void* memory = nullptr;
  std::size_t bytes = 0;
};

class RecycledBlocks {
 public:
  ~RecycledBlocks() { Clear(); }

  // A kept block of at least `bytes` and at most twice that, or nullptr.
  void* Take(std::size_t bytes) {
    RecycledBlock* best = nullptr;
    for (RecycledBlock& block : blocks_) {
      if (block.memory != nullptr && block.bytes >= bytes && block.bytes / 2 <= bytes &&
          (best == nullptr || block.bytes < best->bytes)) {
        best = &block;
      }
    }
    if (best == nullptr) return nullptr;
    void* memory = best->memory;
    *best = {};
    return memory;
  }

  // Keeps the block in place of an empty or smaller one; frees whatever
  // is not kept.
  void Give(void* memory, std::size_t bytes) {
    RecycledBlock* smallest = &blocks_[0];
    for (RecycledBlock& block : blocks_) {
      if (block.memory == nullptr) {
        smallest = &block;
        break;
      }
      if (block.bytes < smallest->bytes) smallest = &block;
    }
    if (smallest->memory != nullptr && smallest->bytes >= bytes) {
      ::operator delete(memory);
      return;
    }
    if (smallest->memory != nullptr) ::operator delete(smallest->memory);
    *smallest = {memory, bytes};
  }

  void Clear() {
    for (RecycledBlock& block : blocks_) {
      if (block.memory != nullptr) ::operator delete(block.memory);
      block = {};
    }
  }

 private:
  std::array<RecycledBlock, 4> blocks_{};
};

thread_local RecycledBlocks t_recycled;

bool Recyclable(std::size_t bytes) { return bytes >= kRecycleFrom && bytes <= kRecycleUpTo; }

// Large blocks are made in sizes an eighth of a power of two apart, so that
// the texts of a conversion, which grow a little from step to step, fit in
// the blocks that the steps before released.
std::size_t BlockSize(std::size_t bytes) {
  const std::size_t step = std::bit_floor(bytes) / 8;
  return (bytes + step - 1) / step * step;
}

}  // namespace

void* AllocateOrReport(std::size_t bytes) {
  std::size_t size = bytes;
  if (Recyclable(bytes)) {
    size = BlockSize(bytes);
    if (void* memory = t_recycled.Take(size)) return memory;
  }
  void* memory = ::operator new(size, std::nothrow);
  if (memory == nullptr) {
    FatalError error;
    error.message = "分配 " + std::to_string(bytes) + " 字节内存失败!";
    ReportFatalError(error);
  }
  return memory;
}

void ReleaseAllocation(void* memory, std::size_t bytes) noexcept {
  if (memory != nullptr && Recyclable(bytes)) {
    t_recycled.Give(memory, BlockSize(bytes));
    return;
  }
  ::operator delete(memory);
}

void ReleaseRecycledTextMemory() { t_recycled.Clear(); }

}  // namespace uescape
