# SPDX-License-Identifier: MIT
# cmake -DSOURCE_DIR=<src> "-DCONFIGURE=<options>" -DPACKAGER=<BuildDebianPackage.cmake>
#       -DREFERENCE_DIR=<dir with the .deb> -DWORK_DIR=<dir> -P ReproducePackage.cmake
# Builds the game and its package again from the same source with the same options, in
# another folder, later, under another umask, and fails unless the .deb is the same to
# the byte as the one in REFERENCE_DIR. WORK_DIR is left behind only on failure, to be
# compared (diffoscope does it best).
include(${CMAKE_CURRENT_LIST_DIR}/ScriptSteps.cmake)
require_definitions(ReproducePackage.cmake SOURCE_DIR CONFIGURE PACKAGER REFERENCE_DIR WORK_DIR)

file(REMOVE_RECURSE ${WORK_DIR})
run_step("configuring" ${CMAKE_COMMAND} -S ${SOURCE_DIR} -B ${WORK_DIR}/build ${CONFIGURE})
run_step("building" ${CMAKE_COMMAND} --build ${WORK_DIR}/build --target noughts -j2)
run_step("packaging" sh -c "umask 077 && exec \"$@\"" sh ${CMAKE_COMMAND}
  -DSETTINGS=${WORK_DIR}/build/packaging/debian-settings.cmake
  -DOUTPUT_DIR=${WORK_DIR}/package -P ${PACKAGER})

file(GLOB reference ${REFERENCE_DIR}/*.deb)
file(GLOB again ${WORK_DIR}/package/*.deb)
file(SHA256 ${reference} reference_sum)
file(SHA256 ${again} again_sum)
message(STATUS "${reference_sum}  ${reference}\n-- ${again_sum}  ${again}")
if(NOT reference_sum STREQUAL again_sum)
  message(FATAL_ERROR "the package differs when built again: compare the two above")
endif()
file(REMOVE_RECURSE ${WORK_DIR})
