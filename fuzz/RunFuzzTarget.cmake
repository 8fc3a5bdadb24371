# SPDX-License-Identifier: MIT
# Runs one libFuzzer target for a bounded time on a fresh copy of its committed corpus
# and fails on any finding: a crash or sanitizer report, a failed check, a leak, a hang
# or running out of memory. Called by ctest:
#   cmake -DFUZZER=<program> -DCORPUS=<committed corpus> -DWORK=<folder> -DSECONDS=<n> -P RunFuzzTarget.cmake
# The copy and any finding's input stay in WORK, in the build folder.
foreach(required FUZZER CORPUS WORK SECONDS)
  if(NOT DEFINED ${required})
    message(FATAL_ERROR "RunFuzzTarget.cmake needs -D${required}=...")
  endif()
endforeach()

file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}/corpus" "${WORK}/findings")
file(COPY "${CORPUS}/" DESTINATION "${WORK}/corpus")

# -close_fd_mask=1 silences the game's standard output (a line per click), not libFuzzer.
execute_process(
  COMMAND "${FUZZER}"
    -max_total_time=${SECONDS}
    -error_exitcode=77
    -timeout=10
    -timeout_exitcode=78
    -max_len=1024
    -close_fd_mask=1
    -print_final_stats=1
    "-artifact_prefix=${WORK}/findings/"
    "${WORK}/corpus"
  RESULT_VARIABLE result)

file(GLOB findings "${WORK}/findings/*")
if(NOT result EQUAL 0 OR findings)
  message(FATAL_ERROR "${FUZZER} found a fault (exit status ${result}); inputs: ${findings}")
endif()
