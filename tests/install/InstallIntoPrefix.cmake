# SPDX-License-Identifier: MIT
# cmake -DBUILD_DIR=<build> -DPREFIX=<dir> -P InstallIntoPrefix.cmake
# Installs the build into a fresh PREFIX the way the README tells users to.
foreach(var BUILD_DIR PREFIX)
  if(NOT ${var})
    message(FATAL_ERROR "InstallIntoPrefix.cmake needs -D${var}=...")
  endif()
endforeach()

file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
  RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install ${BUILD_DIR} --prefix ${PREFIX} failed: ${result}")
endif()
