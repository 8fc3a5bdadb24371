# SPDX-License-Identifier: MIT
# cmake -DPACKAGER=<BuildDebianPackage.cmake> -DSETTINGS=<its settings> -DWORK_DIR=<dir>
#       -P PackageAndUnpack.cmake
# Builds the Debian package into a fresh WORK_DIR (it stages there too, so nothing is
# written outside it) and unpacks it into WORK_DIR/root, as dpkg would lay it out under /.
foreach(var PACKAGER SETTINGS WORK_DIR)
  if(NOT ${var})
    message(FATAL_ERROR "PackageAndUnpack.cmake needs -D${var}=...")
  endif()
endforeach()

file(REMOVE_RECURSE ${WORK_DIR})
execute_process(COMMAND ${CMAKE_COMMAND} -DSETTINGS=${SETTINGS} -DOUTPUT_DIR=${WORK_DIR}
  -P ${PACKAGER} RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "building the package failed: ${result}")
endif()

include(${CMAKE_CURRENT_LIST_DIR}/OnePackage.cmake)
one_package(${WORK_DIR} packages)
execute_process(COMMAND dpkg-deb -x ${packages} ${WORK_DIR}/root RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "dpkg-deb -x ${packages} failed: ${result}")
endif()
message(STATUS "unpacked ${packages} into ${WORK_DIR}/root")
