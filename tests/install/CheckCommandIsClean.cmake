# SPDX-License-Identifier: MIT
# cmake "-DCOMMAND=prog;arg;..." [-DSILENT=ON] ["-DREQUIRED_WORDS=a;b"] -P CheckCommandIsClean.cmake
# Runs a checker and fails if it fails or warns: any standard error output counts as a
# warning, and with SILENT any standard output too (desktop-file-validate warns there).
# Each of REQUIRED_WORDS must appear in its standard output.
if(NOT COMMAND)
  message(FATAL_ERROR "CheckCommandIsClean.cmake needs -DCOMMAND=...")
endif()

execute_process(COMMAND ${COMMAND}
  OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE result)
list(JOIN COMMAND " " shown)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "${shown} failed (${result}):\n${out}${err}")
endif()
if(SILENT AND NOT out STREQUAL "")
  message(FATAL_ERROR "${shown} warned:\n${out}${err}")
endif()
if(NOT err STREQUAL "")
  message(FATAL_ERROR "${shown} warned:\n${err}")
endif()
foreach(word IN LISTS REQUIRED_WORDS)
  string(FIND "${out}" "${word}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "${shown}: \"${word}\" is missing from the output")
  endif()
endforeach()
