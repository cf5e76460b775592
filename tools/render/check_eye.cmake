# vemlo_render must take the eye as the view dialog does (phi clamped to
# 0..180 degrees, rho at 0 or below repaired to 200) and refuse a mode that
# is not a single digit 1 to 4. Run with -DRENDER=<vemlo_render> -DDIR=<dir>.

function(render name)
  execute_process(COMMAND ${RENDER} ${ARGN} --size 120x90 --out ${DIR}/${name}.png
                  RESULT_VARIABLE rc ERROR_VARIABLE err)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "vemlo_render ${ARGN} failed: ${err}")
  endif()
endfunction()

function(expect_same a b)
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${DIR}/${a}.png ${DIR}/${b}.png RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "${a}.png and ${b}.png differ")
  endif()
endfunction()

file(MAKE_DIRECTORY ${DIR})
render(default)
render(rho0 --eye 0)
expect_same(default rho0)
render(phi180 --eye ,,180)
render(phi400 --eye ,,400)
expect_same(phi180 phi400)

execute_process(COMMAND ${RENDER} --mode 12 --out ${DIR}/bad.png RESULT_VARIABLE rc OUTPUT_QUIET ERROR_QUIET)
if(rc EQUAL 0)
  message(FATAL_ERROR "--mode 12 was taken")
endif()
