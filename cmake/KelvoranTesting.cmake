# GoogleTest: the system package natively; for cross builds, built from the
# Debian source package, since no MinGW build of it is packaged.
include(GoogleTest)

if(CMAKE_CROSSCOMPILING)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
else()
  find_package(GTest REQUIRED)
endif()

# One test executable. Natively each test case becomes a ctest test; under Wine
# the executable runs once as one test, since every Wine start costs a second.
# TIMEOUT (seconds) bounds each ctest test, so a test that hangs fails instead
# of stopping the whole run: by default 60 for a native test case and 180 for
# a whole executable under Wine (Wine's first start in a new prefix takes most
# of a minute on a loaded machine). RUNS names extra ctest runs of the
# executable under Wine, each NAME=FILTER with a GoogleTest filter; the main
# run then leaves those tests out.
function(kelvoran_add_test name)
  cmake_parse_arguments(ARG "" "TIMEOUT" "SOURCES;LIBS;RUNS" ${ARGN})
  # PrivateTemp.cpp: each test process gets a temporary folder of its own.
  add_executable(${name} ${ARG_SOURCES} ${PROJECT_SOURCE_DIR}/tests/support/PrivateTemp.cpp)
  target_link_libraries(${name} PRIVATE kelvoran_test_support GTest::gtest_main ${ARG_LIBS})
  kelvoran_warnings(${name})
  if(CMAKE_CROSSCOMPILING)
    if(NOT ARG_TIMEOUT)
      set(ARG_TIMEOUT 180)
    endif()
    set(excluded)
    foreach(run IN LISTS ARG_RUNS)
      string(REPLACE "=" ";" parts "${run}")
      list(GET parts 0 run_name)
      list(GET parts 1 run_filter)
      add_test(NAME ${run_name} COMMAND ${name} --gtest_brief=1 --gtest_filter=${run_filter})
      set_tests_properties(${run_name} PROPERTIES TIMEOUT ${ARG_TIMEOUT})
      list(APPEND excluded ${run_filter})
    endforeach()
    if(excluded)
      list(JOIN excluded ":" excluded)
      add_test(NAME ${name} COMMAND ${name} --gtest_brief=1 --gtest_filter=*-${excluded})
    else()
      add_test(NAME ${name} COMMAND ${name} --gtest_brief=1)
    endif()
    set_tests_properties(${name} PROPERTIES TIMEOUT ${ARG_TIMEOUT})
  else()
    if(NOT ARG_TIMEOUT)
      set(ARG_TIMEOUT 60)
    endif()
    gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 PROPERTIES TIMEOUT ${ARG_TIMEOUT})
  endif()
endfunction()
