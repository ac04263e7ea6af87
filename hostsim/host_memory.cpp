// The simulated host's memory blocks.
#include "hostsim/host_memory.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace hostsim {

HostMemory::~HostMemory() {
  for (const auto& [block, size] : blocks_) std::free(block);
}

bool HostMemory::NextAllocationFails() { return ++allocations_ == failingAllocation_; }

void* HostMemory::Allocate(int32_t size) {
  if (NextAllocationFails() || size <= 0) return nullptr;
  void* const block = std::malloc(static_cast<size_t>(size));
  if (block != nullptr) blocks_[block] = static_cast<size_t>(size);
  return block;
}

bool HostMemory::Resize(void** block, int32_t size) {
  const auto old = blocks_.find(*block);
  if (*block != nullptr && old == blocks_.end()) {
    ++foreignReleases_;
    return false;
  }
  void* const resized = Allocate(size);
  if (resized == nullptr) return false;
  if (old != blocks_.end()) {
    std::memcpy(resized, old->first, std::min(old->second, static_cast<size_t>(size)));
    Release(old->first);
  }
  *block = resized;
  return true;
}

void HostMemory::Release(void* block) {
  if (block == nullptr) return;
  const auto found = blocks_.find(block);
  if (found == blocks_.end()) {
    ++foreignReleases_;
    return;
  }
  std::free(block);
  blocks_.erase(found);
}

size_t HostMemory::LiveBytes() const {
  size_t bytes = 0;
  for (const auto& [block, size] : blocks_) bytes += size;
  return bytes;
}

}  // namespace hostsim
