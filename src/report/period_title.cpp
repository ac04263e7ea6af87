// The report list's title with the report period the host keeps.
#include <cstdio>

#include "host/host_call.h"
#include "report/report_window.h"
#include "text/mazovia.h"

namespace report {
namespace {

constexpr int32_t kTitleBlockSize = 200;
constexpr size_t kDateTextSize = 12;
constexpr auto kPeriodTitleFormat = "Ruch towarów z przeliczaniem za okres \x02%s-%s\x01"_mazovia;

// The host's display text of a stored date, cut to its buffer whatever the host wrote.
void DateText(char (&text)[kDateTextSize], size_t offset) {
  text[0] = '\0';
  host::Call<32008>(text, static_cast<const void*>(periodRecord + offset));
  text[kDateTextSize - 1] = '\0';
}

}  // namespace

constinit uint8_t periodRecord[kPeriodRecordSize] = {};

void RefreshPeriodTitle(TableDescriptor* table) {
  if (table == nullptr) return;
  host::Call<52462>(-1, 6, static_cast<void*>(periodRecord), static_cast<int32_t>(kPeriodRecordSize));
  host::Call<21287>(static_cast<void*>(table->title));
  // The old block is gone: without a new one the list has no title rather than a dangling one.
  table->title = static_cast<char*>(host::Call<21284>(kTitleBlockSize));
  if (table->title == nullptr) return;
  char start[kDateTextSize];
  char end[kDateTextSize];
  DateText(start, kPeriodStartOffset);
  DateText(end, kPeriodEndOffset);
  std::snprintf(table->title, kTitleBlockSize, kPeriodTitleFormat.c_str(), start, end);
}

}  // namespace report
