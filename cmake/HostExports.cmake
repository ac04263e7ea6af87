# Export lists of the simulated host modules, derived from the plug-in's host service list.

set(PM_HOST_SERVICE_LIST ${CMAKE_CURRENT_LIST_DIR}/../src/host/host_services.h)
set(PM_FEATURE_QUERY_ORDINAL 30006)

# The ordinals of the host service list, in binding order.
function(pm_host_service_ordinals out_var)
  # Match the heads only: the entries end in line continuations, which CMake lists would mangle.
  file(READ ${PM_HOST_SERVICE_LIST} text)
  string(REGEX MATCHALL "\n  (FREE|METHOD|VIRTUAL|OPAQUE)\\([0-9]+" heads "${text}")
  set(ordinals "")
  foreach(head IN LISTS heads)
    string(REGEX MATCH "[0-9]+$" ordinal "${head}")
    list(APPEND ordinals ${ordinal})
  endforeach()
  list(LENGTH ordinals count)
  if(NOT count EQUAL 126)
    message(FATAL_ERROR "read ${count} host services from ${PM_HOST_SERVICE_LIST}, expected 126")
  endif()
  set(${out_var} ${ordinals} PARENT_SCOPE)
endfunction()

# Writes the export list of a module that exports ordinal N as symbol ZARMAK_ordinal_N: a .def on
# Windows, a version script on Linux. Returns the file's path in out_var.
function(pm_write_ordinal_exports out_var module_file)
  set(path ${CMAKE_CURRENT_BINARY_DIR}/${module_file}.exports)
  if(WIN32)
    set(path ${path}.def)
    set(text "LIBRARY ${module_file}\nEXPORTS\n")
    foreach(ordinal IN LISTS ARGN)
      string(APPEND text "  ZARMAK_ordinal_${ordinal} @${ordinal} NONAME\n")
    endforeach()
  else()
    set(path ${path}.map)
    set(text "{\n")
    if(ARGN)
      string(APPEND text "  global:\n")
      foreach(ordinal IN LISTS ARGN)
        string(APPEND text "    ZARMAK_ordinal_${ordinal};\n")
      endforeach()
    endif()
    string(APPEND text "  local: *;\n};\n")
  endif()
  file(CONFIGURE OUTPUT ${path} CONTENT "${text}" @ONLY)
  set(${out_var} ${path} PARENT_SCOPE)
endfunction()

# pm_add_host_module(<folder> <module name> [OMIT <ordinals...>] [OMIT_ALL])
# A simulated host module in bin/hosts/<folder>: the services of zarmak_services, exporting the
# 126 host services and the feature query except those omitted.
function(pm_add_host_module folder module)
  cmake_parse_arguments(PARSE_ARGV 2 arg "OMIT_ALL" "" "OMIT")
  pm_host_service_ordinals(ordinals)
  list(APPEND ordinals ${PM_FEATURE_QUERY_ORDINAL})
  if(arg_OMIT_ALL)
    set(ordinals "")
  elseif(arg_OMIT)
    list(REMOVE_ITEM ordinals ${arg_OMIT})
  endif()

  set(target host-${folder})
  set(directory ${CMAKE_BINARY_DIR}/bin/hosts/${folder})
  pm_write_ordinal_exports(exports ${target} ${ordinals})
  add_library(${target} SHARED)
  target_link_libraries(${target} PRIVATE zarmak_services)
  set_target_properties(${target} PROPERTIES
    OUTPUT_NAME ${module}
    PREFIX ""
    RUNTIME_OUTPUT_DIRECTORY ${directory}
    LIBRARY_OUTPUT_DIRECTORY ${directory}
    ARCHIVE_OUTPUT_DIRECTORY ${directory}
    LINK_DEPENDS ${exports})
  if(WIN32)
    target_sources(${target} PRIVATE ${exports})
  else()
    target_link_options(${target} PRIVATE -Wl,--version-script=${exports})
  endif()
  set_property(GLOBAL APPEND PROPERTY PM_HOST_MODULES ${target})
endfunction()
