# Installs into a fresh prefix and checks what lands there: the program and
# vemlo_render in bin, the menu entry, the icon in every size, nothing else;
# then the uninstall removes exactly that again; the same for a staged
# install. The build's own install manifest is kept as it was. Run with -DBUILD=<build dir> -DSOURCE=<source
# dir> -DDIR=<scratch dir> -DSIZES=<icon sizes> -DVERSION=<version>.

set(manifest ${BUILD}/install_manifest.txt)
file(REMOVE_RECURSE ${DIR})
file(MAKE_DIRECTORY ${DIR})

# install_into(<DESTDIR> <prefix> <manifest copy>): installs, keeps a copy of
# the list of installed files and puts the build's own list back.
function(install_into destdir prefix copy)
  if(EXISTS ${manifest})
    file(COPY_FILE ${manifest} ${DIR}/saved_manifest.txt)
  endif()
  execute_process(COMMAND ${CMAKE_COMMAND} -E env DESTDIR=${destdir} ${CMAKE_COMMAND} --install ${BUILD}
                          --prefix "${prefix}" RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(EXISTS ${manifest})
    file(COPY_FILE ${manifest} ${copy})
  endif()
  if(EXISTS ${DIR}/saved_manifest.txt)
    file(RENAME ${DIR}/saved_manifest.txt ${manifest})
  else()
    file(REMOVE ${manifest})
  endif()
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "install failed:\n${out}${err}")
  endif()
endfunction()

# uninstall(<DESTDIR> <manifest copy> <root>): removes the installed files;
# nothing may be left under root.
function(uninstall destdir copy root)
  execute_process(COMMAND ${CMAKE_COMMAND} -E env DESTDIR=${destdir} ${CMAKE_COMMAND} -DMANIFEST=${copy}
                          -P ${SOURCE}/tools/uninstall.cmake RESULT_VARIABLE rc OUTPUT_QUIET ERROR_VARIABLE err)
  file(GLOB_RECURSE left LIST_DIRECTORIES false "${root}/*")
  if(NOT rc EQUAL 0 OR left OR EXISTS ${copy})
    message(FATAL_ERROR "uninstall: status ${rc}, left ${left}\n${err}")
  endif()
endfunction()

# A blank in the prefix, as in a home directory's "My Programs".
set(prefix "${DIR}/my prefix")
install_into("" "${prefix}" ${DIR}/manifest.txt)

# Exactly these files, no more.
set(expected bin/vemlo bin/vemlo_render share/applications/vemlo.desktop)
foreach(n IN LISTS SIZES)
  list(APPEND expected share/icons/hicolor/${n}x${n}/apps/vemlo.png)
endforeach()
file(GLOB_RECURSE present LIST_DIRECTORIES false RELATIVE "${prefix}" "${prefix}/*")
list(SORT present)
list(SORT expected)
if(NOT "${present}" STREQUAL "${expected}")
  message(FATAL_ERROR "installed: ${present}\nexpected: ${expected}")
endif()

# The icons: PNG, n x n, with an alpha channel (colour type 6).
foreach(n IN LISTS SIZES)
  set(icon "${prefix}/share/icons/hicolor/${n}x${n}/apps/vemlo.png")
  file(READ "${icon}" head LIMIT 26 HEX)
  string(SUBSTRING "${head}" 0 16 magic)
  string(SUBSTRING "${head}" 32 16 wh)
  string(SUBSTRING "${head}" 50 2 colourType)
  string(SUBSTRING "${wh}" 0 8 whw)
  string(SUBSTRING "${wh}" 8 8 whh)
  math(EXPR w "0x${whw}")
  math(EXPR h "0x${whh}")
  if(NOT magic STREQUAL "89504e470d0a1a0a" OR NOT w EQUAL n OR NOT h EQUAL n OR NOT colourType STREQUAL "06")
    message(FATAL_ERROR "${icon}: magic ${magic}, ${w} x ${h}, colour type ${colourType}")
  endif()
endforeach()

# The menu entry starts the installed program by its full path (quoted for
# the blank), shows the installed icon, sits in the Education and Math menus,
# and is valid where that can be checked.
set(entry "${prefix}/share/applications/vemlo.desktop")
file(READ "${entry}" content)
foreach(line "Type=Application" "Exec=\"${prefix}/bin/vemlo\"" "Icon=vemlo" "Categories=Education;Math;"
             "Terminal=false")
  string(FIND "\n${content}" "\n${line}\n" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "vemlo.desktop lacks the line ${line}:\n${content}")
  endif()
endforeach()
find_program(VALIDATE desktop-file-validate)
if(VALIDATE)
  execute_process(COMMAND ${VALIDATE} "${entry}" RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT rc EQUAL 0 OR NOT "${out}${err}" STREQUAL "")
    message(FATAL_ERROR "desktop-file-validate:\n${out}${err}")
  endif()
else()
  message(STATUS "desktop-file-validate not found; vemlo.desktop not validated")
endif()

# The installed binaries run from their new place.
execute_process(COMMAND "${prefix}/bin/vemlo_render" --version RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_QUIET)
if(NOT rc EQUAL 0 OR NOT out MATCHES "vemlo_render ${VERSION}")
  message(FATAL_ERROR "installed vemlo_render --version: ${rc} ${out}")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY --unset=QT_QPA_PLATFORM
                        "${prefix}/bin/vemlo" RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc EQUAL 1 OR NOT err MATCHES "no display")
  message(FATAL_ERROR "installed vemlo without a display: ${rc} ${out}${err}")
endif()

# Uninstalling removes every installed file and the list.
uninstall("" ${DIR}/manifest.txt "${prefix}")

# A staged install (DESTDIR) names the final path in the menu entry, and is
# uninstalled from the stage.
install_into(${DIR}/stage /opt/vemlo ${DIR}/staged.txt)
file(READ ${DIR}/stage/opt/vemlo/share/applications/vemlo.desktop content)
if(NOT content MATCHES "\nExec=/opt/vemlo/bin/vemlo\n")
  message(FATAL_ERROR "staged vemlo.desktop:\n${content}")
endif()
uninstall(${DIR}/stage ${DIR}/staged.txt ${DIR}/stage)
