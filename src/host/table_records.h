// The host's table descriptor and the forms of its table and global procedures.
#pragma once

#include <cstddef>
#include <cstdint>

#include "host/calling_conventions.h"

struct TableDescriptor;

// A table procedure: eleven 32-bit arguments. Positions the plug-in only passes on are raw words.
using TableProc = int32_t(PM_HOST_CALL*)(int32_t event, uint32_t arg2, int32_t* recordCountPtr, uint32_t* rowPointers,
                                         uint32_t arg5, TableDescriptor* tableDesc, uint32_t arg7, uint32_t selector,
                                         uint32_t arg9, uint32_t eventArg, int16_t* hostFlag);

// The host's global procedure: request code, descriptor out-pointer, target for 52311, extra word.
using GlobalProc = int32_t(PM_HOST_CALL*)(int32_t code, TableDescriptor** descriptorOut, void* target, uint32_t extra);

#pragma pack(push, 1)

struct TableDescriptor {
  int32_t tableId;
  uint16_t needFlags;  // working copies still to be made
  int16_t recordSize;
  uint8_t* recordBuffer;  // the host loads a record here and appends the next row from here
  uint32_t host12;
  uint16_t host16;
  int16_t columnDefCount;
  uint16_t host20;
  uint16_t host22;
  int16_t widthCount;
  uint16_t host26;
  uint16_t host28;
  uint16_t host30;
  int16_t columnCount;
  char* title;
  uint8_t* columnDefs;
  uint16_t* columnAttrs;
  uint16_t* columnKinds;
  uint8_t* columnWidths;
  uint8_t* columnOrder;
  uint32_t host58;
  uint32_t* columnOrderWord;
  uint8_t host66[6];
  uint16_t host72;
  uint16_t host74;
  uint16_t host76;
  uint16_t host78;
  int32_t topRow;
  int32_t topRecord;
  int32_t cursorRow;  // the row under the cursor is cursorRow - topRow + topRecord
  uint8_t host92[10];
  char keyBarCode[2];
  TableProc procedure;
  uint32_t host108;
  const char* titleSource;
  const uint8_t* columnDefsSource;
  const uint16_t* columnAttrsSource;
  const uint16_t* columnKindsSource;
  const uint8_t* columnWidthsSource;
};

#pragma pack(pop)

static_assert(sizeof(TableDescriptor) == 132);
static_assert(offsetof(TableDescriptor, tableId) == 0);
static_assert(offsetof(TableDescriptor, needFlags) == 4);
static_assert(offsetof(TableDescriptor, recordSize) == 6);
static_assert(offsetof(TableDescriptor, recordBuffer) == 8);
static_assert(offsetof(TableDescriptor, host12) == 12);
static_assert(offsetof(TableDescriptor, host16) == 16);
static_assert(offsetof(TableDescriptor, columnDefCount) == 18);
static_assert(offsetof(TableDescriptor, host20) == 20);
static_assert(offsetof(TableDescriptor, host22) == 22);
static_assert(offsetof(TableDescriptor, widthCount) == 24);
static_assert(offsetof(TableDescriptor, host26) == 26);
static_assert(offsetof(TableDescriptor, host28) == 28);
static_assert(offsetof(TableDescriptor, host30) == 30);
static_assert(offsetof(TableDescriptor, columnCount) == 32);
static_assert(offsetof(TableDescriptor, title) == 34);
static_assert(offsetof(TableDescriptor, columnDefs) == 38);
static_assert(offsetof(TableDescriptor, columnAttrs) == 42);
static_assert(offsetof(TableDescriptor, columnKinds) == 46);
static_assert(offsetof(TableDescriptor, columnWidths) == 50);
static_assert(offsetof(TableDescriptor, columnOrder) == 54);
static_assert(offsetof(TableDescriptor, host58) == 58);
static_assert(offsetof(TableDescriptor, columnOrderWord) == 62);
static_assert(offsetof(TableDescriptor, host66) == 66);
static_assert(offsetof(TableDescriptor, host72) == 72);
static_assert(offsetof(TableDescriptor, host74) == 74);
static_assert(offsetof(TableDescriptor, host76) == 76);
static_assert(offsetof(TableDescriptor, host78) == 78);
static_assert(offsetof(TableDescriptor, topRow) == 80);
static_assert(offsetof(TableDescriptor, topRecord) == 84);
static_assert(offsetof(TableDescriptor, cursorRow) == 88);
static_assert(offsetof(TableDescriptor, host92) == 92);
static_assert(offsetof(TableDescriptor, keyBarCode) == 102);
static_assert(offsetof(TableDescriptor, procedure) == 104);
static_assert(offsetof(TableDescriptor, host108) == 108);
static_assert(offsetof(TableDescriptor, titleSource) == 112);
static_assert(offsetof(TableDescriptor, columnDefsSource) == 116);
static_assert(offsetof(TableDescriptor, columnAttrsSource) == 120);
static_assert(offsetof(TableDescriptor, columnKindsSource) == 124);
static_assert(offsetof(TableDescriptor, columnWidthsSource) == 128);
