// The plug-in's identity: its name, the module it was loaded as, the host's feature query.
#include <cstring>
#include <string>

#include "support/plugin_under_test.h"

namespace {

TEST(Identity, FileNameFromPathPointsAfterTheLastSeparator) {
  struct Case {
    const char* path;
    size_t nameOffset;
  };
  const Case cases[] = {
      {"C:\\Prog\\Wtyczki/plug.dll", 16},  // a slash after the last backslash wins
      {"C:\\Prog\\Wtyczki\\plug.dll", 16},
      {"/usr/lib/plug.so", 9},
      {"C:/Prog\\plug.dll", 8},  // a slash before the last backslash does not count
      {"plug.dll", 0},
      {"C:\\Prog\\", 8},  // ends in a separator: the empty text at the end
      {"", 0},
  };
  PluginUnderTest plugin;
  for (const Case& test : cases) {
    EXPECT_EQ(plugin->fileNameFromPath(test.path), test.path + test.nameOffset) << test.path;
  }
}

TEST(Identity, FindLastCharFindsTheLastOccurrenceBeforeTheNul) {
  struct Case {
    const char* text;
    char character;
    int offset;  // -1: not found
  };
  const Case cases[] = {{"a\\b\\c", '\\', 3}, {"abc", 'x', -1}, {"\\", '\\', 0}, {"", 'a', -1}, {"abc", '\0', -1}};
  PluginUnderTest plugin;
  for (const Case& test : cases) {
    const char* expected = test.offset < 0 ? nullptr : test.text + test.offset;
    EXPECT_EQ(plugin->findLastChar(test.text, test.character), expected) << test.text << " / " << test.character;
  }
}

TEST(Identity, WritePluginNameWritesExactlySeventeenBytes) {
  PluginUnderTest plugin;
  char buffer[24];
  std::memset(buffer, 0x7E, sizeof buffer);
  EXPECT_EQ(plugin->writePluginName(buffer), buffer);
  EXPECT_EQ(std::string(buffer, 17), std::string("PrzeplywMagazynu\0", 17));
  for (size_t index = 17; index < sizeof buffer; ++index) EXPECT_EQ(buffer[index], 0x7E) << "byte " << index;
}

TEST(Identity, TheLoadNotesTheModuleAsTheSystemLoadedIt) {
  PluginUnderTest plugin;
  EXPECT_EQ(*plugin->moduleHandle, plugin.session().Plugin());
  EXPECT_EQ(std::string(plugin->modulePath), plugin.session().PluginPath());
#ifdef _WIN32
  EXPECT_STREQ(*plugin->moduleFileName, "PrzeplywMagazynu.dll");
#else
  EXPECT_STREQ(*plugin->moduleFileName, "PrzeplywMagazynu.so");
#endif
  EXPECT_EQ(*plugin->moduleFileName,
            plugin->modulePath + plugin.session().PluginPath().size() - std::strlen(*plugin->moduleFileName));
}

TEST(Identity, FeatureQueryIsExport30006OfTheLoadedZarmak) {
  struct Case {
    const char* host;
    bool found;
  };
  const Case cases[] = {
      {hostsim::kFullHost, true},
      {hostsim::kHostWithoutFeatureQuery, false},  // ZARMAK without the export
      {hostsim::kEmptyModule, false},              // no module named ZARMAK at all
  };
  for (const Case& test : cases) {
    SCOPED_TRACE(test.host);
    PluginUnderTest plugin(test.host);
    const auto exported = ExportAs<shell::FeatureQueryFn>(plugin.session().HostExport(30006));
    EXPECT_EQ(*plugin->featureQuery, test.found ? exported : nullptr);
    if (test.found) {
      EXPECT_NE(exported, nullptr);
    }
  }
}

}  // namespace
