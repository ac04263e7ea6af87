// The simulated host's own texts and its text numbering.
#include "hostsim/host_texts.h"

#include "text/mazovia.h"

namespace hostsim {
namespace {

struct OwnText {
  int32_t number;
  const char* text;  // Mazovia
};

// The host's wording of the column headers it supplies to the goods-movement report.
constexpr auto kRowNumber = "Lp."_mazovia;
constexpr auto kItemName = "Nazwa towaru"_mazovia;
constexpr auto kOpeningStock = "Stan\npocz."_mazovia;
constexpr auto kReceipts = "Przychód"_mazovia;
constexpr auto kIssues = "Rozchód"_mazovia;
constexpr auto kClosingStock = "Stan\nkońc."_mazovia;
constexpr auto kCounted = "Spis\nnatury"_mazovia;
constexpr auto kDifference = "Różnica"_mazovia;
constexpr auto kSales = "Sprzedaż"_mazovia;
constexpr auto kUsage = "Zużycie"_mazovia;
constexpr auto kReturns = "Zwroty"_mazovia;
constexpr auto kWarehouse = "Magazyn"_mazovia;
constexpr auto kRemarks = "Uwagi"_mazovia;

constexpr OwnText kOwnTexts[] = {
    {317, kRowNumber},    {367, kItemName},  {273, kOpeningStock}, {281, kReceipts}, {275, kIssues},
    {280, kClosingStock}, {283, kCounted},   {284, kDifference},   {60, kSales},     {446, kUsage},
    {31, kReturns},       {946, kWarehouse}, {388, kRemarks},
};

}  // namespace

HostTexts::HostTexts() {
  for (const OwnText& own : kOwnTexts) texts_.emplace(own.number, own.text);
}

int32_t HostTexts::Register(const char* text) {
  const int32_t number = nextNumber_++;
  texts_[number] = text;
  return number;
}

const std::string* HostTexts::Find(int32_t number) const {
  const auto found = texts_.find(number);
  return found == texts_.end() ? nullptr : &found->second;
}

}  // namespace hostsim
