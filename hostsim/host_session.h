// One run of the simulated host: loads the connector, a host module and the plug-in the way
// the real host does (LoadLibraryA / dlopen, exports by ordinal), and unloads them at the end,
// so that every session meets a freshly loaded plug-in.
#pragma once

#include <cstdint>
#include <string>

#include "hostsim/api.h"
#include "hostsim/host_variants.h"
#include "platform/win32_api.h"

namespace hostsim {

enum class PluginBuild {
  Shipped,   // bin/PrzeplywMagazynu: the product
  Testable,  // bin/testable/PrzeplywMagazynu: the same code with its internals export
};

struct SessionOptions {
  const char* hostModule = kFullHost;  // the module whose handle the connector publishes
  PluginBuild plugin = PluginBuild::Testable;
};

class HOSTSIM_API HostSession {
 public:
  explicit HostSession(const SessionOptions& options = {});
  ~HostSession();
  HostSession(const HostSession&) = delete;
  HostSession& operator=(const HostSession&) = delete;

  HMODULE Plugin() const { return plugin_; }
  HMODULE HostModule() const { return hostModule_; }
  const std::string& PluginPath() const { return pluginPath_; }
  FARPROC PluginExport(uint16_t ordinal) const;
  FARPROC HostExport(uint16_t ordinal) const;

 private:
  HMODULE connector_ = nullptr;
  HMODULE hostModule_ = nullptr;
  HMODULE plugin_ = nullptr;
  std::string pluginPath_;
};

// The folder of the running program, where the build puts every module.
HOSTSIM_API std::string BinaryDirectory();

}  // namespace hostsim
