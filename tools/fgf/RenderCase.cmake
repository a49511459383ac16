# Runs "fgf render DOC OUT.svg ARGS..." once for a CTest case: checks the exit
# status, that a failure leaves no file at OUT, what standard error says, and
# how often each pattern occurs in the picture.
#   FGF, DIR, EXIT, ERR_CONTAINS as in RunCase.cmake
#   ARGS   the document, then further arguments, separated by "|"
#   COUNT  optional: "regex=n" entries separated by "|" for the SVG written
string(REPLACE "|" ";" args "${ARGS}")
list(POP_FRONT args doc)
string(RANDOM LENGTH 8 tag)
set(out /tmp/fgf-render-${tag}.svg)
execute_process(COMMAND ${FGF} render ${doc} ${out} ${args}
  WORKING_DIRECTORY ${DIR}
  OUTPUT_VARIABLE stdout ERROR_VARIABLE err RESULT_VARIABLE rc)
if(NOT rc STREQUAL EXIT)
  file(REMOVE ${out})
  message(FATAL_ERROR "fgf render ${doc}: exit status ${rc}, expected ${EXIT}\n${err}")
endif()
if(NOT EXIT STREQUAL 0 AND EXISTS ${out})
  file(REMOVE ${out})
  message(FATAL_ERROR "fgf render ${doc}: a failure left a picture behind")
endif()
if(DEFINED ERR_CONTAINS)
  string(FIND "${err}" "${ERR_CONTAINS}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "fgf render: standard error lacks \"${ERR_CONTAINS}\"\n${err}")
  endif()
endif()
if(DEFINED COUNT)
  file(READ ${out} svg)
  file(REMOVE ${out})
  string(REPLACE "|" ";" entries "${COUNT}")
  foreach(entry ${entries})
    string(REGEX MATCH "^(.*)=([0-9]+)$" _ "${entry}")
    set(pattern "${CMAKE_MATCH_1}")
    set(want ${CMAKE_MATCH_2})
    string(REGEX MATCHALL "${pattern}" found "${svg}")
    list(LENGTH found n)
    if(NOT n EQUAL want)
      message(FATAL_ERROR "the picture holds ${n} of ${pattern}, expected ${want}\n${svg}")
    endif()
  endforeach()
endif()
