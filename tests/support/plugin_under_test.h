// A freshly loaded testable plug-in in a session of the simulated host, with its internals.
#pragma once

#include <gtest/gtest.h>

#include "hostsim/host_session.h"
#include "testing/plugin_internals.h"

class PluginUnderTest {
 public:
  explicit PluginUnderTest(const char* hostModule = hostsim::kFullHost)
      : session_(hostsim::SessionOptions{hostModule, hostsim::PluginBuild::Testable}) {
    const auto accessor = ExportAs<PluginInternalsAccessor>(GetProcAddress(session_.Plugin(), kPluginInternalsExport));
    if (accessor == nullptr) ADD_FAILURE() << "the testable plug-in lacks " << kPluginInternalsExport;
    internals_ = accessor != nullptr ? accessor() : nullptr;
  }

  const PluginInternals& operator*() const { return *internals_; }
  const PluginInternals* operator->() const { return internals_; }
  const hostsim::HostSession& session() const { return session_; }

 private:
  hostsim::HostSession session_;
  const PluginInternals* internals_ = nullptr;
};
