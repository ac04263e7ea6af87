// Every host service, in binding order: the one list from which the binding table, the slot
// count, the typed calls and the virtual-table positions are derived.
//
// Kinds:
//   FREE(ordinal, result, parameters)     a free service, host calling convention
//   METHOD(ordinal, result, parameters)   a method of an SDK class called directly, `this` first
//   VIRTUAL(ordinal, class, position)     an inherited virtual method, reached only by forwarding
//   OPAQUE(ordinal)                       bound; its signature is the host's and it is never called
#pragma once

#include <cstdarg>
#include <cstdint>

#include "host/table_records.h"
#include "platform/win32_api.h"

struct GxRpcCtx;
struct WDialogBase;
struct HostList;  // a list object of the host

// clang-format off
#define PM_HOST_SERVICES(FREE, METHOD, VIRTUAL, OPAQUE) \
  FREE(37996, int32_t, ())                                   /* before the report list is shown; on F4 */ \
  FREE(51425, int32_t, (int32_t table, TableDescriptor** descriptor, char* buffer, int32_t zero)) /* descriptor and buffer of a table */ \
  FREE(52092, int32_t, (int32_t table, char* buffer, TableDescriptor* descriptor)) /* shows the report list */ \
  FREE(33197, int32_t, (int32_t value))                      /* after the report list was shown */ \
  METHOD(20903, void, (WDialogBase* self))                   /* WDialogBase destructor */ \
  FREE(41399, int32_t, (const char* file, int32_t mode, const char* section, const char* key, const char* format, va_list values)) /* settings file */ \
  FREE(52023, int32_t, (int32_t dialog, int32_t* answer, int32_t zero, const char* text)) /* runs a host dialog */ \
  FREE(52311, int32_t, (int32_t table, void* target, const char* text1, const char* text2, int32_t value)) /* takes table 4111 */ \
  FREE(52256, TableDescriptor*, (int32_t table))            /* a host table's descriptor, or null */ \
  FREE(34200, GlobalProc*, ())                               /* the global procedure cell, or null */ \
  FREE(52030, int32_t, (const char* text))                   /* shows an error text */ \
  FREE(21298, GxRpcCtx**, ())                                /* the head of the context chain */ \
  VIRTUAL(21260, GxRpcCtx, 40) \
  METHOD(21243, int32_t, (GxRpcCtx* self, TableDescriptor* table, uint16_t needBits)) /* GxRpcCtx's own slot 39 */ \
  FREE(52161, int32_t, (char* destination, const char* source, int32_t maxChars)) /* bounded text copy */ \
  FREE(34704, void, (int32_t code))                          /* out of memory; does not return */ \
  METHOD(21213, int32_t, (GxRpcCtx* self, TableDescriptor* table, uint16_t needBits)) /* GxRpcCtx's own slot 33 */ \
  VIRTUAL(21244, GxRpcCtx, 38) \
  VIRTUAL(21261, GxRpcCtx, 37) \
  VIRTUAL(21212, GxRpcCtx, 36) \
  VIRTUAL(21228, GxRpcCtx, 35) \
  METHOD(21215, int32_t, (GxRpcCtx* self))                   /* GxRpcCtx's own slot 34 */ \
  METHOD(21214, int32_t, (GxRpcCtx* self, TableDescriptor* table, uint16_t needBits)) /* GxRpcCtx's own slot 32 */ \
  VIRTUAL(21253, GxRpcCtx, 31) \
  VIRTUAL(21223, GxRpcCtx, 30) \
  VIRTUAL(21222, GxRpcCtx, 29) \
  VIRTUAL(21248, GxRpcCtx, 28) \
  VIRTUAL(21230, GxRpcCtx, 27) \
  VIRTUAL(21257, GxRpcCtx, 26) \
  VIRTUAL(21251, GxRpcCtx, 25) \
  VIRTUAL(21220, GxRpcCtx, 24) \
  VIRTUAL(21235, GxRpcCtx, 23) \
  VIRTUAL(21233, GxRpcCtx, 22) \
  VIRTUAL(21236, GxRpcCtx, 21) \
  VIRTUAL(21217, GxRpcCtx, 20) \
  VIRTUAL(21239, GxRpcCtx, 19) \
  VIRTUAL(21218, GxRpcCtx, 18) \
  VIRTUAL(21255, GxRpcCtx, 17) \
  VIRTUAL(21246, GxRpcCtx, 16) \
  VIRTUAL(21247, GxRpcCtx, 15) \
  VIRTUAL(21242, GxRpcCtx, 14) \
  VIRTUAL(21221, GxRpcCtx, 13) \
  VIRTUAL(21219, GxRpcCtx, 12) \
  VIRTUAL(21229, GxRpcCtx, 11) \
  VIRTUAL(21252, GxRpcCtx, 10) \
  VIRTUAL(21234, GxRpcCtx, 9) \
  VIRTUAL(21232, GxRpcCtx, 8) \
  VIRTUAL(21238, GxRpcCtx, 7) \
  VIRTUAL(21206, GxRpcCtx, 6) \
  VIRTUAL(21256, GxRpcCtx, 5) \
  VIRTUAL(21254, GxRpcCtx, 4) \
  VIRTUAL(21231, GxRpcCtx, 3) \
  VIRTUAL(21225, GxRpcCtx, 2) \
  VIRTUAL(21258, GxRpcCtx, 1) \
  METHOD(21203, void, (GxRpcCtx* self))                      /* GxRpcCtx destructor */ \
  METHOD(21202, void, (GxRpcCtx* self))                      /* GxRpcCtx constructor */ \
  FREE(34504, int32_t, (const void* formBlock))              /* takes the form-template block */ \
  FREE(34199, int32_t, (TableDescriptor* descriptor, int32_t zero)) /* takes the table descriptor */ \
  FREE(30018, int32_t, (HMODULE module, char* buffer, int32_t size)) /* module check; 0 accepts */ \
  FREE(51594, int32_t, ())                                   /* interface version */ \
  FREE(52462, int32_t, (int32_t which, int32_t kind, void* record, int32_t size)) /* fills the period record */ \
  FREE(32008, int32_t, (char* destination, const void* storedDate)) /* date to display text */ \
  FREE(52518, int32_t, (int16_t* hostFlag, uint32_t cardRef1, uint32_t cardRef2)) /* opens the item card */ \
  FREE(21284, void*, (int32_t size))                         /* host memory block */ \
  FREE(33904, int32_t, (const char* text))                   /* numbers a header text */ \
  FREE(52290, int32_t, (int32_t listHandle, int32_t zero, TableDescriptor* descriptor)) /* before the list is filled */ \
  FREE(21287, void, (void* block))                           /* releases host memory */ \
  METHOD(20902, void, (WDialogBase* self))                   /* WDialogBase constructor */ \
  FREE(52431, int32_t, (const char* first, const char* second, int32_t length)) /* compares texts */ \
  FREE(22562, HostList*, (void* view, const void* callback, int32_t arg3, int32_t arg4, int32_t arg5)) /* makes a list object */ \
  FREE(22563, void, (HostList* list))                        /* destroys a list object */ \
  FREE(22566, int32_t, (HostList* list))                     /* is the list object usable */ \
  FREE(22564, HostList*, (HostList* list, HostList* temporary)) /* hands a temporary list object over */ \
  FREE(50516, void*, (int32_t table, char* buffer, TableDescriptor* descriptor, int32_t* cursor)) /* opens a view */ \
  OPAQUE(50514)                                              /* the view's callback */ \
  FREE(52465, int32_t, (TableDescriptor* descriptor, int32_t value)) /* prepares a table for filling */ \
  FREE(22567, int32_t, (HostList* list))                     /* the handle of a list object */ \
  FREE(52296, int32_t, (TableDescriptor* descriptor))        /* prepares a table */ \
  FREE(52451, int32_t, (char* buffer, int32_t zero, int16_t* warehouseNo, int32_t table)) /* warehouse name */ \
  FREE(52156, int32_t, (char* buffer))                       /* finishes the looked-up name */ \
  FREE(52288, int32_t, (int32_t* cursor, TableDescriptor* descriptor, int32_t listHandle)) /* appends the record buffer */ \
  FREE(52204, int32_t, (TableDescriptor* descriptor, int32_t arg2, int32_t arg3, int32_t arg4)) /* after a detail row */ \
  FREE(52299, int32_t, (int32_t listHandle, int32_t arg2, TableDescriptor* descriptor, int32_t* cursor, int32_t arg5, int32_t arg6)) /* completes the list */ \
  FREE(22570, int32_t, (HostList* list))                     /* completes a list object */ \
  FREE(52179, double, (double value, int32_t precision))     /* rounds to a precision */ \
  FREE(21281, int32_t, (void** block, int32_t size))         /* resizes a block held through a pointer */ \
  FREE(52028, int32_t, (const char* title, const char* text, int32_t kind)) /* error message with a title */ \
  FREE(52286, int32_t, (int32_t arg1, int32_t recordNo, TableDescriptor* descriptor, int32_t arg4, uint32_t selector)) /* loads a record; 0 stops */ \
  VIRTUAL(20967, WDialogBase, 1) \
  VIRTUAL(20958, WDialogBase, 2) \
  VIRTUAL(20959, WDialogBase, 3) \
  VIRTUAL(20960, WDialogBase, 4) \
  VIRTUAL(20961, WDialogBase, 5) \
  VIRTUAL(20962, WDialogBase, 6) \
  VIRTUAL(20963, WDialogBase, 7) \
  VIRTUAL(20964, WDialogBase, 8) \
  VIRTUAL(20965, WDialogBase, 9) \
  VIRTUAL(20966, WDialogBase, 10) \
  VIRTUAL(20957, WDialogBase, 11) \
  VIRTUAL(20948, WDialogBase, 12) \
  VIRTUAL(20949, WDialogBase, 13) \
  VIRTUAL(20950, WDialogBase, 14) \
  VIRTUAL(20951, WDialogBase, 15) \
  VIRTUAL(20952, WDialogBase, 16) \
  VIRTUAL(20953, WDialogBase, 17) \
  VIRTUAL(20954, WDialogBase, 18) \
  VIRTUAL(20955, WDialogBase, 19) \
  VIRTUAL(20956, WDialogBase, 20) \
  VIRTUAL(20947, WDialogBase, 21) \
  VIRTUAL(20938, WDialogBase, 22) \
  VIRTUAL(20939, WDialogBase, 23) \
  VIRTUAL(20940, WDialogBase, 24) \
  VIRTUAL(20941, WDialogBase, 25) \
  VIRTUAL(20942, WDialogBase, 26) \
  VIRTUAL(20943, WDialogBase, 27) \
  VIRTUAL(20944, WDialogBase, 28) \
  VIRTUAL(20945, WDialogBase, 29) \
  VIRTUAL(20946, WDialogBase, 30) \
  VIRTUAL(20937, WDialogBase, 31) \
  VIRTUAL(24002, WDialogBase, 32) \
  VIRTUAL(24003, WDialogBase, 33) \
  VIRTUAL(24004, WDialogBase, 34) \
  FREE(35804, int32_t, (int32_t number, const char* title, const char* format, int32_t style, va_list values)) /* message box; 16-bit result */ \
  OPAQUE(41611) \
  OPAQUE(40008) \
  OPAQUE(41613)
// clang-format on
