# The plane patch, the line and the bounding box.
add_executable(decoration_tests ${CMAKE_CURRENT_LIST_DIR}/decorations_test.cpp)
target_link_libraries(decoration_tests PRIVATE vemlo_engine GTest::gtest_main)
gtest_discover_tests(decoration_tests)
