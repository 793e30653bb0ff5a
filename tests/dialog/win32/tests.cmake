# GoogleTest as built from its sources, and the program the tests name as
# the editor. The Wine tests run them (tests/wine/wine_dialog_suite_test.cpp).
target_link_libraries(zaltor_dialog_tests PRIVATE gtest)
add_executable(zaltor_record_args ${CMAKE_CURRENT_LIST_DIR}/recorder/record_args.cpp)
add_dependencies(zaltor_dialog_tests zaltor_record_args)
