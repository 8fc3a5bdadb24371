# SPDX-License-Identifier: MIT
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
