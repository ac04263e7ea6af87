// The load order: host binding, then completing the static data that needs the host, then the
// identity. Nothing of the plug-in runs before the binding (no dynamic static initialisers).
#include "shell/load_sequence.h"

#include "host/binding_table.h"
#include "report/report_layout.h"
#include "shell/identity.h"

namespace shell {

void RunLoadSequence(HMODULE module) {
  BindAllHostServices();
  // The report's column table is completed here, once it can call the host.
  report::BuildColumnDefs();
  OnProcessAttach(module);
}

}  // namespace shell
