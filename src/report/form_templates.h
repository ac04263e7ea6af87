// The host's form-template records, and reportFormBlock: the report's key bar and fill-in dialog.
#pragma once

#include <cstddef>
#include <cstdint>

#include "text/mazovia.h"

namespace report {

#pragma pack(push, 1)

// What opens a form's body; the title follows it.
struct FormHeader {
  uint16_t hostWord = 0;
  char formCode[2];  // two characters, no NUL
  uint32_t flags = 0;
  uint16_t column = 0;
  uint16_t row = 0;
  uint16_t width = 0;
  uint16_t height = 0;
  uint32_t host16 = 0;
};

// What opens an item; its text follows it. Position and size are relative to the form. Fields
// that an initialiser leaves out, here and in FormHeader, are zero.
struct FormItemHeader {
  uint16_t kind = 0;
  uint16_t command = 0;
  uint16_t flags = 0;
  uint16_t hotKey = 0;
  uint16_t column = 0;
  uint16_t row = 0;
  uint16_t width = 0;
  uint16_t height = 0;
  uint32_t zero = 0;
};

template <size_t TextSize>
struct FormItem {
  FormItemHeader header;
  text::MazoviaText<TextSize> text;
};

// The one item of another shape: an input field whose further bytes belong to the host.
struct DateFieldItem {
  uint16_t kind;
  uint8_t hostHead[10];
  uint16_t column;
  uint16_t row;
  uint16_t width;
  uint16_t height;
  uint32_t zero = 0;
  text::MazoviaText<1> text;  // empty
  uint8_t hostTail[18];
};

template <class Body>
struct FormTemplate {
  uint16_t bodyLength;  // the body's bytes, not these four
  uint16_t itemCount;
  Body body;
};

#pragma pack(pop)

static_assert(sizeof(FormHeader) == 20);
static_assert(offsetof(FormHeader, hostWord) == 0);
static_assert(offsetof(FormHeader, formCode) == 2);
static_assert(offsetof(FormHeader, flags) == 4);
static_assert(offsetof(FormHeader, column) == 8);
static_assert(offsetof(FormHeader, row) == 10);
static_assert(offsetof(FormHeader, width) == 12);
static_assert(offsetof(FormHeader, height) == 14);
static_assert(offsetof(FormHeader, host16) == 16);

static_assert(sizeof(FormItemHeader) == 20);
static_assert(offsetof(FormItemHeader, kind) == 0);
static_assert(offsetof(FormItemHeader, command) == 2);
static_assert(offsetof(FormItemHeader, flags) == 4);
static_assert(offsetof(FormItemHeader, hotKey) == 6);
static_assert(offsetof(FormItemHeader, column) == 8);
static_assert(offsetof(FormItemHeader, row) == 10);
static_assert(offsetof(FormItemHeader, width) == 12);
static_assert(offsetof(FormItemHeader, height) == 14);
static_assert(offsetof(FormItemHeader, zero) == 16);

static_assert(sizeof(DateFieldItem) == 43);
static_assert(offsetof(DateFieldItem, column) == 12);
static_assert(offsetof(DateFieldItem, zero) == 20);
static_assert(offsetof(DateFieldItem, text) == 24);
static_assert(offsetof(DateFieldItem, hostTail) == 25);

// The length word and the two templates back to back, key bar first.
struct ReportFormBlock;
extern const ReportFormBlock reportFormBlock;

}  // namespace report
