# SPDX-License-Identifier: MIT
# cmake -DSITE_DIR=<folder> -DTEMPLATE=<noughts-worker.js.in> -P MakeWorker.cmake
# Writes the page's service worker, SITE_DIR/noughts-worker.js, with the names of the
# folder's other files and the first 16 hex digits of a SHA-256 over their names and
# contents: the build's own name for its cache, which changes with any file and only then.
# The file is written only when its text changes.
foreach(definition SITE_DIR TEMPLATE)
  if(NOT DEFINED ${definition})
    message(FATAL_ERROR "MakeWorker.cmake needs -D${definition}=...")
  endif()
endforeach()

file(GLOB names LIST_DIRECTORIES false RELATIVE ${SITE_DIR} ${SITE_DIR}/*)
list(REMOVE_ITEM names noughts-worker.js)
list(SORT names)
set(quoted)
set(digests "")
foreach(name IN LISTS names)
  file(SHA256 ${SITE_DIR}/${name} digest)
  string(APPEND digests "${name} ${digest}\n")
  list(APPEND quoted "\"${name}\"")
endforeach()
string(SHA256 build "${digests}")
string(SUBSTRING ${build} 0 16 NOUGHTS_WEB_BUILD)
list(JOIN quoted ", " NOUGHTS_WEB_WORKER_FILES)
configure_file(${TEMPLATE} ${SITE_DIR}/noughts-worker.js @ONLY)
