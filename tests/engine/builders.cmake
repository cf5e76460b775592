add_executable(builder_tests
  builders_curve_test.cpp
  builders_cyl_test.cpp
  builders_listing_test.cpp
  builders_nonfinite_test.cpp
  movie_test.cpp
  builders_rect_test.cpp
  builders_reference_test.cpp
  builders_twopar_test.cpp
)
target_link_libraries(builder_tests PRIVATE vemlo_engine GTest::gtest_main)
gtest_discover_tests(builder_tests)
if(VEMLO_GUI)
  target_sources(builder_tests PRIVATE builders_pixels_test.cpp)
  target_link_libraries(builder_tests PRIVATE vemlo_output)
endif()
