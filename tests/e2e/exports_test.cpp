// The shipped module through its exports, as the host meets it.
#include <gtest/gtest.h>

#include <cstdint>

#include "host/calling_conventions.h"
#include "hostsim/host_session.h"

namespace {

TEST(ShippedExports, OnlyTheFourOrdinalsAndNoNames) {
  hostsim::HostSession session({hostsim::kFullHost, hostsim::PluginBuild::Shipped});
  for (uint16_t ordinal = 30000; ordinal <= 30011; ++ordinal) {
    const bool exported = ordinal == 30001 || ordinal == 30008 || ordinal == 30009 || ordinal == 30010;
    EXPECT_EQ(session.PluginExport(ordinal) != nullptr, exported) << ordinal;
  }
  EXPECT_EQ(GetProcAddress(session.Plugin(), "pm_test_internals"), nullptr);
  EXPECT_EQ(GetProcAddress(session.Plugin(), "PluginAttach"), nullptr);
}

TEST(ShippedExports, Export30010AlwaysAnswersTheSameValue) {
  hostsim::HostSession session({hostsim::kFullHost, hostsim::PluginBuild::Shipped});
  using Export30010 = int32_t(PM_HOST_CALL*)(uint32_t);
  const auto call = ExportAs<Export30010>(session.PluginExport(30010));
  ASSERT_NE(call, nullptr);
  for (uint32_t argument : {0u, 0xFFFFFFFFu, 12345u}) EXPECT_EQ(call(argument), -1234567890) << argument;
  EXPECT_EQ(static_cast<uint32_t>(call(0)), 0xB669FD2Eu);
}

}  // namespace
