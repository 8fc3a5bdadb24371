# SPDX-License-Identifier: MIT
# cmake -DBUILD_DIR=<build> -DPREFIX=<dir> -P InstallIntoPrefix.cmake
# Installs the build into a fresh PREFIX the way the README tells users to.
include(${CMAKE_CURRENT_LIST_DIR}/ScriptSteps.cmake)
require_definitions(InstallIntoPrefix.cmake BUILD_DIR PREFIX)

file(REMOVE_RECURSE ${PREFIX})
run_step("cmake --install ${BUILD_DIR} --prefix ${PREFIX}"
  ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX})
