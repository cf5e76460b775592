# vemlo_render as a command: the exit status says what failed, the message
# names the failing formula, the extension picks the format exactly as the
# program's save command does, and a failed run leaves no file behind (an
# existing file keeps its contents). Run with -DRENDER=<vemlo_render>
# -DDIR=<dir> -DVERSION=<version>.

file(REMOVE_RECURSE ${DIR})
file(MAKE_DIRECTORY ${DIR})
set(small --size 60x50)

# run(<expected status> <text the output must hold> <args...>)
function(run status text)
  execute_process(COMMAND ${RENDER} ${ARGN} WORKING_DIRECTORY ${DIR}
                  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT rc EQUAL status)
    message(SEND_ERROR "vemlo_render ${ARGN}: status ${rc}, expected ${status}\n${out}${err}")
  endif()
  string(FIND "${out}${err}" "${text}" at)
  if(at EQUAL -1)
    message(SEND_ERROR "vemlo_render ${ARGN}: output lacks '${text}':\n${out}${err}")
  endif()
endfunction()

# Nothing but the listed files may be in DIR (no temporary files left over).
function(expect_files)
  file(GLOB present RELATIVE ${DIR} ${DIR}/* ${DIR}/.*)
  list(SORT present)
  set(expected ${ARGN})
  list(SORT expected)
  if(NOT "${present}" STREQUAL "${expected}")
    message(SEND_ERROR "files in ${DIR}: '${present}', expected '${expected}'")
  endif()
endfunction()

# Help, version, and what the command line gets wrong: status 2.
run(0 "Examples:" --help)
run(0 "Exit status:" -h)
run(0 "vemlo_render ${VERSION}" --version)
run(2 "Unknown option 'bogus'" --bogus --out a.png)
run(2 "--out is needed" ${small})
run(2 "bad --size" --size 10x10 --out a.png)
run(2 "bad --domain" --domain 1,2,3,4,5 --out a.png)
run(2 "bad --eye" --eye 1,x^,3 --out a.png)
run(2 "unexpected argument" stray --out a.png)

# The extension, compared letter case included: the last "." after the last "/".
foreach(name graph.Jpg graph.PnG graph.bMp graph graph.gif graph. dir.png/graph graph.Pdf graph.svgz)
  run(2 "cannot tell the picture format of ${name}" ${small} --out ${name})
endforeach()
expect_files()

# Each recognised extension gives its format, whatever the rest of the name.
set(cases "a.bmp:424D" "b.BMP:424D" "c.jpg:FFD8FF" "d.JPG:FFD8FF" "e.jpeg:FFD8FF" "f.JPEG:FFD8FF"
          "g.png:89504E47" "h.PNG:89504E47" "my.graph.png:89504E47" "my.png.bmp:424D"
          "i.pdf:255044462D" "j.PDF:255044462D" "k.svg:3C3F786D6C" "l.SVG:3C3F786D6C")
set(written "")
foreach(c IN LISTS cases)
  string(REPLACE ":" ";" c "${c}")
  list(GET c 0 name)
  list(GET c 1 magic)
  run(0 "" ${small} --out ${name})
  string(LENGTH ${magic} n)
  math(EXPR n "${n} / 2")
  file(READ ${DIR}/${name} head LIMIT ${n} HEX)
  string(TOUPPER "${head}" head)
  if(NOT head STREQUAL magic)
    message(SEND_ERROR "${name} starts with ${head}, expected ${magic}")
  endif()
  list(APPEND written ${name})
endforeach()
expect_files(${written})
file(REMOVE_RECURSE ${DIR})
file(MAKE_DIRECTORY ${DIR})

# A formula that fails: status 3, its option and text in the message, and an
# existing picture of that name left as it was.
file(WRITE ${DIR}/old.png "old")
run(3 [[formula error in -f "x^^2"]] ${small} -f "x^^2" --out old.png)
run(3 [[formula error in -f " "]] ${small} -f " " --out old.png)
run(3 [[formula error in -y "2*Sin((4*t)"]] ${small} --mode 3 -x t -y "2*Sin((4*t)" -z t --out old.png)
run(3 [[formula error in -x "Cos(u", -z "v)"]] ${small} --mode 4 -x "Cos(u" -y u -z "v)" --out old.png)
run(3 [[no value at a point of the domain: -x "Ln(t)"]] ${small} --mode 3 -x "Ln(t)" -y t -z t --out old.png)
file(READ ${DIR}/old.png kept)
if(NOT kept STREQUAL "old")
  message(SEND_ERROR "a failed formula changed old.png")
endif()

# A picture that cannot be written: status 4, nothing left behind.
file(MAKE_DIRECTORY ${DIR}/taken.png)
run(4 "cannot write missing/a.png" ${small} --out missing/a.png)
run(4 "cannot write taken.png" ${small} --out taken.png)
run(4 "cannot write missing/a.pdf" ${small} --out missing/a.pdf)
file(MAKE_DIRECTORY ${DIR}/taken.svg)
run(4 "cannot write taken.svg" ${small} --out taken.svg)
expect_files(old.png taken.png taken.svg)
