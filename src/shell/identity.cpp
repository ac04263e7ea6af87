// The plug-in's identity and the work done when the system attaches the library.
#include "shell/identity.h"

#include <cstring>

namespace shell {

constinit HMODULE ModuleHandle = nullptr;
constinit char ModulePath[kModulePathSize] = {};
constinit const char* ModuleFileName = nullptr;
constinit FeatureQueryFn FeatureQuery = nullptr;

void OnProcessAttach(HMODULE module) {
  ModuleHandle = module;
  if (GetModuleFileNameA(module, ModulePath, kModulePathSize) == 0) ModulePath[0] = '\0';
  ModulePath[kModulePathSize - 1] = '\0';  // older systems leave a cut path unterminated
  ModuleFileName = FileNameFromPath(ModulePath);
  if (const HMODULE host = GetModuleHandleA("ZARMAK")) {
    FeatureQuery = ExportAs<FeatureQueryFn>(GetProcAddress(host, MAKEINTRESOURCEA(kFeatureQueryOrdinal)));
  }
}

char* WritePluginName(char* buffer) {
  std::memcpy(buffer, kPluginName, kPluginNameSize);
  return buffer;
}

const char* FindLastChar(const char* text, char character) {
  const char* last = nullptr;
  for (const char* cursor = text; *cursor != '\0'; ++cursor) {
    if (*cursor == character) last = cursor;
  }
  return last;
}

const char* FileNameFromPath(const char* path) {
  const char* start = path;
  if (const char* backslash = FindLastChar(start, '\\')) start = backslash + 1;
  if (const char* slash = FindLastChar(start, '/')) return slash + 1;
  return start;
}

}  // namespace shell
