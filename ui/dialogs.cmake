# The settings and decoration dialogs (function entry, curves/step/title, axes,
# view, domain, parameters, plane, line, contours, movie) and the kit every
# form, the main window's too, is built with.
add_library(vemlo_dialogs STATIC
  ${CMAKE_CURRENT_LIST_DIR}/Axes1.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Changer1.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Contour1.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Domain1.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Eqn1Dlg.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Kit.cpp
  ${CMAKE_CURRENT_LIST_DIR}/LineDlg.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Moviefm.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Param1.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PlaneDlg.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ViewDlg.cpp
)
target_link_libraries(vemlo_dialogs PUBLIC vemlo_engine vemlo_output Qt6::Widgets)
