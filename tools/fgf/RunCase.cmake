# Runs fgf once for a CTest case and checks its exit status and output.
#   FGF       the program
#   DIR       working directory (the documents are named relative to it)
#   ARGS      the arguments, separated by "|"
#   EXIT      the expected exit status
#   EXPECTED  optional: a file the standard output must equal byte for byte
#   CONTAINS  optional: text the standard output must contain
#   ERR_CONTAINS  optional: text the standard error must contain
string(REPLACE "|" ";" args "${ARGS}")
execute_process(COMMAND ${FGF} ${args}
  WORKING_DIRECTORY ${DIR}
  OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc)
if(NOT rc STREQUAL EXIT)
  message(FATAL_ERROR "fgf ${args}: exit status ${rc}, expected ${EXIT}\n${out}${err}")
endif()
if(DEFINED EXPECTED)
  file(READ ${EXPECTED} want)
  if(NOT out STREQUAL want)
    file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/fgf-actual.txt "${out}")
    execute_process(COMMAND diff -u ${EXPECTED} ${CMAKE_CURRENT_BINARY_DIR}/fgf-actual.txt
      OUTPUT_VARIABLE d)
    message(FATAL_ERROR "fgf ${args}: output differs from ${EXPECTED}\n${d}")
  endif()
endif()
if(DEFINED CONTAINS)
  string(FIND "${out}" "${CONTAINS}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "fgf ${args}: output lacks \"${CONTAINS}\"\n${out}")
  endif()
endif()
if(DEFINED ERR_CONTAINS)
  string(FIND "${err}" "${ERR_CONTAINS}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "fgf ${args}: standard error lacks \"${ERR_CONTAINS}\"\n${err}")
  endif()
endif()
