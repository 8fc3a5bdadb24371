# SPDX-License-Identifier: MIT
# Where `cmake --install` and the Debian package put the game, relative to the prefix:
# the layout Debian gives games, and the FHS for any prefix. The command goes in games/,
# the program that only the launcher runs (built for one architecture) in
# lib/games/noughts/, the pictures in share/games/noughts/. Each can be chosen when
# configuring (-DNOUGHTS_INSTALL_GAMESDIR=bin for a ~/.local whose bin/ is on the PATH,
# say). The launcher finds the other two relative to itself, so all must stay relative.
include(GNUInstallDirs)

set(NOUGHTS_INSTALL_GAMESDIR games CACHE STRING
  "Where the noughts command goes, relative to the prefix")
set(NOUGHTS_INSTALL_PROGRAMDIR lib/games/noughts CACHE STRING
  "Where the game's program goes, relative to the prefix")
set(NOUGHTS_INSTALL_PICTURESDIR ${CMAKE_INSTALL_DATADIR}/games/noughts CACHE STRING
  "Where the game's pictures go, relative to the prefix")

foreach(dir GAMESDIR PROGRAMDIR PICTURESDIR)
  if(IS_ABSOLUTE "${NOUGHTS_INSTALL_${dir}}")
    message(FATAL_ERROR "NOUGHTS_INSTALL_${dir} must be relative to the prefix "
      "(it is ${NOUGHTS_INSTALL_${dir}}): the launcher finds the game relative to itself")
  endif()
endforeach()
