// The sample stock: quantities in thousandths of a kilogram, prices in złoty per kilogram.
#include "tools/zarmak-sim/sample_stock.h"

#include "text/mazovia.h"

namespace zarmak_sim {
namespace {

using hostsim::StockQuantity;
using hostsim::StockRecord;
using hostsim::StockText;

struct SampleItem {
  int16_t warehouse;
  const char* code;
  const char* name;  // Mazovia
  const char* index;
  int32_t opening;   // the first term of the allowance base
  int32_t received;  // the second
  int32_t shortage;  // negative: short
  double price;
  int16_t card;
};

StockRecord RecordOf(const SampleItem& item) {
  return StockRecord()
      .Text(StockText::WarehouseCode, item.code)
      .Text(StockText::ItemName, item.name)
      .Text(StockText::Index, item.index)
      .Quantity(StockQuantity::At174, item.opening + item.received)
      .Quantity(StockQuantity::At182, item.opening)
      .Quantity(StockQuantity::At278, item.received)
      .Quantity(StockQuantity::Shortage, item.shortage)
      .Price(item.price)
      .Warehouse(item.warehouse)
      .Cards(item.card, item.card);
}

}  // namespace

void FillSampleStock(hostsim::HostState& host) {
  const SampleItem items[] = {
      {1, "MG", "Mąka pszenna typ 650"_mazovia, "101", 250000, 50000, -2500, 8.40, 1},
      {1, "MG", "Cukier biały"_mazovia, "102", 400000, 100000, -1200, 4.99, 2},
      {2, "HU", "Kasza gryczana"_mazovia, "201", 80000, 20000, -900, 11.20, 3},
      {2, "HU", "Sól kamienna"_mazovia, "", 120000, 0, 150, 1.80, 4},
      {1, "MG", "Ryż długoziarnisty"_mazovia, "7", 60000, 40000, -300, 9.75, 5},
  };
  for (const SampleItem& item : items) host.stock.records.push_back(RecordOf(item));
  host.warehouseNames[1] = "Magazyn główny"_mazovia.c_str();
  host.warehouseNames[2] = "Hurtownia"_mazovia.c_str();
}

}  // namespace zarmak_sim
