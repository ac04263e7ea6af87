// The host's memory services (21281, 21284, 21287): blocks that the host hands out and counts.
#pragma once

#include <cstddef>
#include <cstdint>
#include <map>

#include "hostsim/api.h"

namespace hostsim {

class HOSTSIM_API HostMemory {
 public:
  HostMemory() = default;
  HostMemory(const HostMemory&) = delete;
  HostMemory& operator=(const HostMemory&) = delete;
  ~HostMemory();  // a session's leftovers go with it

  // A new block, or null when this allocation was made to fail or the size is not positive.
  void* Allocate(int32_t size);
  // The block held through `block` (null: none yet) in a new size, its contents kept; false
  // and the old block untouched when the allocation fails.
  bool Resize(void** block, int32_t size);
  // Releasing null does nothing; a block the host never gave is counted as a fault.
  void Release(void* block);

  // The allocation `count` allocations from now (1: the next) fails.
  void FailAllocation(int32_t count) { failingAllocation_ = allocations_ + count; }

  size_t LiveBlocks() const { return blocks_.size(); }
  size_t LiveBytes() const;
  int32_t Allocations() const { return allocations_; }
  int32_t ForeignReleases() const { return foreignReleases_; }

 private:
  bool NextAllocationFails();

  std::map<void*, size_t> blocks_;
  int32_t allocations_ = 0;
  int32_t failingAllocation_ = 0;
  int32_t foreignReleases_ = 0;
};

}  // namespace hostsim
