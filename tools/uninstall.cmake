# Removes every file an install listed in its manifest, then the manifest.
# Run with -DMANIFEST=<build>/install_manifest.txt, and with the install's
# DESTDIR in the environment if it had one (the manifest lists the paths
# without it). Directories stay.

if(NOT EXISTS "${MANIFEST}")
  message(FATAL_ERROR "Nothing to uninstall: ${MANIFEST} does not exist (run the install first)")
endif()
file(STRINGS "${MANIFEST}" files)
set(failed "")
foreach(f IN LISTS files)
  set(f "$ENV{DESTDIR}${f}")
  if(IS_SYMLINK "${f}" OR EXISTS "${f}")
    message(STATUS "Removing ${f}")
    file(REMOVE "${f}")
    if(IS_SYMLINK "${f}" OR EXISTS "${f}")
      list(APPEND failed "${f}")
    endif()
  endif()
endforeach()
if(failed)
  list(JOIN failed "\n  " text)
  message(FATAL_ERROR "Could not remove:\n  ${text}")
endif()
file(REMOVE "${MANIFEST}")
