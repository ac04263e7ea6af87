// The connector library SPINACZ.dll publishes the host main module's handle as its data export
// 30008; importing it makes the system load the connector together with the plug-in.
#pragma once

#include "platform/win32_api.h"

#ifdef _WIN32
extern "C" __declspec(dllimport) HMODULE SPINACZ_ordinal_30008;
#else
extern "C" __attribute__((visibility("default"))) HMODULE SPINACZ_ordinal_30008;
#endif

inline HMODULE ConnectedHostModule() { return SPINACZ_ordinal_30008; }
