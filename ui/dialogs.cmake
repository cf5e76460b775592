# The settings dialogs: function entry, curves/step/title, axes, view, domain, parameters, movie.
add_library(vemlo_dialogs STATIC
  ${CMAKE_CURRENT_LIST_DIR}/Axes1.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Changer1.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Domain1.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Eqn1Dlg.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Moviefm.cpp
  ${CMAKE_CURRENT_LIST_DIR}/NumText.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Param1.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ViewDlg.cpp
)
target_link_libraries(vemlo_dialogs PUBLIC vemlo_engine Qt6::Widgets)
