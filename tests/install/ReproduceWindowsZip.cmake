# SPDX-License-Identifier: MIT
# cmake -DSOURCE_DIR=<src> "-DCONFIGURE=<options>" -DSDL_DIR=<sdl> -DREFERENCE=<zip>
#       -DWORK_DIR=<dir> -P ReproduceWindowsZip.cmake
# Builds the Windows zip again from the same source against the same cross-built SDL, in
# another folder, later, under another umask, and fails unless it is the same to the byte
# as REFERENCE. WORK_DIR is left behind only on failure, to be compared. SDL is copied
# into WORK_DIR/sdl first: build-windows.sh keeps it in the build folder's sdl/, and the
# folder SDL's headers come from, mapped like the build folder, changes the program.
include(${CMAKE_CURRENT_LIST_DIR}/ScriptSteps.cmake)
require_definitions(ReproduceWindowsZip.cmake SOURCE_DIR CONFIGURE SDL_DIR REFERENCE WORK_DIR)

file(REMOVE_RECURSE ${WORK_DIR})
file(COPY ${SDL_DIR}/ DESTINATION ${WORK_DIR}/sdl)
run_step("configuring" ${CMAKE_COMMAND} -S ${SOURCE_DIR} -B ${WORK_DIR} ${CONFIGURE}
  -DNOUGHTS_WINDOWS_SDL_DIR=${WORK_DIR}/sdl)
run_step("building" sh -c "umask 077 && exec \"$@\"" sh ${CMAKE_COMMAND} --build ${WORK_DIR}
  --target noughts_windows_zip -j2)

get_filename_component(name ${REFERENCE} NAME)
file(SHA256 ${REFERENCE} reference_sum)
file(SHA256 ${WORK_DIR}/${name} again_sum)
message(STATUS "${reference_sum}  ${REFERENCE}\n-- ${again_sum}  ${WORK_DIR}/${name}")
if(NOT reference_sum STREQUAL again_sum)
  message(FATAL_ERROR "the zip differs when built again: compare the two above")
endif()
file(REMOVE_RECURSE ${WORK_DIR})
