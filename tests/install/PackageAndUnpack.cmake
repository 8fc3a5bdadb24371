# SPDX-License-Identifier: MIT
# cmake -DPACKAGER=<BuildDebianPackage.cmake> -DSETTINGS=<its settings> -DWORK_DIR=<dir>
#       -P PackageAndUnpack.cmake
# Builds the Debian package into a fresh WORK_DIR (it stages there too, so nothing is
# written outside it) and unpacks it into WORK_DIR/root, as dpkg would lay it out under /.
include(${CMAKE_CURRENT_LIST_DIR}/ScriptSteps.cmake)
require_definitions(PackageAndUnpack.cmake PACKAGER SETTINGS WORK_DIR)

file(REMOVE_RECURSE ${WORK_DIR})
run_step("building the package"
  ${CMAKE_COMMAND} -DSETTINGS=${SETTINGS} -DOUTPUT_DIR=${WORK_DIR} -P ${PACKAGER})
one_package(${WORK_DIR} packages)
run_step("dpkg-deb -x ${packages}" dpkg-deb -x ${packages} ${WORK_DIR}/root)
message(STATUS "unpacked ${packages} into ${WORK_DIR}/root")
