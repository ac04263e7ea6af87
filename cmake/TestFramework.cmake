# GoogleTest for both builds, and pm_add_test().

if(WIN32)
  # The mingw build compiles GoogleTest from Debian's sources, without our warning flags.
  get_directory_property(pm_saved_options COMPILE_OPTIONS)
  set_directory_properties(PROPERTIES COMPILE_OPTIONS "")
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
  set_directory_properties(PROPERTIES COMPILE_OPTIONS "${pm_saved_options}")

  # One wineserver for the whole run.
  add_test(NAME wine-start COMMAND ${PROJECT_SOURCE_DIR}/cmake/wine.sh start ${CMAKE_BINARY_DIR})
  add_test(NAME wine-stop COMMAND ${PROJECT_SOURCE_DIR}/cmake/wine.sh stop ${CMAKE_BINARY_DIR})
  set_tests_properties(wine-start PROPERTIES FIXTURES_SETUP wine)
  set_tests_properties(wine-stop PROPERTIES FIXTURES_CLEANUP wine)
else()
  find_package(GTest REQUIRED)
  include(GoogleTest)
endif()

# pm_add_test(<name> <sources...>): a test program of the simulated host. Under Wine a program
# is one test (a Wine start per case would cost more than the cases); on Linux each case is one.
function(pm_add_test name)
  add_executable(${name} ${ARGN})
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR} ${PROJECT_SOURCE_DIR}/src ${PROJECT_SOURCE_DIR}/tests)
  target_link_libraries(${name} PRIVATE hostsim GTest::gtest_main GTest::gmock)
  get_property(host_modules GLOBAL PROPERTY PM_HOST_MODULES)
  add_dependencies(${name} PrzeplywMagazynu PrzeplywMagazynuTestable spinacz ${host_modules})
  if(WIN32)
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES FIXTURES_REQUIRED wine TIMEOUT 300)
  else()
    gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60)
  endif()
endfunction()
