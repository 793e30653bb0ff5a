# On Windows: the tests that need no POSIX host, against the real C runtime,
# with GoogleTest built from Debian's sources (there is no Windows package).
set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

file(GLOB host_neutral_tests CONFIGURE_DEPENDS
  ${CMAKE_CURRENT_SOURCE_DIR}/engine/content_search_test.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/engine/criteria_*_test.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/engine/hex_text_test.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/engine/match_entry_test.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/platform/ctime_text_test.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/platform/drive_path_test.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/platform/drive_table_test.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/platform/split_path_test.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/platform/wildcard_test.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/platform/win32/*_test.cpp)
add_executable(zaltor_tests ${host_neutral_tests})
target_include_directories(zaltor_tests PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(zaltor_tests PRIVATE zaltor_engine gtest gtest_main)

# What the Wine test of zaltor.exe reads of its windows: a control's text.
add_executable(zaltor_control_text wine/control_text.cpp)
