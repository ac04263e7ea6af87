// Messages, dialogs, the settings file, header texts and dates.
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
  hostsim::Host().errorMessages.push_back(hostsim::ErrorMessage{title, text, kind});
  return Recorded(52028, title, text, kind);
}
int32_t ZARMAK_ordinal_52030(const char* text) { return Recorded(52030, text); }
int32_t ZARMAK_ordinal_41399(const char* file, int32_t mode, const char* section, const char* key, const char* format,
                             va_list values) {
  return Recorded(41399, file, mode, section, key, format, values);
}

}  // extern "C"
