// zarmak-sim: the simulated host as a command-line program. It loads the plug-in the way the
// host does and shows what the load did: the plug-in's identity and its host binding.
#include <cstdio>
#include <cstring>
#include <string>

#include "host/service_catalogue.h"
#include "hostsim/host_session.h"
#include "testing/plugin_internals.h"

namespace {

struct HostChoice {
  const char* option;
  const char* module;
  const char* description;
};

const HostChoice kHosts[] = {
    {"full", hostsim::kFullHost, "every host service and the feature query"},
    {"lacks-52518", hostsim::kHostLacking52518, "all but the item card (52518)"},
    {"lacks-ten", hostsim::kHostLackingTen, "ten services missing"},
    {"no-feature-query", hostsim::kHostWithoutFeatureQuery, "ZARMAK without export 30006"},
    {"empty", hostsim::kEmptyModule, "a module that exports nothing"},
};

void PrintUsage() {
  std::printf("usage: zarmak-sim [--host NAME]\n\nHosts:\n");
  for (const HostChoice& host : kHosts) std::printf("  %-18s %s\n", host.option, host.description);
}

const HostChoice* FindHost(const char* option) {
  for (const HostChoice& host : kHosts) {
    if (std::strcmp(host.option, option) == 0) return &host;
  }
  return nullptr;
}

void PrintIdentity(const PluginInternals& plugin, const hostsim::HostSession& session) {
  char name[17];
  plugin.writePluginName(name);
  std::printf("Identity\n");
  std::printf("  name             %s\n", name);
  std::printf("  module handle    %p\n", static_cast<void*>(*plugin.moduleHandle));
  std::printf("  module path      %s\n", plugin.modulePath);
  std::printf("  module file      %s\n", *plugin.moduleFileName);
  const bool queryIsHosts = *plugin.featureQuery != nullptr &&
                            *plugin.featureQuery == ExportAs<shell::FeatureQueryFn>(session.HostExport(30006));
  std::printf("  feature query    %s\n", *plugin.featureQuery == nullptr ? "none (no ZARMAK with export 30006)"
                                         : queryIsHosts                  ? "ZARMAK export 30006"
                                                                         : "unexpected address");
}

void PrintBinding(const PluginInternals& plugin) {
  size_t bound = 0;
  for (const HostSlot slot : plugin.bindings->slots) bound += slot != nullptr;
  const MissingOrdinalList& missing = *plugin.missingOrdinals;
  std::printf("Host binding\n");
  std::printf("  slots bound      %zu of %zu\n", bound, host::kServiceCount);
  std::printf("  missing          %d\n", missing.count);
  if (missing.count == 0) return;
  std::printf("  first missing   ");
  for (int32_t index = 0; index < missing.count && index < 8; ++index) std::printf(" %u", missing.ordinals[index]);
  std::printf("\n");
}

}  // namespace

int main(int argc, char** argv) {
  const HostChoice* host = &kHosts[0];
  for (int index = 1; index < argc; ++index) {
    if (std::strcmp(argv[index], "--host") == 0 && index + 1 < argc) {
      host = FindHost(argv[++index]);
      if (host == nullptr) {
        std::fprintf(stderr, "zarmak-sim: unknown host '%s'\n\n", argv[index]);
        PrintUsage();
        return 2;
      }
    } else {
      PrintUsage();
      return std::strcmp(argv[index], "--help") == 0 ? 0 : 2;
    }
  }

  hostsim::HostSession session({host->module, hostsim::PluginBuild::Testable});
  const auto internals = ExportAs<PluginInternalsAccessor>(GetProcAddress(session.Plugin(), kPluginInternalsExport));
  if (internals == nullptr) {
    std::fprintf(stderr, "zarmak-sim: the plug-in at %s has no %s export\n", session.PluginPath().c_str(),
                 kPluginInternalsExport);
    return 1;
  }
  std::printf("Simulated host    %s (%s)\n", host->option, host->description);
  std::printf("Plug-in loaded    %s\n\n", session.PluginPath().c_str());
  PrintIdentity(*internals(), session);
  std::printf("\n");
  PrintBinding(*internals());
  return 0;
}
