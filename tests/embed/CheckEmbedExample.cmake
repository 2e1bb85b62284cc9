# Runs the embedding example on a fresh demo database, and checks that the README shows
# the example exactly as it is built.
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
execute_process(COMMAND ${DB_TOOL} --db ${WORK}/demo.db demo RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "delvaro-db demo failed: ${status}")
endif()
execute_process(COMMAND ${EXAMPLE} ${WORK}/demo.db A001 RESULT_VARIABLE status
                OUTPUT_VARIABLE output ERROR_VARIABLE errors)
if(NOT status EQUAL 0 OR NOT output MATCHES "A001   DUPONT" OR
   NOT output MATCHES "W_SortirSectorisation : -1")
  message(FATAL_ERROR "the example did not run as shown (${status}):\n${output}${errors}")
endif()
file(READ ${SOURCE} example)
file(READ ${README} readme)
string(FIND "${readme}" "${example}" at)
if(at EQUAL -1)
  message(FATAL_ERROR "README.md does not show ${SOURCE} as it is")
endif()
