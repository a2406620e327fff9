# Builds the guide in a folder of its own (the batch build writes its files
# beside the project, and the source tree stays clean), then copies the help
# file and the contents file to OUTPUT_DIR. Any error in the compiler's log
# fails the build with the whole log; warnings are shown but do not fail it.
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})
file(COPY ${SOURCE_DIR}/scrivlet.scw ${SOURCE_DIR}/scrivlet.cnt DESTINATION ${WORK_DIR})

execute_process(
    COMMAND ${SCRIVLET} --build ${WORK_DIR}/scrivlet.scw --compiler ${HCRTF} --base guide
    WORKING_DIRECTORY ${WORK_DIR}
    RESULT_VARIABLE status
    OUTPUT_VARIABLE log
    ERROR_VARIABLE log)
if(NOT status EQUAL 0 OR NOT EXISTS ${WORK_DIR}/scrivlet.hlp)
    message(FATAL_ERROR "The user guide does not compile (status ${status}):\n${log}")
endif()
if(NOT log MATCHES "\n0 errors, 0 warnings\\.")
    message(WARNING "The user guide compiles with findings:\n${log}")
endif()

file(COPY ${WORK_DIR}/scrivlet.hlp ${WORK_DIR}/scrivlet.cnt DESTINATION ${OUTPUT_DIR})
# Copies keep the source's time; the build compares the outputs' times with
# those of their sources, so they are made new.
file(TOUCH ${OUTPUT_DIR}/scrivlet.hlp ${OUTPUT_DIR}/scrivlet.cnt)
