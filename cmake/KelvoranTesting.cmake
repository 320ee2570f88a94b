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
function(kelvoran_add_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  # PrivateTemp.cpp: each test process gets a temporary folder of its own.
  add_executable(${name} ${ARG_SOURCES} ${PROJECT_SOURCE_DIR}/tests/support/PrivateTemp.cpp)
  target_link_libraries(${name} PRIVATE kelvoran_test_support GTest::gtest_main ${ARG_LIBS})
  kelvoran_warnings(${name})
  if(CMAKE_CROSSCOMPILING)
    add_test(NAME ${name} COMMAND ${name} --gtest_brief=1)
  else()
    gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60)
  endif()
endfunction()
