// The host's WDialogBase parts of the plug-in's objects: built by 20902, destroyed by 20903.
#pragma once

#include <cstdint>
#include <vector>

#include "hostsim/api.h"

namespace hostsim {

class HOSTSIM_API DialogObjects {
 public:
  static constexpr uint8_t kPattern = 0xD1;  // the host's data in the base part

  // Writes the host's virtual-table pointer and fills the rest of the base part with its data.
  void Construct(void* object);
  // Notes whether the host's data outlived the object intact, and puts the host's table back.
  void Destroy(void* object);

  int32_t Live() const { return constructed_ - destroyed_; }
  int32_t Destroyed() const { return destroyed_; }
  int32_t Damaged() const { return damaged_; }  // destroyed with the host's data overwritten
  static const void* const* HostTable();

 private:
  int32_t constructed_ = 0;
  int32_t destroyed_ = 0;
  int32_t damaged_ = 0;
};

}  // namespace hostsim
