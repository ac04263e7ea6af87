// Loading and unloading the modules of a session.
#include "hostsim/host_session.h"

#include <cstdio>
#include <cstdlib>

#include "hostsim/host_state.h"

namespace hostsim {
namespace {

#ifdef _WIN32
constexpr char kSeparator = '\\';
constexpr char kModuleSuffix[] = ".dll";
#else
constexpr char kSeparator = '/';
constexpr char kModuleSuffix[] = ".so";
#endif

std::string ModulePath(std::string relative) {
  for (char& c : relative) {
    if (c == '/') c = kSeparator;
  }
  return BinaryDirectory() + kSeparator + relative + kModuleSuffix;
}

// A module that does not load is a broken build, not a test outcome.
HMODULE LoadOrDie(const std::string& path) {
  const HMODULE module = LoadLibraryA(path.c_str());
  if (module == nullptr) {
    std::fprintf(stderr, "simulated host: cannot load %s\n", path.c_str());
    std::abort();
  }
  return module;
}

HMODULE* ConnectorVariable(HMODULE connector) {
  return reinterpret_cast<HMODULE*>(GetProcAddress(connector, MAKEINTRESOURCEA(30008)));
}

}  // namespace

std::string BinaryDirectory() {
  char path[4096];
  const DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
  std::string directory(path, length);
  return directory.substr(0, directory.find_last_of("/\\"));
}

HostSession::HostSession(const SessionOptions& options) {
  ResetHost();
  // The plug-in binds while it loads, so the connector must publish the host module first.
  connector_ = LoadOrDie(ModulePath("SPINACZ"));
  hostModule_ = LoadOrDie(ModulePath(std::string("hosts/") + options.hostModule));
  *ConnectorVariable(connector_) = hostModule_;
  pluginPath_ = ModulePath(options.plugin == PluginBuild::Shipped ? "PrzeplywMagazynu" : "testable/PrzeplywMagazynu");
  plugin_ = LoadOrDie(pluginPath_);
}

HostSession::~HostSession() {
  FreeLibrary(plugin_);
  *ConnectorVariable(connector_) = nullptr;
  FreeLibrary(hostModule_);
  FreeLibrary(connector_);
}

FARPROC HostSession::PluginExport(uint16_t ordinal) const { return GetProcAddress(plugin_, MAKEINTRESOURCEA(ordinal)); }

FARPROC HostSession::HostExport(uint16_t ordinal) const {
  return GetProcAddress(hostModule_, MAKEINTRESOURCEA(ordinal));
}

}  // namespace hostsim
