# Install step: writes the menu entry with the full path of the installed
# program, so that it starts whatever the prefix and whatever the PATH of the
# desktop session. Runs once the prefix is final (cmake --install --prefix).
# Expects VEMLO_DESKTOP_IN, VEMLO_DESKTOP_OUT, VEMLO_BINDIR, VEMLO_DATADIR.

if(IS_ABSOLUTE "${VEMLO_BINDIR}")
  set(exec "${VEMLO_BINDIR}/vemlo")
else()
  set(exec "${CMAKE_INSTALL_PREFIX}/${VEMLO_BINDIR}/vemlo")
endif()
# A path with other characters is quoted as the Exec key wants it, then its
# backslashes doubled once more for the entry's string escapes.
if(exec MATCHES "[^A-Za-z0-9/._+-]")
  string(REPLACE "\\" "\\\\" exec "${exec}")
  foreach(c "\"" "`" "$")
    string(REPLACE "${c}" "\\${c}" exec "${exec}")
  endforeach()
  string(REPLACE "%" "%%" exec "${exec}")
  set(exec "\"${exec}\"")
  string(REPLACE "\\" "\\\\" exec "${exec}")
endif()
set(VEMLO_EXEC "${exec}")
configure_file("${VEMLO_DESKTOP_IN}" "${VEMLO_DESKTOP_OUT}" @ONLY)
if(IS_ABSOLUTE "${VEMLO_DATADIR}")
  set(dest "${VEMLO_DATADIR}/applications")
else()
  set(dest "${CMAKE_INSTALL_PREFIX}/${VEMLO_DATADIR}/applications")
endif()
file(INSTALL DESTINATION "${dest}" TYPE FILE FILES "${VEMLO_DESKTOP_OUT}")
