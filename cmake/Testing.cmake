# GoogleTest and the test runner.
#
# GoogleTest is compiled from source by the same (cross) compiler as the code
# under test, so the two always agree on the ABI. When cross-compiling, every
# test executable runs under Wine in a private prefix inside the build tree
# (see cmake/wine-run.sh); on Windows itself the executables run directly.
include_guard(GLOBAL)

enable_testing()

set(ORV_GTEST_SOURCE_DIR /usr/src/googletest CACHE PATH
    "GoogleTest sources to build (leave missing to use an installed GoogleTest)")

if(EXISTS ${ORV_GTEST_SOURCE_DIR}/CMakeLists.txt)
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  # GoogleTest uses Win32 threads on MinGW whatever this says; saying it keeps
  # it from probing for a pthread library it would not use.
  set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
  # Match the static runtime of the code under test.
  set(gtest_force_shared_crt OFF CACHE BOOL "" FORCE)
  add_subdirectory(${ORV_GTEST_SOURCE_DIR} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
else()
  # MSYS2 and other hosts that ship GoogleTest prebuilt for the target.
  find_package(GTest REQUIRED)
  if(NOT TARGET gtest)
    add_library(gtest ALIAS GTest::gtest)
    add_library(gtest_main ALIAS GTest::gtest_main)
  endif()
endif()

# The command that runs a test executable on this host: Wine when the target
# is not the host, nothing when it is.
set(ORV_WINEPREFIX ${CMAKE_BINARY_DIR}/wineprefix CACHE PATH
    "Private Wine prefix the tests run in")
if(CMAKE_CROSSCOMPILING)
  set(ORV_TEST_EMULATOR ${CMAKE_SOURCE_DIR}/cmake/wine-run.sh ${ORV_WINEPREFIX})
else()
  set(ORV_TEST_EMULATOR "")
endif()

# Test executables can take a while under Wine (windows, timers, fonts).
set(ORV_TEST_TIMEOUT 600 CACHE STRING "Seconds one test executable may run")

# orv_add_gtest(<target> <folder> [LIBS libs...])
#
# One executable from tests/<folder>/*.cpp, registered as ONE ctest test:
# starting a Windows process under Wine costs far more than the tests in it,
# so test cases are not split into separate ctest entries.
function(orv_add_gtest target folder)
  cmake_parse_arguments(PARSE_ARGV 2 ARG "" "" "LIBS")
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/${folder}/*.cpp)
  if(NOT sources)
    message(STATUS "tests/${folder}: no sources yet, ${target} not built")
    return()
  endif()
  # Resources the tests load by name (raw-data pictures and the like).
  file(GLOB rc_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/${folder}/*.rc)
  add_executable(${target} ${sources} ${rc_sources})
  target_compile_options(${target} PRIVATE -Wall -Wextra)
  target_include_directories(${target} PRIVATE ${CMAKE_SOURCE_DIR}/tests)
  target_link_libraries(${target} PRIVATE ${ARG_LIBS} orvframework gtest_main gtest)
  set_target_properties(${target} PROPERTIES
    CROSSCOMPILING_EMULATOR "${ORV_TEST_EMULATOR}")
  add_test(NAME ${target} COMMAND ${target} --gtest_color=no)
  set_tests_properties(${target} PROPERTIES TIMEOUT ${ORV_TEST_TIMEOUT})
endfunction()
