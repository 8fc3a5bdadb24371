# SPDX-License-Identifier: MIT
# cmake -DSETTINGS=<build>/packaging/debian-settings.cmake -DOUTPUT_DIR=<dir>
#       -P packaging/BuildDebianPackage.cmake
# Builds the game's Debian package from a finished build into OUTPUT_DIR (staging there
# too): installs the component "game" under usr/, adds what Debian asks for (copyright
# file, changelogs, compressed manual page, control file, md5sums) and packs it with
# dpkg-deb. Every byte of the result follows from the commit and the tools: all times are
# SOURCE_DATE_EPOCH (if unset, the last commit's time; outside git, the release date),
# owners are root, modes are normalised, and no path of the build machine goes in.
foreach(var SETTINGS OUTPUT_DIR)
  if(NOT ${var})
    message(FATAL_ERROR "BuildDebianPackage.cmake needs -D${var}=...")
  endif()
endforeach()
include(${SETTINGS})
get_filename_component(OUTPUT_DIR ${OUTPUT_DIR} ABSOLUTE)
file(MAKE_DIRECTORY ${OUTPUT_DIR})
foreach(tool dpkg dpkg-architecture dpkg-deb dpkg-shlibdeps ${STRIP} gzip touch chmod)
  find_program(found_${tool} ${tool})
  if(NOT found_${tool})
    message(FATAL_ERROR "${tool} is needed to build the package: apt-get install dpkg-dev")
  endif()
endforeach()

# Runs a command and stops the build if it fails; the output goes into OUT if given.
function(run)
  cmake_parse_arguments(arg "" "OUT;DIR" "" ${ARGN})
  if(NOT arg_DIR)
    set(arg_DIR ${OUTPUT_DIR})
  endif()
  execute_process(COMMAND ${arg_UNPARSED_ARGUMENTS} WORKING_DIRECTORY ${arg_DIR}
    RESULT_VARIABLE result OUTPUT_VARIABLE out OUTPUT_STRIP_TRAILING_WHITESPACE)
  if(NOT result EQUAL 0)
    list(JOIN arg_UNPARSED_ARGUMENTS " " shown)
    message(FATAL_ERROR "${shown} failed: ${result}")
  endif()
  if(arg_OUT)
    set(${arg_OUT} "${out}" PARENT_SCOPE)
  endif()
endfunction()

# Fills TEMPLATE's @-names from the variables in scope, without its # comment lines.
function(fill_template template out_var)
  file(READ ${TEMPLATE_DIR}/${template} text)
  string(REGEX REPLACE "(^|\n)#[^\n]*" "" text "${text}")
  string(REGEX REPLACE "^\n+" "" text "${text}")
  string(CONFIGURE "${text}" text @ONLY)
  set(${out_var} "${text}" PARENT_SCOPE)
endfunction()

# A text as a field's continuation lines: one space in front, " ." for an empty line.
function(as_continuation text out_var)
  string(REGEX REPLACE "\n+$" "" text "${text}")
  string(REGEX REPLACE "\n" "\n " text " ${text}")
  # Twice, since the matches in a run of empty lines overlap.
  string(REGEX REPLACE "\n \n" "\n .\n" text "${text}")
  string(REGEX REPLACE "\n \n" "\n .\n" text "${text}")
  set(${out_var} "${text}" PARENT_SCOPE)
endfunction()

set(VERSION ${UPSTREAM_VERSION}-${DEBIAN_REVISION})

include(${SOURCE_DIR}/cmake/SourceDateEpoch.cmake)
noughts_source_date_epoch(${SOURCE_DIR} ${RELEASE_DATE} epoch)
set(ENV{SOURCE_DATE_EPOCH} ${epoch})
message(STATUS "SOURCE_DATE_EPOCH=${epoch}")

# Laid out as debhelper does, which dpkg-shlibdeps expects: the tree in debian/<package>.
set(work ${OUTPUT_DIR}/${PACKAGE}-package)
set(stage ${work}/debian/${PACKAGE})
set(docs ${stage}/usr/share/doc/${PACKAGE})
file(REMOVE_RECURSE ${work})
run(${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${stage}/usr --component game)
# Stripped as debhelper strips programs: no symbols, debug information or compiler notes.
run(${STRIP} --remove-section=.comment --remove-section=.note ${stage}/usr/${PROGRAM})

# The manual page, compressed without name or time.
run(gzip -9n ${stage}/usr/${MAN_PAGE})

# The changelogs: NEWS.md as the upstream one, and an entry for each release in it,
# newest first, from its headings "## VERSION (YYYY-MM-DD)".
file(STRINGS ${SOURCE_DIR}/NEWS.md releases REGEX "^## [^ ]+ \\([0-9-]+\\)$")
file(MAKE_DIRECTORY ${docs})
configure_file(${SOURCE_DIR}/NEWS.md ${docs}/changelog COPYONLY)
run(gzip -9n ${docs}/changelog)
set(changelog "")
foreach(release IN LISTS releases)
  string(REGEX REPLACE "^## ([^ ]+) \\(([0-9-]+)\\)$" "\\1;\\2" release "${release}")
  list(GET release 0 ENTRY_UPSTREAM_VERSION)
  list(GET release 1 date)
  set(ENTRY_VERSION ${ENTRY_UPSTREAM_VERSION}-${DEBIAN_REVISION})
  run(env LC_ALL=C date -u -R -d ${date} OUT ENTRY_DATE)
  fill_template(changelog-entry.in entry)
  string(APPEND changelog "${entry}")
endforeach()
string(REGEX REPLACE "\n+$" "\n" changelog "${changelog}")
file(WRITE ${docs}/changelog.Debian "${changelog}")
run(gzip -9n ${docs}/changelog.Debian)

# What lintian is told to pass over, and why, in its own comments.
file(MAKE_DIRECTORY ${stage}/usr/share/lintian/overrides)
configure_file(${TEMPLATE_DIR}/lintian-overrides ${stage}/usr/share/lintian/overrides/${PACKAGE}
  COPYONLY)

# The copyright file: the licence and its copyright line from LICENSE, the pictures' terms
# from assets/README, so that each text has one home.
file(READ ${SOURCE_DIR}/LICENSE licence)
if(NOT licence MATCHES "\nCopyright \\(c\\) ([^\n]+)\n+(Permission.*)$")
  message(FATAL_ERROR "LICENSE: no \"Copyright (c) ...\" line followed by the licence")
endif()
set(COPYRIGHT "${CMAKE_MATCH_1}")
as_continuation("${CMAKE_MATCH_2}" EXPAT_TEXT)
file(READ ${SOURCE_DIR}/assets/README notice)
as_continuation("${notice}" PICTURES_NOTICE)
fill_template(copyright.in copyright)
file(WRITE ${docs}/copyright "${copyright}")

# The control file. The libraries the program needs come from dpkg-shlibdeps, which
# wants a debian/control beside the tree and a DEBIAN folder in it.
file(MAKE_DIRECTORY ${stage}/DEBIAN)
# The program's architecture, which is this machine's unless the build was a cross build.
if(GNU_TYPE)
  run(dpkg-architecture -t ${GNU_TYPE} -qDEB_HOST_ARCH OUT ARCHITECTURE)
else()
  run(dpkg --print-architecture OUT ARCHITECTURE)
endif()
file(WRITE ${work}/debian/control
  "Source: ${PACKAGE}\n\nPackage: ${PACKAGE}\nArchitecture: any\n")
# A cross build's libraries are not installed here: they are looked up in its tree, in
# that architecture's folders.
set(library_tree)
if(SYSROOT)
  set(library_tree -S${SYSROOT})
endif()
run(env DEB_HOST_ARCH=${ARCHITECTURE} dpkg-shlibdeps -O ${library_tree}
  debian/${PACKAGE}/usr/${PROGRAM} DIR ${work} OUT shlibs)
string(REGEX REPLACE "^shlibs:Depends=" "" DEPENDS "${shlibs}")

# Installed-Size as dpkg counts it: each file rounded up to a KiB, and a KiB a folder.
file(GLOB_RECURSE files LIST_DIRECTORIES true RELATIVE ${stage} ${stage}/usr/*)
set(INSTALLED_SIZE 0)
set(md5sums "")
foreach(file IN LISTS files)
  if(IS_DIRECTORY ${stage}/${file} OR IS_SYMLINK ${stage}/${file})
    math(EXPR INSTALLED_SIZE "${INSTALLED_SIZE} + 1")
  else()
    file(SIZE ${stage}/${file} size)
    math(EXPR INSTALLED_SIZE "${INSTALLED_SIZE} + (${size} + 1023) / 1024")
    file(MD5 ${stage}/${file} md5)
    string(APPEND md5sums "${md5}  ${file}\n")
  endif()
endforeach()
file(WRITE ${stage}/DEBIAN/md5sums "${md5sums}")
fill_template(control.in control)
file(WRITE ${stage}/DEBIAN/control "${control}")

# Modes as if the umask were 022, and one time for everything.
run(chmod -R u+rwX,go+rX,go-w ${stage})
run(touch --no-dereference --date=@${epoch} . usr ${files} DEBIAN DEBIAN/control DEBIAN/md5sums
  DIR ${stage})

set(deb ${OUTPUT_DIR}/${PACKAGE}_${VERSION}_${ARCHITECTURE}.deb)
# One compressor thread: xz splits its stream by the thread count.
run(dpkg-deb --root-owner-group --threads-max=1 -Zxz --build ${stage} ${deb} OUT built)
message(STATUS "${built}")
