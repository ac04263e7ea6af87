// The host's key codes and dialog results, as forms and table procedures use them.
#pragma once

#include <cstdint>

namespace host {

inline constexpr uint16_t kKeyF2 = 0x3C00;
inline constexpr uint16_t kKeyF3 = 0x3D00;
inline constexpr uint16_t kKeyF4 = 0x3E00;
inline constexpr uint16_t kKeyF12 = 0x8600;
inline constexpr uint16_t kKeyEsc = 0x001B;

inline constexpr uint16_t kFirstButton = 0x5001;   // a dialog's first result
inline constexpr uint16_t kSecondButton = 0x5002;  // and its second

}  // namespace host
