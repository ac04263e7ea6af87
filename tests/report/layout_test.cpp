// Table 4111's descriptor and column arrays, byte for byte, as the host finds them after the load.
#include <cstring>
#include <string>
#include <vector>

#include "hostsim/host_state.h"
#include "support/plugin_under_test.h"

namespace {

using Bytes = std::vector<uint8_t>;

Bytes BytesAt(const void* address, size_t count) {
  const auto* first = static_cast<const uint8_t*>(address);
  return Bytes(first, first + count);
}

Bytes LittleEndian(uint64_t value, size_t width) {
  Bytes bytes(width, 0);
  for (size_t index = 0; index < width && index < sizeof value; ++index) bytes[index] = (value >> (8 * index)) & 0xFF;
  return bytes;
}

const uint8_t* DescriptorBytes(const PluginUnderTest& plugin) {
  return reinterpret_cast<const uint8_t*>(plugin->reportTableDescriptor);
}

// The address that a pointer field of the descriptor holds.
const void* AddressAt(const PluginUnderTest& plugin, size_t offset) {
  uint32_t address;
  std::memcpy(&address, DescriptorBytes(plugin) + offset, sizeof address);
  return reinterpret_cast<const void*>(static_cast<uintptr_t>(address));
}

std::vector<uint16_t> WordsAt(const void* address, size_t count) {
  std::vector<uint16_t> words(count);
  std::memcpy(words.data(), address, count * sizeof(uint16_t));
  return words;
}

// The descriptor as the host is to find it; the source addresses are checked through what they hold.
struct DescriptorValue {
  size_t offset;
  size_t width;
  uint64_t value;
};
const DescriptorValue kDescriptorValues[] = {
    {0, 4, 4111}, {4, 2, 0x00FF}, {6, 2, 261}, {8, 4, 0},
    {12, 4, 312}, {16, 2, 0},     {18, 2, 21}, {20, 2, 6},
    {22, 2, 333}, {24, 2, 21},    {26, 2, 21}, {28, 2, 2},
    {30, 2, 4},   {32, 2, 21},    {34, 4, 0},  {38, 4, 0},
    {42, 4, 0},   {46, 4, 0},     {50, 4, 0},  {54, 4, 0},
    {58, 4, 0},   {62, 4, 0},     {66, 6, 0},  {72, 2, 14},
    {74, 2, 1},   {76, 2, 1},     {78, 2, 0},  {80, 4, 0},
    {84, 4, 0},   {88, 4, 0},     {92, 10, 0}, {102, 2, 'O' | 'N' << 8},
    {108, 4, 0},
};

constexpr size_t kProcedure = 104;
constexpr size_t kTitleSource = 112;
constexpr size_t kColumnDefsSource = 116;
constexpr size_t kColumnAttrsSource = 120;
constexpr size_t kColumnKindsSource = 124;
constexpr size_t kColumnWidthsSource = 128;

constexpr size_t kColumns = 21;

// The columns, written from the report's column table. An own header is in Mazovia bytes.
struct ExpectedColumn {
  uint8_t width;
  uint16_t kind;
  uint16_t attributes;
  uint16_t hostText;  // 0 for an own header
  const char* ownHeader = nullptr;
};
const ExpectedColumn kExpectedColumns[kColumns] = {
    {4, 0x0031, 0x0041, 317},
    {6, 0x000A, 0x0088, 0, "Mag."},
    {40, 0x001F, 0x0008, 367},
    {6, 0x0015, 0x0008, 0, "Indeks"},
    {9, 0x0043, 0x0183, 273},
    {9, 0x0043, 0x0183, 281},
    {9, 0x0043, 0x0183, 275},
    {9, 0x0043, 0x0183, 280},
    {9, 0x0043, 0x0183, 283},
    {9, 0x0043, 0x0183, 284},
    {11, 0x0048, 0x2084, 0, "Cena\nbrutto"},
    {9, 0x0043, 0x0183, 60},
    {9, 0x0043, 0x0183, 446},
    {9, 0x0043, 0x0183, 31},
    {11, 0x0048, 0x2184, 0, "Braki w z\x92"},
    {9, 0x0043, 0x0003, 0, "Wska\xA6nik\nbrak\xA2w"},
    {9, 0x0043, 0x0183, 0, "Dop.braki"},
    {9, 0x0043, 0x0183, 0, "Braki po\nlim kg"},
    {11, 0x0048, 0x2184, 0, "Braki po\nlim z\x92"},
    {20, 0x007F, 0x0009, 946},
    {25, 0x000D, 0x0008, 388},
};

std::vector<const char*> OwnHeaders() {
  std::vector<const char*> headers;
  for (const ExpectedColumn& column : kExpectedColumns) {
    if (column.ownHeader != nullptr) headers.push_back(column.ownHeader);
  }
  return headers;
}

// Entries of six bytes, the own headers numbered in column order, then six zero bytes.
Bytes ExpectedColumnDefs(const std::vector<uint16_t>& ownHeaderNumbers) {
  Bytes table;
  size_t own = 0;
  for (size_t index = 0; index < kColumns; ++index) {
    const ExpectedColumn& column = kExpectedColumns[index];
    const uint16_t header = column.ownHeader != nullptr ? ownHeaderNumbers.at(own++) : column.hostText;
    const auto number = static_cast<uint8_t>(index + 1);
    table.insert(table.end(), {number, number, 1, 6, static_cast<uint8_t>(header), static_cast<uint8_t>(header >> 8)});
  }
  table.insert(table.end(), 6, 0);
  return table;
}

std::vector<uint16_t> NumbersFrom(uint32_t first) {
  std::vector<uint16_t> numbers;
  for (uint32_t number = first; number < first + 8; ++number) numbers.push_back(static_cast<uint16_t>(number));
  return numbers;
}

Bytes ColumnDefsAfterLoad(const PluginUnderTest& plugin) {
  return BytesAt(AddressAt(plugin, kColumnDefsSource), (kColumns + 1) * 6);
}

TEST(ReportLayout, DescriptorHoldsItsValueAtEveryOffset) {
  PluginUnderTest plugin;
  for (const DescriptorValue& field : kDescriptorValues) {
    EXPECT_EQ(BytesAt(DescriptorBytes(plugin) + field.offset, field.width), LittleEndian(field.value, field.width))
        << "offset " << field.offset;
  }
  const char title[] = "Ruch towar\xA2w z przeliczaniem";
  EXPECT_EQ(BytesAt(AddressAt(plugin, kTitleSource), sizeof title), BytesAt(title, sizeof title));
  EXPECT_EQ(AddressAt(plugin, kProcedure), reinterpret_cast<const void*>(plugin->reportTableProc));
}

TEST(ReportLayout, ColumnArraysHoldEveryColumnAndTheWordArraysEndInZero) {
  PluginUnderTest plugin;
  Bytes widths;
  std::vector<uint16_t> kinds, attributes;
  for (const ExpectedColumn& column : kExpectedColumns) {
    widths.push_back(column.width);
    kinds.push_back(column.kind);
    attributes.push_back(column.attributes);
  }
  kinds.push_back(0);
  attributes.push_back(0);
  EXPECT_EQ(BytesAt(AddressAt(plugin, kColumnWidthsSource), kColumns), widths);
  EXPECT_EQ(WordsAt(AddressAt(plugin, kColumnKindsSource), kColumns + 1), kinds);
  EXPECT_EQ(WordsAt(AddressAt(plugin, kColumnAttrsSource), kColumns + 1), attributes);
}

TEST(ReportLayout, TheLoadHasTheHostNumberTheEightOwnHeadersInColumnOrder) {
  PluginUnderTest plugin;
  const std::vector<uint16_t> numbers = NumbersFrom(hostsim::kFirstRegisteredTextNumber);
  EXPECT_EQ(ColumnDefsAfterLoad(plugin), ExpectedColumnDefs(numbers));

  const std::vector<hostsim::LoggedCall> registrations = hostsim::Host().log.CallsOf(33904);
  const std::vector<const char*> headers = OwnHeaders();
  ASSERT_EQ(registrations.size(), headers.size());
  for (size_t index = 0; index < headers.size(); ++index) {
    const auto* passed = reinterpret_cast<const char*>(static_cast<uintptr_t>(registrations[index].words.at(0)));
    EXPECT_STREQ(passed, headers[index]) << "registration " << index;
    const std::string* numbered = hostsim::Host().texts.Find(numbers[index]);
    ASSERT_NE(numbered, nullptr) << headers[index];
    EXPECT_EQ(*numbered, headers[index]);
  }
  for (const ExpectedColumn& column : kExpectedColumns) {
    if (column.ownHeader != nullptr) continue;
    EXPECT_NE(hostsim::Host().texts.Find(column.hostText), nullptr) << "host text " << column.hostText;
  }
}

TEST(ReportLayout, AHeaderKeepsTheLow16BitsOfTheHostsNumber) {
  PluginUnderTest plugin;
  hostsim::Host().texts.NumberNextFrom(0x0001FFFE);
  plugin->buildColumnDefs();
  EXPECT_EQ(ColumnDefsAfterLoad(plugin), ExpectedColumnDefs({0xFFFE, 0xFFFF, 0, 1, 2, 3, 4, 5}));
}

TEST(ReportLayout, WithoutTextRegistrationTheOwnHeadersStayZeroAndTheLoadGoesOn) {
  PluginUnderTest plugin(hostsim::kEmptyModule);
  EXPECT_EQ(ColumnDefsAfterLoad(plugin), ExpectedColumnDefs(std::vector<uint16_t>(8, 0)));
  EXPECT_EQ(*plugin->moduleHandle, plugin.session().Plugin());  // the identity step after it ran
}

}  // namespace
