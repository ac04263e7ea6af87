// The host's layout of a list: fields located by the host's own rule for column kinds.
#include "hostsim/list_view.h"

#include <cstdio>
#include <cstring>

#include "text/mazovia.h"

namespace hostsim {
namespace {

constexpr size_t kColumnDefSize = 6;
constexpr char kSeparator = '|';

enum class Format { Text, Number, Thousandths, Money };

// The host's rule: a column's kind code fixes its field's size and how it is shown.
struct KindRule {
  uint16_t kind;
  size_t size;
  Format format;
};

constexpr KindRule kKindRules[] = {
    {0x0031, 2, Format::Number},   {0x000A, 17, Format::Text}, {0x001F, 121, Format::Text}, {0x0015, 17, Format::Text},
    {'C', 4, Format::Thousandths}, {'H', 8, Format::Money},    {0x007F, 2, Format::Number}, {0x000D, 26, Format::Text},
};

const KindRule* RuleFor(uint16_t kind) {
  for (const KindRule& rule : kKindRules) {
    if (rule.kind == kind) return &rule;
  }
  return nullptr;
}

struct Column {
  uint16_t header;
  size_t width;
  const KindRule* rule;  // null: a kind the host does not know
  size_t offset;         // of its field in the record
};

template <class T>
const T* WorkingOrSource(const T* working, const T* source) {
  return working != nullptr ? working : source;
}

uint16_t ReadWord(const uint8_t* bytes) { return static_cast<uint16_t>(bytes[0] | bytes[1] << 8); }

// Columns in column order; field offsets follow from the kinds of the fields before each one.
std::vector<Column> ColumnsOf(const TableDescriptor& table) {
  const uint8_t* defs = WorkingOrSource<uint8_t>(table.columnDefs, table.columnDefsSource);
  const uint8_t* widths = WorkingOrSource<uint8_t>(table.columnWidths, table.columnWidthsSource);
  const uint16_t* kinds = WorkingOrSource<uint16_t>(table.columnKinds, table.columnKindsSource);
  std::vector<size_t> fieldSizes;
  for (int16_t field = 0; field < table.columnCount; ++field) {
    const KindRule* rule = RuleFor(kinds[field]);
    fieldSizes.push_back(rule != nullptr ? rule->size : 0);
  }
  std::vector<Column> columns;
  for (int16_t index = 0; index < table.columnDefCount; ++index) {
    const uint8_t* def = defs + index * kColumnDefSize;
    const size_t field = def[1] - 1u;
    if (field >= fieldSizes.size()) continue;
    size_t offset = 0;
    for (size_t before = 0; before < field; ++before) offset += fieldSizes[before];
    columns.push_back({ReadWord(def + 4), widths[def[0] - 1u], RuleFor(kinds[field]), offset});
  }
  return columns;
}

std::string Fit(std::string text, size_t width, bool alignRight) {
  if (text.size() > width) return alignRight ? std::string(width, '*') : text.substr(0, width);
  const std::string padding(width - text.size(), ' ');
  return alignRight ? padding + text : text + padding;
}

std::string Cell(const Column& column, const std::vector<uint8_t>& row) {
  if (column.rule == nullptr || column.offset + column.rule->size > row.size()) return Fit("?", column.width, false);
  const uint8_t* field = row.data() + column.offset;
  char number[64];
  switch (column.rule->format) {
    case Format::Text:
      return Fit(std::string(reinterpret_cast<const char*>(field),
                             strnlen(reinterpret_cast<const char*>(field), column.rule->size)),
                 column.width, false);
    case Format::Number:
      std::snprintf(number, sizeof number, "%d", static_cast<int16_t>(ReadWord(field)));
      break;
    case Format::Thousandths: {
      int32_t thousandths;
      std::memcpy(&thousandths, field, sizeof thousandths);
      std::snprintf(number, sizeof number, "%.3f", thousandths / 1000.0);
      break;
    }
    case Format::Money: {
      double amount;
      std::memcpy(&amount, field, sizeof amount);
      std::snprintf(number, sizeof number, "%.2f", amount);
      break;
    }
  }
  return Fit(number, column.width, true);
}

// Markup bytes switch highlighting or mark key names; a person sees only the text between them.
std::string WithoutMarkup(const std::string& mazovia) {
  std::string shown;
  for (char byte : mazovia) {
    if (byte != '\x01' && byte != '\x02' && byte != '\x05') shown += byte;
  }
  return shown;
}

std::string Joined(const std::vector<std::string>& cells) {
  std::string line;
  for (const std::string& cell : cells) line += (line.empty() ? "" : std::string(1, kSeparator)) + cell;
  return text::MazoviaToUtf8(line);
}

std::vector<std::string> HeaderLines(const std::vector<Column>& columns, const TextLookup& texts) {
  std::vector<std::string> first, second;
  for (const Column& column : columns) {
    const std::string header = WithoutMarkup(texts(column.header));
    const size_t lineBreak = header.find('\n');
    first.push_back(Fit(header.substr(0, lineBreak), column.width, false));
    second.push_back(Fit(lineBreak == std::string::npos ? "" : header.substr(lineBreak + 1), column.width, false));
  }
  return {Joined(first), Joined(second)};
}

// The key-bar form of the form block: its items' texts placed at their columns.
std::string KeyBar(const uint8_t* block, const char code[2]) {
  if (block == nullptr) return "";
  uint32_t length;
  std::memcpy(&length, block, sizeof length);
  const uint8_t* end = block + 4 + length;
  for (const uint8_t* form = block + 4; form + 4 <= end;) {
    const uint16_t bodyLength = ReadWord(form);
    const uint16_t itemCount = ReadWord(form + 2);
    const uint8_t* body = form + 4;
    if (body + bodyLength > end) break;
    if (body[2] == code[0] && body[3] == code[1]) {
      std::string line(ReadWord(body + 12), ' ');
      const uint8_t* item = body + 20 + std::strlen(reinterpret_cast<const char*>(body + 20)) + 1;
      for (uint16_t index = 0; index < itemCount && item + 20 < body + bodyLength; ++index) {
        const std::string shown = WithoutMarkup(reinterpret_cast<const char*>(item + 20));
        const size_t column = ReadWord(item + 8);
        if (column < line.size()) line.replace(column, std::min(shown.size(), line.size() - column), shown);
        item += 20 + std::strlen(reinterpret_cast<const char*>(item + 20)) + 1;
      }
      return text::MazoviaToUtf8(line);
    }
    form = body + bodyLength;
  }
  return "";
}

}  // namespace

ListView LayOutList(const TableDescriptor& table, const std::vector<std::vector<uint8_t>>& rows,
                    const TextLookup& texts, const uint8_t* formBlock) {
  const std::vector<Column> columns = ColumnsOf(table);
  ListView view;
  const char* title = WorkingOrSource<char>(table.title, table.titleSource);
  view.title = text::MazoviaToUtf8(WithoutMarkup(title != nullptr ? title : ""));
  view.headerLines = HeaderLines(columns, texts);
  for (const std::vector<uint8_t>& row : rows) {
    std::vector<std::string> cells;
    for (const Column& column : columns) cells.push_back(Cell(column, row));
    view.rows.push_back(Joined(cells));
  }
  view.keyBar = KeyBar(formBlock, table.keyBarCode);
  return view;
}

}  // namespace hostsim
