# SPDX-License-Identifier: MIT
# The one time that every dated thing of a release carries, so that a build is the same
# bytes wherever and whenever it is made: SOURCE_DATE_EPOCH if the builder sets it, else
# the last commit's time, else (outside the source's own repository) the release date.
function(noughts_source_date_epoch source_dir release_date out_var)
  if(DEFINED ENV{SOURCE_DATE_EPOCH})
    set(${out_var} $ENV{SOURCE_DATE_EPOCH} PARENT_SCOPE)
    return()
  endif()
  # The source's own repository only: an unpacked tarball may lie inside another one.
  execute_process(COMMAND git -C ${source_dir} rev-parse --show-toplevel
    OUTPUT_VARIABLE top OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
  get_filename_component(top "${top}" REALPATH)
  get_filename_component(source "${source_dir}" REALPATH)
  set(epoch "")
  if(top STREQUAL source)
    execute_process(COMMAND git -C ${source_dir} log -1 --format=%ct
      OUTPUT_VARIABLE epoch OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
  endif()
  if(NOT epoch MATCHES "^[0-9]+$")
    execute_process(COMMAND date -u -d ${release_date} +%s OUTPUT_VARIABLE epoch
      OUTPUT_STRIP_TRAILING_WHITESPACE RESULT_VARIABLE failed)
    if(failed)
      message(FATAL_ERROR "date cannot read the release date ${release_date}")
    endif()
  endif()
  set(${out_var} ${epoch} PARENT_SCOPE)
endfunction()
