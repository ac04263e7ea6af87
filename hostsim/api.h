// Export and import of the simulated host's own programming interface (hostsim library).
#pragma once

#ifdef _WIN32
#ifdef HOSTSIM_BUILDING
#define HOSTSIM_API __declspec(dllexport)
#else
#define HOSTSIM_API __declspec(dllimport)
#endif
#else
#define HOSTSIM_API __attribute__((visibility("default")))
#endif
