# The shipped DLL as the toolchain's objdump sees it: exactly the four ordinals and no names;
# the connector's 30008 imported by ordinal; nothing imported but system DLLs and the connector.
# Run with -DOBJDUMP=<objdump> -DMODULE=<PrzeplywMagazynu.dll>.

cmake_minimum_required(VERSION 3.25)

execute_process(COMMAND ${OBJDUMP} -p ${MODULE} OUTPUT_VARIABLE dump RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "objdump failed on ${MODULE}")
endif()
set(failures "")

string(REGEX MATCHALL "\\+base\\[[0-9]+\\]" exported "${dump}")
list(REMOVE_DUPLICATES exported)
string(REGEX REPLACE "\\+base\\[([0-9]+)\\]" "\\1" exported "${exported}")
if(NOT exported STREQUAL "30001;30008;30009;30010")
  list(APPEND failures "exported ordinals are '${exported}', expected 30001;30008;30009;30010")
endif()
if(NOT dump MATCHES "\\[Name Pointer/Ordinal\\] Table[ \t]+00000000")
  list(APPEND failures "the export table has names")
endif()

string(REGEX MATCHALL "DLL Name: [^\n]+" imported "${dump}")
list(REMOVE_DUPLICATES imported)
string(REPLACE "DLL Name: " "" imported "${imported}")
foreach(library IN LISTS imported)
  string(TOUPPER "${library}" name)
  if(NOT name MATCHES "^(KERNEL32|USER32|MSVCRT|SPINACZ)\\.DLL$")
    list(APPEND failures "imports from ${library}")
  endif()
endforeach()
if(NOT "SPINACZ.dll" IN_LIST imported)
  list(APPEND failures "does not import SPINACZ.dll")
endif()

# The connector's member lines: every one is by ordinal (<none> for a name), and 30008 is there.
string(REGEX MATCH "DLL Name: SPINACZ\\.dll\n[^\n]*\n(([ \t]+[0-9a-f]+[ \t]+[0-9]+[ \t]+[^\n]*\n)*)" ignored "${dump}")
set(members "${CMAKE_MATCH_1}")
string(REGEX MATCHALL "[0-9]+[ \t]+[^ \t\n]+\n" member_list "${members}")
if(NOT member_list MATCHES "^30008[ \t]+<none>\n$")
  list(APPEND failures "SPINACZ.dll imports are '${members}', expected ordinal 30008 alone")
endif()

if(failures)
  list(JOIN failures "\n  " text)
  message(FATAL_ERROR "${MODULE}:\n  ${text}")
endif()
message(STATUS "${MODULE}: ordinals ${exported}, no names; imports ${imported}")
