# SPDX-License-Identifier: MIT
# cmake -DWORK_DIR=<dir> -DRUNTIME_PACKAGE=<name> -P CheckPackage.cmake
# The one .deb in WORK_DIR as a distribution judges it: it must list RUNTIME_PACKAGE in
# its Depends field, and lintian must find no error and no warning in it. lintian's
# remarks of lesser rank are shown, not failed on: the package lists the few it accepts.
include(${CMAKE_CURRENT_LIST_DIR}/ScriptSteps.cmake)
require_definitions(CheckPackage.cmake WORK_DIR RUNTIME_PACKAGE)

one_package(${WORK_DIR} packages)
execute_process(COMMAND dpkg-deb --field ${packages} Depends
  OUTPUT_VARIABLE depends OUTPUT_STRIP_TRAILING_WHITESPACE RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "dpkg-deb --field ${packages} Depends failed: ${result}")
endif()
message(STATUS "Depends: ${depends}")
# One entry of the comma-separated list, with or without a version and alternatives.
string(REPLACE "." "\\." name_pattern "${RUNTIME_PACKAGE}")
if(NOT depends MATCHES "(^|[,|] *)${name_pattern}( *\\(|( *[,|])|$)")
  message(FATAL_ERROR "the package does not depend on ${RUNTIME_PACKAGE}")
endif()

# lintian warns on standard error when run as root, as CI is; its verdict is its status.
execute_process(COMMAND lintian --fail-on error,warning --display-info --pedantic
  --tag-display-limit 0 ${packages}
  OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE result)
message(STATUS "lintian ${packages}:\n${out}${err}")
if(NOT result EQUAL 0)
  message(FATAL_ERROR "lintian finds errors or warnings (status ${result})")
endif()
