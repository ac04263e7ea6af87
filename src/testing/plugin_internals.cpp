// The named export of the testable build.
#include "testing/plugin_internals.h"

#ifdef _WIN32
#define PM_NAMED_EXPORT __declspec(dllexport)
#else
#define PM_NAMED_EXPORT __attribute__((visibility("default")))
#endif

namespace {

const PluginInternals internals = {
    &hostBindings,
    &MissingOrdinals,
    &host::kGxRpcCtxForwarding,
    &host::kWDialogBaseForwarding,
    &BindHostService,
    &CompareOrdinalsDescending,
    &shell::ModuleHandle,
    shell::ModulePath,
    &shell::ModuleFileName,
    &shell::FeatureQuery,
    &shell::WritePluginName,
    &shell::FileNameFromPath,
    &shell::FindLastChar,

    &report::reportTableDescriptor,
    &report::reportFormBlock,
    &report::BuildColumnDefs,
};

}  // namespace

extern "C" PM_NAMED_EXPORT const PluginInternals* pm_test_internals() { return &internals; }
