# On the POSIX host: every test but the Windows host's own, each a CTest
# entry, and the Wine tests, which run the Windows build's programs.
find_package(GTest REQUIRED)
include(GoogleTest)

# Engine and platform tests: one executable, one CTest entry per test.
file(GLOB_RECURSE unit_sources CONFIGURE_DEPENDS
  ${CMAKE_CURRENT_SOURCE_DIR}/platform/*.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/engine/*.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/reliability/*.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/support/*.cpp)
# Tests of one host's own platform code run on that host only.
list(FILTER unit_sources EXCLUDE REGEX "/platform/win32/")
add_executable(zaltor_tests ${unit_sources})
target_include_directories(zaltor_tests PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(zaltor_tests PRIVATE zaltor_engine GTest::gtest GTest::gtest_main)
gtest_discover_tests(zaltor_tests DISCOVERY_TIMEOUT 60)

# The command line, run as a user would run it.
file(GLOB cli_test_sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/cli/*.cpp)
if(cli_test_sources)
  add_executable(zaltor_cli_tests ${cli_test_sources} support/temp_tree.cpp support/cli_run.cpp hosts/cli_cases.cpp
    hosts/case_runner.cpp)
  target_include_directories(zaltor_cli_tests PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
  target_link_libraries(zaltor_cli_tests PRIVATE zaltor_console GTest::gtest GTest::gtest_main)
  target_compile_definitions(zaltor_cli_tests PRIVATE ZALTOR_CLI_PATH="$<TARGET_FILE:zaltor-cli>"
    ZALTOR_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
  add_dependencies(zaltor_cli_tests zaltor-cli)
  gtest_discover_tests(zaltor_cli_tests DISCOVERY_TIMEOUT 60)
endif()

# The Windows build of zaltor-cli under Wine. It runs when ZALTOR_WINDOWS_CLI
# names the cross-built program (scripts/test builds it) and skips otherwise.
add_executable(zaltor_wine_tests wine/wine_cli_test.cpp wine/wine_dialog_test.cpp wine/wine_dialog_suite_test.cpp
  wine/wine_install_test.cpp wine/wine_support.cpp support/temp_tree.cpp support/cli_run.cpp hosts/cli_cases.cpp
  hosts/case_runner.cpp)
target_include_directories(zaltor_wine_tests PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(zaltor_wine_tests PRIVATE GTest::gtest GTest::gtest_main)
set(ZALTOR_WINDOWS_CLI "${PROJECT_SOURCE_DIR}/build-win64/bin/zaltor-cli.exe" CACHE FILEPATH
  "The Windows zaltor-cli.exe the Wine tests run")
set(ZALTOR_WINDOWS_TESTS "${PROJECT_SOURCE_DIR}/build-win64/bin/zaltor_tests.exe" CACHE FILEPATH
  "The Windows unit tests the Wine tests run")
set(ZALTOR_WINDOWS_DIALOG "${PROJECT_SOURCE_DIR}/build-win64/bin/zaltor.exe" CACHE FILEPATH
  "The Windows zaltor.exe the Wine tests run")
set(ZALTOR_WINDOWS_DIALOG_TESTS "${PROJECT_SOURCE_DIR}/build-win64/bin/zaltor_dialog_tests.exe" CACHE FILEPATH
  "The Windows dialog tests the Wine tests run")
set(ZALTOR_WINDOWS_PACKAGES "${PROJECT_SOURCE_DIR}/build-windows-package" CACHE PATH
  "The folder of the Windows installers and zips the Wine tests install (scripts/package-windows)")
target_compile_definitions(zaltor_wine_tests PRIVATE
  ZALTOR_WINDOWS_CLI_PATH="${ZALTOR_WINDOWS_CLI}" ZALTOR_WINDOWS_TESTS_PATH="${ZALTOR_WINDOWS_TESTS}"
  ZALTOR_WINDOWS_DIALOG_PATH="${ZALTOR_WINDOWS_DIALOG}" ZALTOR_WINDOWS_DIALOG_TESTS_PATH="${ZALTOR_WINDOWS_DIALOG_TESTS}"
  ZALTOR_WINDOWS_PACKAGES_PATH="${ZALTOR_WINDOWS_PACKAGES}")
gtest_discover_tests(zaltor_wine_tests DISCOVERY_TIMEOUT 60 PROPERTIES RUN_SERIAL TRUE TIMEOUT 600)
