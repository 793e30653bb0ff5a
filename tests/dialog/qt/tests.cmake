# Qt's test library beside GoogleTest; each test a CTest entry, run on Qt's
# offscreen platform.
find_package(Qt6 COMPONENTS Test REQUIRED)
target_link_libraries(zaltor_dialog_tests PRIVATE Qt6::Test GTest::gtest)
gtest_discover_tests(zaltor_dialog_tests DISCOVERY_TIMEOUT 60
  PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LSAN_OPTIONS=suppressions=${CMAKE_CURRENT_LIST_DIR}/../lsan.supp")
