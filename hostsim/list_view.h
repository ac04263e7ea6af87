// What a person sees of a table's list: the host lays it out from the table's descriptor, the
// rows it holds, its texts and the key bar of the owner's form block.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "host/table_records.h"
#include "hostsim/api.h"

namespace hostsim {

struct ListView {
  std::string title;                     // highlight markup removed
  std::vector<std::string> headerLines;  // two lines; a header breaks at its line break
  std::vector<std::string> rows;         // one line per row, columns at their widths
  std::string keyBar;                    // the key-bar form's items at their columns
};

// The Mazovia text of a host text number (the host's own or a registered one).
using TextLookup = std::function<std::string(uint16_t number)>;

// Texts come out as UTF-8. Working copies of the column arrays are used where the descriptor has
// them, the static sources otherwise, as the host does before a context has prepared the table.
HOSTSIM_API ListView LayOutList(const TableDescriptor& table, const std::vector<std::vector<uint8_t>>& rows,
                                const TextLookup& texts, const uint8_t* formBlock);

}  // namespace hostsim
