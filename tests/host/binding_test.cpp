// Binding against real host modules: which slots are filled, what is recorded as missing, and
// what a debugger is told.
#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "host/service_catalogue.h"
#include "support/plugin_under_test.h"
#ifndef _WIN32
#include "platform/linux/debugger_control.h"
#endif

namespace {

using hostsim::kEmptyModule;
using hostsim::kFullHost;
using hostsim::kHostLacking52518;
using hostsim::kHostLackingTen;

std::vector<uint16_t> AllOrdinals() {
  std::vector<uint16_t> ordinals;
  for (const host::ServiceEntry& service : host::kServices) ordinals.push_back(service.ordinal);
  return ordinals;
}

std::vector<uint16_t> KeptOrdinals(const MissingOrdinalList& missing) {
  const int32_t kept = std::min<int32_t>(missing.count, 8);
  return std::vector<uint16_t>(missing.ordinals, missing.ordinals + kept);
}

bool Contains(const std::vector<uint16_t>& ordinals, uint16_t ordinal) {
  return std::find(ordinals.begin(), ordinals.end(), ordinal) != ordinals.end();
}

struct BindingCase {
  const char* host;
  std::vector<uint16_t> lacked;  // in table order
  std::vector<uint16_t> kept;
};

std::vector<BindingCase> BindingCases() {
  return {
      {kFullHost, {}, {}},
      {kHostLacking52518, {52518}, {52518}},
      {kHostLackingTen,
       {52092, 41399, 21243, 21258, 34199, 52518, 22566, 52179, 20937, 41613},
       {52092, 41399, 21243, 21258, 34199, 52518, 22566, 52179}},
      {kEmptyModule, AllOrdinals(), {37996, 51425, 52092, 33197, 20903, 41399, 52023, 52311}},
  };
}

TEST(Binding, EverySlotHoldsTheHostExportOfItsOrdinalOrNull) {
  for (const BindingCase& test : BindingCases()) {
    SCOPED_TRACE(test.host);
    PluginUnderTest plugin(test.host);
    for (size_t index = 0; index < host::kServiceCount; ++index) {
      const uint16_t ordinal = host::kServices[index].ordinal;
      const void* slot = plugin->bindings->slots[index];
      const void* exported = reinterpret_cast<const void*>(plugin.session().HostExport(ordinal));
      EXPECT_EQ(slot, exported) << "slot of " << ordinal;
      EXPECT_EQ(slot == nullptr, Contains(test.lacked, ordinal)) << "slot of " << ordinal;
    }
    EXPECT_EQ(plugin->missingOrdinals->count, static_cast<int32_t>(test.lacked.size()));
    EXPECT_EQ(KeptOrdinals(*plugin->missingOrdinals), test.kept);
  }
}

TEST(Binding, EachSessionLoadsAFreshPlugin) {
  { PluginUnderTest lacking(kHostLackingTen); }
  PluginUnderTest full(kFullHost);
  EXPECT_EQ(full->missingOrdinals->count, 0);
  EXPECT_EQ(KeptOrdinals(*full->missingOrdinals), std::vector<uint16_t>{});
}

TEST(Binding, AMissingNameLeavesTheSlotEmptyAndIsNotCounted) {
  PluginUnderTest plugin(kHostLacking52518);
  HostSlot slot = &slot;
  EXPECT_EQ(plugin->bindHostService("NoSuchService", &slot), nullptr);
  EXPECT_EQ(slot, nullptr);
  EXPECT_EQ(plugin->missingOrdinals->count, 1);
}

TEST(Binding, CompareOrdinalsDescendingIsTheSecondMinusTheFirst) {
  struct Case {
    uint16_t first, second;
    int expected;
  };
  const Case cases[] = {{1, 2, 1}, {2, 1, -1}, {7, 7, 0}, {0xFFFF, 1, 1 - 0xFFFF}, {1, 0xFFFF, 0xFFFF - 1}};
  PluginUnderTest plugin;
  for (const Case& test : cases) {
    EXPECT_EQ(plugin->compareOrdinalsDescending(&test.first, &test.second), test.expected)
        << test.first << " vs " << test.second;
  }
  uint16_t ordinals[] = {40008, 41613, 41611};
  std::qsort(ordinals, 3, sizeof ordinals[0], plugin->compareOrdinalsDescending);
  EXPECT_EQ(std::vector<uint16_t>(ordinals, ordinals + 3), (std::vector<uint16_t>{41613, 41611, 40008}));
}

#ifndef _WIN32
// The stand-in's debugger, attached for the lifetime of a guard.
class DebuggerAttached {
 public:
  explicit DebuggerAttached(bool attached) {
    pmwin32::SetDebuggerAttached(attached);
    pmwin32::TakeDebugOutput();
  }
  ~DebuggerAttached() { pmwin32::SetDebuggerAttached(false); }
};

std::vector<std::string> MissTexts(const std::vector<uint16_t>& ordinals) {
  std::vector<std::string> texts;
  for (uint16_t ordinal : ordinals) texts.push_back("Brak funkcji o numerze " + std::to_string(ordinal) + "\n");
  return texts;
}

TEST(Binding, ADebuggerHearsOfEachMissAndNothingElse) {
  struct Case {
    const char* host;
    bool debugger;
    std::vector<std::string> texts;
  };
  const std::vector<uint16_t> lackedByTen = BindingCases()[2].lacked;
  const Case cases[] = {
      {kFullHost, true, {}},
      {kHostLackingTen, true, MissTexts(lackedByTen)},
      {kHostLackingTen, false, {}},
  };
  for (const Case& test : cases) {
    SCOPED_TRACE(std::string(test.host) + (test.debugger ? " under a debugger" : " without a debugger"));
    DebuggerAttached debugger(test.debugger);
    PluginUnderTest plugin(test.host);
    EXPECT_EQ(pmwin32::TakeDebugOutput(), test.texts);
  }
}

TEST(Binding, ADebuggerHearsOfAMissingName) {
  DebuggerAttached debugger(true);
  PluginUnderTest plugin;
  pmwin32::TakeDebugOutput();
  HostSlot slot = nullptr;
  plugin->bindHostService("NoSuchService", &slot);
  EXPECT_EQ(pmwin32::TakeDebugOutput(), std::vector<std::string>{"Brak funkcji o nazwie NoSuchService\n"});
}
#endif

}  // namespace
