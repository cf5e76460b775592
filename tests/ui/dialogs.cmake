# The settings dialogs driven through their controls (offscreen).
add_executable(dialog_tests
  ${CMAKE_CURRENT_LIST_DIR}/../offscreen_main.cpp
  ${CMAKE_CURRENT_LIST_DIR}/dialogs_axes_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/dialogs_changer_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/dialogs_decorations_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/dialogs_contour_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/dialogs_domain_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/dialogs_eqn_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/dialogs_movie_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/dialogs_param_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/dialogs_view_test.cpp
)
target_link_libraries(dialog_tests PRIVATE vemlo_dialogs GTest::gtest)
gtest_discover_tests(dialog_tests PROPERTIES ENVIRONMENT QT_QPA_PLATFORM=offscreen)
