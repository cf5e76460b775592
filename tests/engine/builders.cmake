add_executable(builder_tests
  builders_rect_test.cpp
)
target_link_libraries(builder_tests PRIVATE vemlo_engine GTest::gtest_main)
gtest_discover_tests(builder_tests)
