// The form block that the host receives: the key bar "ON" and the fill-in dialog "PN", byte for byte.
#include <cctype>
#include <sstream>
#include <string>
#include <vector>

#include "support/plugin_under_test.h"

namespace {

// Written from the forms' tables: hex bytes, "//" starts a comment. Items are a 20-byte head (kind,
// command, flags, hot key, column, row, width, height, four zero bytes) and their Mazovia text.
constexpr char kFormBlockDump[] = R"(
7c 01 00 00                                      // length of what follows: 380

9c 00 04 00                                      // key bar: body 156 bytes, 4 items
ff ff 4f 4e 00 60 00 00 01 00 17 00 50 00 03 00  // "ON", flags 0x6000, column 1, row 23, 80 x 3
00 00 00 00 00                                   // host word, empty title
00 00 00 3c 00 00 00 00 02 00 02 00 0e 00 01 00  // F2 at column 2, width 14
00 00 00 00 05 46 32 01 20 4e 61 72 7a 91 64 7a  // "\x05F2\x01 Narzędzia"
69 61 00
00 00 00 3d 00 00 00 00 12 00 02 00 09 00 01 00  // F3 at column 18, width 9
00 00 00 00 05 46 33 01 20 44 72 75 6b 00        // "\x05F3\x01 Druk"
00 00 00 3e 00 00 00 00 1d 00 02 00 0e 00 01 00  // F4 at column 29, width 14
00 00 00 00 05 46 34 01 20 57 79 70 65 92 6e 69  // "\x05F4\x01 Wypełnij"
6a 00
00 00 00 86 00 00 00 00 2d 00 02 00 0e 00 01 00  // F12 (its own code) at column 45, width 14
00 00 00 00 05 46 31 32 01 20 4b 61 72 74 6f 74  // "\x05F12\x01 Kartoteka"
65 6b 61 00

d8 00 06 00                                      // fill-in dialog: body 216 bytes, 6 items
ff ff 50 4e 00 02 00 00 00 00 00 00 27 00 08 00  // "PN", flags 0x200, column 0, row 0, 39 x 8
00 00 00 00 57 79 70 65 92 6e 69 6a 00           // host word, title "Wypełnij"
03 00 00 3c 00 00 00 3c 03 00 02 00 0d 00 01 00  // kind 3, F2, hot key F2, at 3,2, 13 x 1
00 00 00 00 05 46 32 01 20 44 61 74 61 3a 00     // "\x05F2\x01 Data:"
05 00 26 00 05 00 0b 41 00 04 00 00              // the date field: its head
14 00 02 00 10 00 01 00 00 00 00 00 00           // at 20,2, 16 x 1, zero word, empty text
00 00 00 00 00 00 00 08 00 08 02 02 00 08 00 01  // the host's further bytes
00 00
03 00 00 3e 00 00 00 00 03 00 03 00 0d 00 01 00  // kind 3, F4, at 3,3, 13 x 1
00 00 00 00 05 46 34 01 20 4d 61 67 61 7a 79 6e  // "\x05F4\x01 Magazyny:"
79 3a 00
00 00 0e 43 80 01 00 3e 10 00 03 00 14 00 01 00  // command 0x430E, flags 0x180, hot key F4, at 16,3, 20 x 1
00 00 00 00 20 00                                // " "
00 00 01 50 04 00 00 86 07 00 05 00 0a 00 01 00  // first result, flags 4, hot key F12, at 7,5, 10 x 1
00 00 00 00 05 46 31 32 01 20 4f 4b 00           // "\x05F12\x01 OK"
00 00 02 50 00 00 1b 00 15 00 05 00 0a 00 01 00  // second result, hot key Esc, at 21,5, 10 x 1
00 00 00 00 41 6e 75 6c 75 6a 00                 // "Anuluj"
)";

std::vector<uint8_t> ParseDump(const std::string& dump) {
  std::vector<uint8_t> bytes;
  std::istringstream lines(dump);
  std::string line;
  while (std::getline(lines, line)) {
    std::istringstream words(line.substr(0, line.find("//")));
    std::string word;
    while (words >> word) bytes.push_back(static_cast<uint8_t>(std::stoul(word, nullptr, 16)));
  }
  return bytes;
}

TEST(ReportForms, TheFormBlockIsTheKeyBarAndTheFillInDialogByteForByte) {
  const std::vector<uint8_t> expected = ParseDump(kFormBlockDump);
  ASSERT_EQ(expected.size(), 384u);  // the dump itself: 4 + (4 + 156) + (4 + 216)
  PluginUnderTest plugin;
  const auto* block = reinterpret_cast<const uint8_t*>(plugin->reportFormBlock);
  EXPECT_EQ(std::vector<uint8_t>(block, block + expected.size()), expected);
}

}  // namespace
