// Who the plug-in is: its fixed name, the module the system loaded it as, the host's feature query.
#pragma once

#include <cstddef>
#include <cstdint>

#include "host/calling_conventions.h"
#include "platform/win32_api.h"

namespace shell {

using FeatureQueryFn = int32_t(PM_HOST_CALL*)(int32_t code, int32_t mask);

inline constexpr char kPluginName[] = "PrzeplywMagazynu";
inline constexpr size_t kPluginNameSize = sizeof kPluginName;  // 16 characters and the NUL
inline constexpr size_t kModulePathSize = 300;
// The host main module's export that answers feature queries.
inline constexpr uint16_t kFeatureQueryOrdinal = 30006;

extern HMODULE ModuleHandle;
extern char ModulePath[kModulePathSize];
extern const char* ModuleFileName;  // points into ModulePath
extern FeatureQueryFn FeatureQuery;

// Runs once, inside the system's process-attach notification, after the host binding.
void OnProcessAttach(HMODULE module);
// Writes the name and its NUL (17 bytes) into a buffer of at least that size; returns the buffer.
char* WritePluginName(char* buffer);
// The text after the last backslash, then after the last slash in what remains; never null.
const char* FileNameFromPath(const char* path);
// The last occurrence of a character before the NUL, or null.
const char* FindLastChar(const char* text, char character);

}  // namespace shell
