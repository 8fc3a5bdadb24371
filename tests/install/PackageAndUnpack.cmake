# SPDX-License-Identifier: MIT
# cmake -DBUILD_DIR=<build> -DWORK_DIR=<dir> -DCPACK=<cpack> -P PackageAndUnpack.cmake
# Builds the Debian package into a fresh WORK_DIR (CPack stages there too, so nothing is
# written outside it) and unpacks it into WORK_DIR/root, as dpkg would lay it out under /.
foreach(var BUILD_DIR WORK_DIR CPACK)
  if(NOT ${var})
    message(FATAL_ERROR "PackageAndUnpack.cmake needs -D${var}=...")
  endif()
endforeach()
find_program(DPKG_SHLIBDEPS dpkg-shlibdeps)
find_program(DPKG_DEB dpkg-deb)
if(NOT DPKG_SHLIBDEPS OR NOT DPKG_DEB)
  message(FATAL_ERROR "dpkg-shlibdeps and dpkg-deb are needed: apt-get install dpkg-dev")
endif()

file(REMOVE_RECURSE ${WORK_DIR})
execute_process(COMMAND ${CPACK} --config ${BUILD_DIR}/CPackConfig.cmake -G DEB -B ${WORK_DIR}
  RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cpack failed: ${result}")
endif()

file(GLOB packages ${WORK_DIR}/*.deb)
list(LENGTH packages count)
if(NOT count EQUAL 1)
  message(FATAL_ERROR "expected one .deb in ${WORK_DIR}, found ${count}: ${packages}")
endif()
execute_process(COMMAND ${DPKG_DEB} -x ${packages} ${WORK_DIR}/root RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "dpkg-deb -x ${packages} failed: ${result}")
endif()
message(STATUS "unpacked ${packages} into ${WORK_DIR}/root")
