// The simulated host's texts by number: its own wording, and the texts it numbers on request.
#pragma once

#include <cstdint>
#include <map>
#include <string>

#include "hostsim/api.h"

namespace hostsim {

// Numbers for registered texts start here, above every text of the host's own.
inline constexpr int32_t kFirstRegisteredTextNumber = 5001;

class HOSTSIM_API HostTexts {
 public:
  HostTexts();

  // Keeps a copy of the Mazovia text and returns its new number; the same text twice gets two.
  int32_t Register(const char* text);
  // The Mazovia text of a number, or null when the host has none.
  const std::string* Find(int32_t number) const;
  // The number the next registration gets.
  void NumberNextFrom(int32_t number) { nextNumber_ = number; }

 private:
  std::map<int32_t, std::string> texts_;
  int32_t nextNumber_ = kFirstRegisteredTextNumber;
};

}  // namespace hostsim
