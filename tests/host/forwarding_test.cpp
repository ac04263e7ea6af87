// Inherited virtual entries, called by the host on an object, reach the host method of their
// ordinal with `this` and the arguments intact (thiscall in the win32 build).
#include <vector>

#include "host/service_catalogue.h"
#include "hostsim/host_state.h"
#include "hostsim/virtual_call.h"
#include "support/plugin_under_test.h"

namespace {

// The host's published virtual tables of the two derived classes; 0 marks the class's own entry.
const std::vector<uint16_t> kGxRpcCtxWtykaTable = {
    0,     21258, 21225, 21231, 21254, 21256, 21206, 21238, 21232, 21234, 21252, 21229, 21219, 21221,
    21242, 21247, 21246, 21255, 21218, 21239, 21217, 21236, 21233, 21235, 21220, 21251, 21257, 21230,
    21248, 21222, 21223, 21253, 0,     0,     0,     21228, 21212, 21261, 21244, 0,     21260, 0};
const std::vector<uint16_t> kCRaportRozchodowTable = {0,     20967, 20958, 20959, 20960, 20961, 20962, 20963, 20964,
                                                      20965, 20966, 20957, 20948, 20949, 20950, 20951, 20952, 20953,
                                                      20954, 20955, 20956, 20947, 20938, 20939, 20940, 20941, 20942,
                                                      20943, 20944, 20945, 20946, 20937, 24002, 24003, 24004};

// An object as the host meets it: its first word is the address of its virtual table.
struct ObjectWithTable {
  const void* const* table;
  uint32_t data = 0x5A5A5A5A;
};

void ExpectEveryInheritedEntryForwards(const void* const* entries, const std::vector<uint16_t>& published) {
  for (size_t position = 0; position < published.size(); ++position) {
    const uint16_t ordinal = published[position];
    if (ordinal == 0) {
      EXPECT_EQ(entries[position], nullptr) << "own position " << position;
      continue;
    }
    SCOPED_TRACE("position " + std::to_string(position));
    ObjectWithTable object{entries};
    const int32_t first = 0x11110000 + static_cast<int32_t>(position);
    const int32_t second = -static_cast<int32_t>(position);
    hostsim::Host().log.Clear();
    EXPECT_EQ(hostsim::CallVirtual(&object, position, first, second), ordinal);
    const std::vector<hostsim::LoggedCall>& calls = hostsim::Host().log.Calls();
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].ordinal, ordinal);
    const std::vector<uint32_t> words = {static_cast<uint32_t>(reinterpret_cast<uintptr_t>(&object)),
                                         static_cast<uint32_t>(first), static_cast<uint32_t>(second)};
    EXPECT_EQ(calls[0].words, words);
  }
}

TEST(Forwarding, EveryInheritedGxRpcCtxEntryReachesItsHostMethod) {
  PluginUnderTest plugin;
  ASSERT_EQ(std::size(plugin->gxRpcCtxForwarding->entries), kGxRpcCtxWtykaTable.size());
  ExpectEveryInheritedEntryForwards(plugin->gxRpcCtxForwarding->entries, kGxRpcCtxWtykaTable);
}

TEST(Forwarding, EveryInheritedWDialogBaseEntryReachesItsHostMethod) {
  PluginUnderTest plugin;
  ASSERT_EQ(std::size(plugin->wDialogBaseForwarding->entries), kCRaportRozchodowTable.size());
  ExpectEveryInheritedEntryForwards(plugin->wDialogBaseForwarding->entries, kCRaportRozchodowTable);
}

TEST(Forwarding, AnEntryWhoseSlotIsEmptyCallsNothingAndAnswersZero) {
  PluginUnderTest plugin(hostsim::kHostLackingTen);  // lacks 21258, entry 1 of GxRpcCtx
  ObjectWithTable object{plugin->gxRpcCtxForwarding->entries};
  using MethodWithoutStackArguments = int32_t(PM_MEMBER_CALL*)(void* self);
  hostsim::Host().log.Clear();
  EXPECT_EQ(reinterpret_cast<MethodWithoutStackArguments>(object.table[1])(&object), 0);
  EXPECT_TRUE(hostsim::Host().log.Calls().empty());
}

// A slot put back to its initial binder binds itself on the first call and then continues into
// the host method with the call intact.
TEST(Forwarding, AnUnboundSlotBindsOnItsFirstCall) {
  PluginUnderTest plugin;
  const int index = host::SlotIndexOf(21258);  // GxRpcCtx entry 1
  plugin->bindings->slots[index] = plugin->binderThunks[index];
  ObjectWithTable object{plugin->gxRpcCtxForwarding->entries};
  hostsim::Host().log.Clear();
  EXPECT_EQ(hostsim::CallVirtual(&object, 1, 7, -7), 21258);
  EXPECT_EQ(plugin->bindings->slots[index], reinterpret_cast<const void*>(plugin.session().HostExport(21258)));
  ASSERT_EQ(hostsim::Host().log.Calls().size(), 1u);
  EXPECT_EQ(hostsim::Host().log.Calls()[0].words[0], static_cast<uint32_t>(reinterpret_cast<uintptr_t>(&object)));
  EXPECT_EQ(plugin->missingOrdinals->count, 0);
}

TEST(Forwarding, AnUnboundSlotOfAMissingServiceBindsToNothing) {
  PluginUnderTest plugin(hostsim::kHostLackingTen);  // lacks 21258
  const int index = host::SlotIndexOf(21258);
  plugin->bindings->slots[index] = plugin->binderThunks[index];
  ObjectWithTable object{plugin->gxRpcCtxForwarding->entries};
  using MethodWithoutStackArguments = int32_t(PM_MEMBER_CALL*)(void* self);
  hostsim::Host().log.Clear();
  EXPECT_EQ(reinterpret_cast<MethodWithoutStackArguments>(object.table[1])(&object), 0);
  EXPECT_EQ(plugin->bindings->slots[index], nullptr);
  EXPECT_EQ(plugin->missingOrdinals->count, 11);
  EXPECT_TRUE(hostsim::Host().log.Calls().empty());
}

}  // namespace
