# Compiles the help project with chmcmd (cmake -P, see Packaging.cmake).
#   -DCHMCMD=path -DCHMLS=path -DPYTHON=path -DSOURCE_DIR=help/ -DWORK_DIR=...
#   -DOUTPUT=.../HELP/KestAdvConfig.chm
# chmcmd writes the .chm into the folder it runs in, and only warns about a
# link to a missing topic: a warning fails the build here, so no broken help
# ships.
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})
execute_process(COMMAND ${CHMCMD} ${SOURCE_DIR}/KestAdvConfig.hhp
  WORKING_DIRECTORY ${WORK_DIR}
  RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT result EQUAL 0 OR output MATCHES "Warning|Error|exception")
  message(FATAL_ERROR "chmcmd failed (${result}):\n${output}")
endif()
# chmcmd puts the project folder's path in front of each context's topic.
execute_process(COMMAND ${PYTHON} ${CMAKE_CURRENT_LIST_DIR}/fix_chm_context_map.py ${CHMLS}
                        ${WORK_DIR}/KestAdvConfig.chm ${SOURCE_DIR}
  RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "fixing the context map failed (${result}):\n${output}")
endif()
get_filename_component(output_dir ${OUTPUT} DIRECTORY)
file(MAKE_DIRECTORY ${output_dir})
file(COPY_FILE ${WORK_DIR}/KestAdvConfig.chm ${OUTPUT})
