// The shipped DLL's version record, read back through the system's version API.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "hostsim/host_session.h"

namespace {

std::vector<char> VersionRecord() {
  const std::string path = hostsim::BinaryDirectory() + "\\PrzeplywMagazynu.dll";
  DWORD ignored = 0;
  std::vector<char> record(GetFileVersionInfoSizeA(path.c_str(), &ignored));
  if (record.empty() || !GetFileVersionInfoA(path.c_str(), 0, record.size(), record.data())) record.clear();
  return record;
}

std::string StringValue(std::vector<char>& record, const std::string& table, const std::string& key) {
  char* value = nullptr;
  UINT length = 0;
  const std::string query = "\\StringFileInfo\\" + table + "\\" + key;
  if (!VerQueryValueA(record.data(), query.c_str(), reinterpret_cast<void**>(&value), &length)) return "<absent>";
  return value;
}

TEST(VersionRecord, BothStringTablesHoldTheFixedValues) {
  struct Case {
    const char* table;
    const char* key;
    const char* expected;
  };
  const Case cases[] = {
      {"041504B0", "FileDescription", "PrzeplywMagazynu"},  {"041504B0", "InternalName", "PrzeplywMagazynu"},
      {"041504B0", "OriginalFilename", "PrzeplywMagazynu"}, {"041504B0", "FileVersion", "1.0.0403.3560g"},
      {"041504B0", "ProductVersion", "5.24.0328.15125g"},   {"041504B0", "CompileDate", "3.4.2024"},
      {"040904E4", "FileDescription", "PrzeplywMagazynu"},  {"040904E4", "InternalName", "PrzeplywMagazynu"},
      {"040904E4", "OriginalFilename", "PrzeplywMagazynu"}, {"040904E4", "FileVersion", "1.0.0403.3560g"},
      {"040904E4", "ProductVersion", "5.24.0328.15125g"},   {"040904E4", "CompileDate", "4/3/2024"},
  };
  std::vector<char> record = VersionRecord();
  ASSERT_FALSE(record.empty());
  for (const Case& test : cases) {
    EXPECT_EQ(StringValue(record, test.table, test.key), test.expected) << test.table << "\\" << test.key;
  }
}

TEST(VersionRecord, NumericVersionsAreFixed) {
  std::vector<char> record = VersionRecord();
  ASSERT_FALSE(record.empty());
  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  ASSERT_TRUE(VerQueryValueA(record.data(), "\\", reinterpret_cast<void**>(&fixed), &length));
  EXPECT_EQ(fixed->dwFileVersionMS, (1u << 16) | 0u);
  EXPECT_EQ(fixed->dwFileVersionLS, (403u << 16) | 3560u);
  EXPECT_EQ(fixed->dwProductVersionMS, (5u << 16) | 24u);
  EXPECT_EQ(fixed->dwProductVersionLS, (328u << 16) | 15125u);
}

TEST(VersionRecord, TranslationsNamePolishAndEnglish) {
  std::vector<char> record = VersionRecord();
  ASSERT_FALSE(record.empty());
  WORD* translations = nullptr;
  UINT length = 0;
  ASSERT_TRUE(
      VerQueryValueA(record.data(), "\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translations), &length));
  ASSERT_EQ(length, 8u);
  EXPECT_EQ(std::vector<WORD>(translations, translations + 4), (std::vector<WORD>{0x0415, 0x04B0, 0x0409, 0x04E4}));
}

}  // namespace
