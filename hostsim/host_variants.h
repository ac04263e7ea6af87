// The host modules the build makes (cmake/HostExports.cmake), by their path under bin/hosts.
#pragma once

namespace hostsim {

inline constexpr char kFullHost[] = "full/ZARMAK";                 // every service and 30006
inline constexpr char kHostLacking52518[] = "lacks-52518/ZARMAK";  // all but the item card
inline constexpr char kHostLackingTen[] = "lacks-ten/ZARMAK";      // see kTenLackedServices
inline constexpr char kHostWithoutFeatureQuery[] = "no-feature-query/ZARMAK";
inline constexpr char kEmptyModule[] = "empty/PUSTY";  // exports nothing; not named ZARMAK

}  // namespace hostsim
