# SPDX-License-Identifier: MIT
# cmake -DWORK_DIR=<dir> -DRUNTIME_PACKAGE=<name> -P CheckPackageDepends.cmake
# Fails unless the one .deb in WORK_DIR lists RUNTIME_PACKAGE in its Depends field.
foreach(var WORK_DIR RUNTIME_PACKAGE)
  if(NOT ${var})
    message(FATAL_ERROR "CheckPackageDepends.cmake needs -D${var}=...")
  endif()
endforeach()

file(GLOB packages ${WORK_DIR}/*.deb)
list(LENGTH packages count)
if(NOT count EQUAL 1)
  message(FATAL_ERROR "expected one .deb in ${WORK_DIR}, found ${count}: ${packages}")
endif()
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
