add_executable(builder_tests
  builders_curve_test.cpp
  builders_cyl_test.cpp
  builders_listing_test.cpp
  builders_rect_test.cpp
  builders_reference_test.cpp
  builders_twopar_test.cpp
)
target_link_libraries(builder_tests PRIVATE vemlo_engine GTest::gtest_main)
gtest_discover_tests(builder_tests)
