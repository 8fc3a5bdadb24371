# SPDX-License-Identifier: MIT
# The steps the installation tests' scripts share; each fails the script with a message.

# require_definitions(<script> <variable>...): every variable was given with -D, not empty.
# (Not a truth test: a list of options ending in "...-NOTFOUND" is false to if().)
function(require_definitions script)
  foreach(var IN LISTS ARGN)
    if(NOT DEFINED ${var} OR "${${var}}" STREQUAL "")
      message(FATAL_ERROR "${script} needs -D${var}=...")
    endif()
  endforeach()
endfunction()

# run_step(<what> <command>...): runs the command, which must succeed.
function(run_step what)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE result)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "${what} failed: ${result}")
  endif()
endfunction()

# one_package(<dir> <variable>): sets <variable> to the one .deb in <dir>, and fails the
# script if there is none or more than one.
function(one_package dir variable)
  file(GLOB packages ${dir}/*.deb)
  list(LENGTH packages count)
  if(NOT count EQUAL 1)
    message(FATAL_ERROR "expected one .deb in ${dir}, found ${count}: ${packages}")
  endif()
  set(${variable} ${packages} PARENT_SCOPE)
endfunction()
