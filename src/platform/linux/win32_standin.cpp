// The Linux stand-in for the Win32 functions of win32_api.h, over the dynamic loader.
#include <dlfcn.h>
#include <link.h>
#include <unistd.h>

#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "platform/linux/debugger_control.h"
#include "platform/win32_api.h"

namespace {

bool debuggerAttached = false;
std::vector<std::string> debugOutput;

link_map* LinkMapOf(HMODULE module) {
  link_map* map = nullptr;
  if (dlinfo(module, RTLD_DI_LINKMAP, &map) != 0) return nullptr;
  return map;
}

bool IsOrdinal(LPCSTR nameOrOrdinal) { return reinterpret_cast<uintptr_t>(nameOrOrdinal) <= 0xFFFF; }

std::string ModuleName(HMODULE module) {
  char path[4096];
  if (GetModuleFileNameA(module, path, sizeof path) == 0) return "";
  std::string name = path;
  name = name.substr(name.find_last_of('/') + 1);
  return name.substr(0, name.find('.'));
}

std::string SymbolNameFor(HMODULE module, LPCSTR nameOrOrdinal) {
  if (!IsOrdinal(nameOrOrdinal)) return nameOrOrdinal;
  return ModuleName(module) + "_ordinal_" + std::to_string(reinterpret_cast<uintptr_t>(nameOrOrdinal));
}

bool TracerAttached() {
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);) {
    if (line.rfind("TracerPid:", 0) == 0) return std::stoi(line.substr(10)) != 0;
  }
  return false;
}

DWORD CopyCut(const char* text, LPSTR buffer, DWORD size) {
  if (size == 0) return 0;
  const size_t length = std::strlen(text);
  if (length >= size) {
    std::memcpy(buffer, text, size - 1);
    buffer[size - 1] = '\0';
    return size;
  }
  std::memcpy(buffer, text, length + 1);
  return static_cast<DWORD>(length);
}

}  // namespace

extern "C" {

FARPROC GetProcAddress(HMODULE module, LPCSTR nameOrOrdinal) {
  if (module == nullptr || nameOrOrdinal == nullptr) return nullptr;
  void* address = dlsym(module, SymbolNameFor(module, nameOrOrdinal).c_str());
  if (address == nullptr) return nullptr;
  // dlsym also searches the module's dependencies; an export is the module's own.
  Dl_info info;
  link_map* owner = nullptr;
  if (dladdr1(address, &info, reinterpret_cast<void**>(&owner), RTLD_DL_LINKMAP) == 0) return nullptr;
  if (owner != LinkMapOf(module)) return nullptr;
  return reinterpret_cast<FARPROC>(address);
}

HMODULE GetModuleHandleA(LPCSTR name) {
  if (name == nullptr) return reinterpret_cast<HMODULE>(dlopen(nullptr, RTLD_LAZY | RTLD_NOLOAD));
  std::string file = name;
  if (file.find('.') == std::string::npos) file += ".so";
  void* handle = dlopen(file.c_str(), RTLD_LAZY | RTLD_NOLOAD);
  if (handle == nullptr) return nullptr;
  dlclose(handle);  // NOLOAD took a reference; the module stays loaded by its owner.
  return reinterpret_cast<HMODULE>(handle);
}

DWORD GetModuleFileNameA(HMODULE module, LPSTR buffer, DWORD size) {
  link_map* map = module == nullptr ? nullptr : LinkMapOf(module);
  if (map != nullptr && map->l_name != nullptr && map->l_name[0] != '\0') return CopyCut(map->l_name, buffer, size);
  if (module != nullptr && map == nullptr) return 0;
  char path[4096];
  const ssize_t length = readlink("/proc/self/exe", path, sizeof path - 1);
  if (length < 0) return 0;
  path[length] = '\0';
  return CopyCut(path, buffer, size);
}

BOOL IsDebuggerPresent() { return debuggerAttached || TracerAttached(); }

void OutputDebugStringA(LPCSTR text) { debugOutput.emplace_back(text == nullptr ? "" : text); }

int wsprintfA(LPSTR buffer, LPCSTR format, ...) {
  constexpr size_t kLimit = 1024;
  va_list arguments;
  va_start(arguments, format);
  const int length = std::vsnprintf(buffer, kLimit, format, arguments);
  va_end(arguments);
  if (length < 0) return 0;
  return length < static_cast<int>(kLimit) ? length : static_cast<int>(kLimit) - 1;
}

HMODULE LoadLibraryA(LPCSTR path) { return reinterpret_cast<HMODULE>(dlopen(path, RTLD_NOW | RTLD_LOCAL)); }

BOOL FreeLibrary(HMODULE module) { return module != nullptr && dlclose(module) == 0; }

HMODULE pmwin32_ModuleOfAddress(const void* address) {
  Dl_info info;
  link_map* owner = nullptr;
  if (dladdr1(address, &info, reinterpret_cast<void**>(&owner), RTLD_DL_LINKMAP) == 0) return nullptr;
  return reinterpret_cast<HMODULE>(owner);  // glibc's handles are link maps
}

}  // extern "C"

namespace pmwin32 {

void SetDebuggerAttached(bool attached) { debuggerAttached = attached; }

std::vector<std::string> TakeDebugOutput() {
  std::vector<std::string> taken;
  taken.swap(debugOutput);
  return taken;
}

}  // namespace pmwin32
