# SPDX-License-Identifier: MIT
# cmake -DZIP=<file> -DMEMBERS=<paths below the working folder> -DPROGRAMS=<those to strip>
#       -DSTRIP=<strip> -DSOURCE_DIR=<src> -DRELEASE_DATE=<YYYY-MM-DD> -P PackWindowsZip.cmake
# Strips the programs and packs the staged files, run from the folder that holds the
# zip's top folder. The zip is the same bytes wherever and whenever it is built: the PE
# timestamps the strip writes and every entry's time are SOURCE_DATE_EPOCH (as for the
# Debian package), the entries come in the order given, programs have mode 755 and the
# rest 644, and no owner, access time or folder entry goes in.
cmake_minimum_required(VERSION 3.16)
include(${SOURCE_DIR}/cmake/SourceDateEpoch.cmake)
noughts_source_date_epoch(${SOURCE_DIR} ${RELEASE_DATE} epoch)
set(ENV{SOURCE_DATE_EPOCH} ${epoch})
# zip writes local times into its entries.
set(ENV{TZ} UTC)

function(run)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE failed)
  if(failed)
    list(JOIN ARGN " " shown)
    message(FATAL_ERROR "${shown} failed: ${failed}")
  endif()
endfunction()

# Players need no debugging symbols: without them the zip is a third of the size.
run(${STRIP} --strip-unneeded ${PROGRAMS})
set(others ${MEMBERS})
list(REMOVE_ITEM others ${PROGRAMS})
run(chmod 755 ${PROGRAMS})
run(chmod 644 ${others})
run(touch -d @${epoch} ${MEMBERS})
file(REMOVE ${ZIP})
# -X: no owner or extra times; -D: no folder entries.
run(zip -q -X -D ${ZIP} ${MEMBERS})
