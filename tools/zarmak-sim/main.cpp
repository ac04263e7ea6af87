// zarmak-sim: the simulated host as a command-line program. It loads the plug-in the way the
// host does, shows what the load did (the plug-in's identity and its host binding), and on a
// host with every service runs the report over a sample stock table and shows its list.
#include <cstdio>
#include <cstring>
#include <string>

#include "host/service_catalogue.h"
#include "hostsim/host_session.h"
#include "hostsim/host_state.h"
#include "hostsim/table_events.h"
#include "testing/plugin_internals.h"
#include "tools/zarmak-sim/sample_stock.h"

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

void PrintList(const hostsim::ListView& view) {
  std::printf("  %s\n", view.title.c_str());
  for (const std::string& line : view.headerLines) std::printf("  %s\n", line.c_str());
  for (const std::string& row : view.rows) std::printf("  %s\n", row.c_str());
  std::printf("  %s\n", view.keyBar.c_str());
}

// The report as the host meets it: event 231 on table 127, then the period (event 2001).
void RunReport(const PluginInternals& plugin) {
  hostsim::HostState& host = hostsim::Host();
  // What initialisation does (not built yet): the host is handed the report table and its
  // forms, and table 127's procedure is hooked.
  host.handedFormBlock = reinterpret_cast<const uint8_t*>(plugin.reportFormBlock);
  host.reportList.Adopt(plugin.reportTableDescriptor);
  *plugin.previousTable127Proc = host.stock.descriptor.procedure;
  host.stock.descriptor.procedure = plugin.table127Proc;
  zarmak_sim::FillSampleStock(host);

  hostsim::RaiseOnStockTable(231);
  std::printf("\nReport list after event 231 on table 127 (%zu stock records)\n", host.stock.records.size());
  PrintList(host.listsShown.back());
  hostsim::RaiseOnReportList(2001);
  host.ShowList(host.reportList.Table());
  std::printf("\nTitle after event 2001\n  %s\n", host.listsShown.back().title.c_str());
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
  if (internals()->missingOrdinals->count == 0) {
    RunReport(*internals());
  } else {
    std::printf("\nThe report needs a host with every service.\n");
  }
  return 0;
}
