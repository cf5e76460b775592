# The value-listing window, tested with its dialogs answered in code.
if(TARGET vemlo_ui)
  add_executable(funcvals_tests ../offscreen_main.cpp funcvals_test.cpp)
  target_link_libraries(funcvals_tests PRIVATE vemlo_ui GTest::gtest)
  gtest_discover_tests(funcvals_tests PROPERTIES ENVIRONMENT QT_QPA_PLATFORM=offscreen)
endif()
