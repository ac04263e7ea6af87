// The report object: its host base part, its virtual table and its deleting destructor.
#include "report_fixture.h"

namespace report_test {
namespace {

using ReportObjectTest = ReportTest;
using DeletingDestructor = void*(PM_MEMBER_CALL*)(void* self, uint32_t flags);

uint32_t Address(const void* object) { return static_cast<uint32_t>(reinterpret_cast<uintptr_t>(object)); }

TEST_F(ReportObjectTest, ConstructionBuildsTheHostPartThenTakesItsOwnTableWithAnEmptyStore) {
  alignas(8) unsigned char memory[sizeof(CRaportRozchodow)];
  std::memset(memory, 0xEE, sizeof memory);
  plugin->constructReport(memory);
  const auto* report = reinterpret_cast<const CRaportRozchodow*>(memory);

  const std::vector<hostsim::LoggedCall>& calls = host.log.Calls();
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0].ordinal, 20902);
  EXPECT_EQ(calls[0].words, std::vector<uint32_t>{Address(memory)});
  EXPECT_EQ(Get(report->virtualTable), plugin->reportVirtualTable->entries);
  EXPECT_EQ(report->Records, nullptr);
  EXPECT_EQ(report->RecordCount, 0);
  EXPECT_EQ(report->RecordCapacity, 0);

  plugin->destroyReport(const_cast<CRaportRozchodow*>(report));
  ASSERT_EQ(host.log.CallsOf(20903).size(), 1u);
  EXPECT_EQ(host.log.CallsOf(20903)[0].words, std::vector<uint32_t>{Address(memory)});
  EXPECT_EQ(host.dialogs.Live(), 0);
  EXPECT_EQ(host.dialogs.Damaged(), 0) << "the plug-in wrote into the host's part of the object";
  EXPECT_TRUE(host.log.CallsOf(21287).empty());
}

TEST_F(ReportObjectTest, VirtualTableIsItsDeletingDestructorThenTheInheritedForwarders) {
  const auto& entries = plugin->reportVirtualTable->entries;
  ASSERT_EQ(std::size(entries), 35u);
  EXPECT_NE(entries[0], nullptr);
  for (size_t position = 1; position < std::size(entries); ++position) {
    EXPECT_EQ(entries[position], plugin->wDialogBaseForwarding->entries[position]) << "position " << position;
  }
}

TEST_F(ReportObjectTest, DeletingDestructorDestroysFreesOnlyWithBitZeroAndAnswersTheObject) {
  DeletingDestructor deleting = reinterpret_cast<DeletingDestructor>(plugin->reportVirtualTable->entries[0]);

  alignas(8) unsigned char memory[sizeof(CRaportRozchodow)];
  plugin->constructReport(memory);
  EXPECT_EQ(deleting(memory, 0), memory);  // caller's memory: must not be freed

  CRaportRozchodow* const onHeap = plugin->newReport();
  EXPECT_EQ(deleting(onHeap, 0xFFFFFFF1), onHeap);  // freed: the sanitizer build sees a bad free

  EXPECT_EQ(host.log.CallsOf(20903).size(), 2u);
  EXPECT_EQ(host.dialogs.Live(), 0);
  EXPECT_EQ(host.dialogs.Damaged(), 0);
}

}  // namespace
}  // namespace report_test
