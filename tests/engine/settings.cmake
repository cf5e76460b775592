# Logic behind the settings dialogs: entries, repairs, arrow rules, number texts.
add_executable(settings_tests ${CMAKE_CURRENT_LIST_DIR}/settings_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/drag_angles_test.cpp)
target_link_libraries(settings_tests PRIVATE vemlo_engine GTest::gtest_main)
gtest_discover_tests(settings_tests)
