// The report period the host keeps, and its own form of a stored date.
#pragma once

#include <cstddef>
#include <string>

#include "hostsim/api.h"

namespace hostsim {

// The host stores a date as eight digits YYYYMMDD and a NUL (9 bytes) and shows it as DD.MM.YYYY.
inline constexpr size_t kStoredDateSize = 9;

struct HOSTSIM_API ReportPeriod {
  std::string start = "20261101";
  std::string end = "20261130";

  // The record of 52462: the stored start date at byte 21, the end date at byte 30.
  void FillRecord(unsigned char* record, size_t size) const;
};

// The display text of a stored date, "??.??.????" when it is not one.
HOSTSIM_API std::string DisplayDate(const char* storedDate);

}  // namespace hostsim
