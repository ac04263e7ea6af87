// plugin_loader HOST: loads the shipped plug-in into the simulated host HOST (a path under
// bin/hosts, e.g. lacks-ten/ZARMAK) and unloads it; a debugger watches what the load says.
#include "hostsim/host_session.h"

int main(int argc, char** argv) {
  if (argc != 2) return 2;
  hostsim::HostSession session({argv[1], hostsim::PluginBuild::Shipped});
  return 0;
}
