// The report's two forms: the key bar "ON" under the list and the fill-in dialog "PN".
#include "report/form_templates.h"

#include "host/key_codes.h"

namespace report {
namespace {

using host::kKeyF12;
using host::kKeyF2;
using host::kKeyF3;
using host::kKeyF4;

// 0x05 and 0x01 enclose a key's name.
constexpr auto kToolsLabel =
    "\x05"
    "F2\x01 Narzędzia"_mazovia;
constexpr auto kPrintLabel =
    "\x05"
    "F3\x01 Druk"_mazovia;
constexpr auto kFillInLabel =
    "\x05"
    "F4\x01 Wypełnij"_mazovia;
constexpr auto kItemCardLabel =
    "\x05"
    "F12\x01 Kartoteka"_mazovia;

constexpr auto kFillInTitle = "Wypełnij"_mazovia;
constexpr auto kDateLabel =
    "\x05"
    "F2\x01 Data:"_mazovia;
constexpr auto kWarehousesLabel =
    "\x05"
    "F4\x01 Magazyny:"_mazovia;
constexpr auto kWarehousesField = " "_mazovia;
constexpr auto kOkLabel =
    "\x05"
    "F12\x01 OK"_mazovia;
constexpr auto kCancelLabel = "Anuluj"_mazovia;
constexpr auto kNoText = ""_mazovia;

template <const auto& Text>
using ItemWith = FormItem<sizeof Text>;

#pragma pack(push, 1)

struct KeyBarBody {
  FormHeader header;
  decltype(kNoText) title;
  ItemWith<kToolsLabel> tools;
  ItemWith<kPrintLabel> print;
  ItemWith<kFillInLabel> fillIn;
  ItemWith<kItemCardLabel> itemCard;
};

struct FillInBody {
  FormHeader header;
  decltype(kFillInTitle) title;
  ItemWith<kDateLabel> dateKey;
  DateFieldItem date;
  ItemWith<kWarehousesLabel> warehousesKey;
  ItemWith<kWarehousesField> warehouses;
  ItemWith<kOkLabel> ok;
  ItemWith<kCancelLabel> cancel;
};

#pragma pack(pop)

static_assert(sizeof(KeyBarBody) == 156);
static_assert(sizeof(FillInBody) == 216);

// A key on the bar: the second row of the form, one line high.
constexpr FormItemHeader KeyBarKey(uint16_t command, uint16_t column, uint16_t width) {
  return {.kind = 0, .command = command, .column = column, .row = 2, .width = width, .height = 1};
}

template <class Body>
constexpr FormTemplate<Body> Template(uint16_t itemCount, const Body& body) {
  return {sizeof(Body), itemCount, body};
}

constexpr KeyBarBody kKeyBar = {
    .header = {.hostWord = 0xFFFF,
               .formCode = {'O', 'N'},
               .flags = 0x00006000,
               .column = 1,
               .row = 23,
               .width = 80,
               .height = 3},
    .title = kNoText,
    .tools = {KeyBarKey(kKeyF2, 2, 14), kToolsLabel},
    .print = {KeyBarKey(kKeyF3, 18, 9), kPrintLabel},
    .fillIn = {KeyBarKey(kKeyF4, 29, 14), kFillInLabel},
    .itemCard = {KeyBarKey(kKeyF12, 45, 14), kItemCardLabel},  // the key's own code, as the others carry
};

constexpr FillInBody kFillIn = {
    .header = {.hostWord = 0xFFFF, .formCode = {'P', 'N'}, .flags = 0x00000200, .width = 39, .height = 8},
    .title = kFillInTitle,
    .dateKey = {{.kind = 3, .command = kKeyF2, .hotKey = kKeyF2, .column = 3, .row = 2, .width = 13, .height = 1},
                kDateLabel},
    .date = {.kind = 5,
             .hostHead = {0x26, 0x00, 0x05, 0x00, 0x0B, 0x41, 0x00, 0x04, 0x00, 0x00},
             .column = 20,
             .row = 2,
             .width = 16,
             .height = 1,
             .text = kNoText,
             .hostTail = {0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x08, 0x00, 0x08, 0x02, 0x02, 0x00, 0x08, 0x00,
                          0x01, 0x00, 0x00}},
    .warehousesKey = {{.kind = 3, .command = kKeyF4, .column = 3, .row = 3, .width = 13, .height = 1},
                      kWarehousesLabel},
    .warehouses = {{.kind = 0,
                    .command = 0x430E,
                    .flags = 0x0180,
                    .hotKey = kKeyF4,
                    .column = 16,
                    .row = 3,
                    .width = 20,
                    .height = 1},
                   kWarehousesField},
    .ok = {{.kind = 0,
            .command = host::kFirstButton,
            .flags = 0x0004,
            .hotKey = kKeyF12,
            .column = 7,
            .row = 5,
            .width = 10,
            .height = 1},
           kOkLabel},
    .cancel = {{.kind = 0,
                .command = host::kSecondButton,
                .hotKey = host::kKeyEsc,
                .column = 21,
                .row = 5,
                .width = 10,
                .height = 1},
               kCancelLabel},
};

}  // namespace

#pragma pack(push, 1)

struct ReportFormBlock {
  uint32_t length;  // of everything after this word
  FormTemplate<KeyBarBody> keyBar;
  FormTemplate<FillInBody> fillIn;
};

#pragma pack(pop)

constexpr ReportFormBlock reportFormBlock = {
    .length = sizeof(ReportFormBlock) - sizeof(uint32_t),
    .keyBar = Template(4, kKeyBar),
    .fillIn = Template(6, kFillIn),
};

static_assert(sizeof(ReportFormBlock) == 384);
static_assert(reportFormBlock.length == 380);

}  // namespace report
