// Messages, dialogs, the settings file, memory, texts and dates.
#include "hostsim/zarmak/recording.h"
#include "hostsim/zarmak/service_declarations.h"

using hostsim::Record;
using hostsim::Recorded;

extern "C" {

int32_t ZARMAK_ordinal_35804(int32_t number, const char* title, const char* format, int32_t style, va_list values) {
  return Recorded(35804, number, title, format, style, values);
}
int32_t ZARMAK_ordinal_52023(int32_t dialog, int32_t* answer, int32_t zero, const char* text) {
  return Recorded(52023, dialog, answer, zero, text);
}
int32_t ZARMAK_ordinal_52028(const char* title, const char* text, int32_t kind) {
  return Recorded(52028, title, text, kind);
}
int32_t ZARMAK_ordinal_52030(const char* text) { return Recorded(52030, text); }
int32_t ZARMAK_ordinal_52462(int32_t which, int32_t kind, void* record, int32_t size) {
  return Recorded(52462, which, kind, record, size);
}
int32_t ZARMAK_ordinal_41399(const char* file, int32_t mode, const char* section, const char* key, const char* format,
                             va_list values) {
  return Recorded(41399, file, mode, section, key, format, values);
}

int32_t ZARMAK_ordinal_21281(void** block, int32_t size) { return Recorded(21281, block, size); }
void* ZARMAK_ordinal_21284(int32_t size) {
  Record(21284, size);
  return nullptr;
}
void ZARMAK_ordinal_21287(void* block) { Record(21287, block); }
void ZARMAK_ordinal_34704(int32_t code) { Record(34704, code); }

int32_t ZARMAK_ordinal_32008(char* destination, const void* storedDate) {
  return Recorded(32008, destination, storedDate);
}
int32_t ZARMAK_ordinal_52156(char* buffer) { return Recorded(52156, buffer); }
int32_t ZARMAK_ordinal_52161(char* destination, const char* source, int32_t maxChars) {
  return Recorded(52161, destination, source, maxChars);
}
double ZARMAK_ordinal_52179(double value, int32_t precision) {
  Record(52179, value, precision);
  return 0.0;
}
int32_t ZARMAK_ordinal_52431(const char* first, const char* second, int32_t length) {
  return Recorded(52431, first, second, length);
}
int32_t ZARMAK_ordinal_52451(char* buffer, int32_t zero, int16_t* warehouseNo, int32_t table) {
  return Recorded(52451, buffer, zero, warehouseNo, table);
}

}  // extern "C"
