# What a user gets, built by the normal build:
#   HELP/KestAdvConfig.chm                 beside KestAdvConfig.exe, where the program looks for it
#   KestAdvConfig-<version>-portable.zip   the program's files, flat, plus HELP/
#   KestAdvConfig-<version>-setup.exe      per-user installer with uninstaller
find_program(KAC_CHMCMD chmcmd REQUIRED)      # Debian package fp-utils
find_program(KAC_CHMLS chmls REQUIRED)        # Debian package fp-utils
find_program(KAC_PYTHON python3 REQUIRED)
find_program(KAC_MAKENSIS makensis REQUIRED)  # Debian package nsis

file(GLOB KAC_HELP_SOURCES CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/help/*)
set(KAC_HELP_FILE ${CMAKE_BINARY_DIR}/HELP/KestAdvConfig.chm)
add_custom_command(OUTPUT ${KAC_HELP_FILE}
  COMMAND ${CMAKE_COMMAND} -DCHMCMD=${KAC_CHMCMD} -DCHMLS=${KAC_CHMLS} -DPYTHON=${KAC_PYTHON}
          -DSOURCE_DIR=${PROJECT_SOURCE_DIR}/help
          -DWORK_DIR=${CMAKE_BINARY_DIR}/help-build -DOUTPUT=${KAC_HELP_FILE}
          -P ${PROJECT_SOURCE_DIR}/cmake/CompileHelp.cmake
  DEPENDS ${KAC_HELP_SOURCES} ${PROJECT_SOURCE_DIR}/cmake/CompileHelp.cmake
          ${PROJECT_SOURCE_DIR}/cmake/fix_chm_context_map.py
  COMMENT "Compiling HELP/KestAdvConfig.chm"
  VERBATIM)
add_custom_target(kac_help ALL DEPENDS ${KAC_HELP_FILE})

# The shipped files, laid out as installed, in dist/; the executables lose
# their debugging information there.
set(KAC_DIST_DIR ${CMAKE_BINARY_DIR}/dist)
set(KAC_DIST_FILES KestAdvConfig.exe KestAdvCheck.exe kestadvconfig.xml HELP/KestAdvConfig.chm)
list(TRANSFORM KAC_DIST_FILES PREPEND ${KAC_DIST_DIR}/ OUTPUT_VARIABLE KAC_DIST_PATHS)
add_custom_command(OUTPUT ${KAC_DIST_PATHS}
  COMMAND ${CMAKE_COMMAND} -E rm -rf ${KAC_DIST_DIR}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${KAC_DIST_DIR}/HELP
  COMMAND ${CMAKE_STRIP} -o ${KAC_DIST_DIR}/KestAdvConfig.exe $<TARGET_FILE:KestAdvConfig>
  COMMAND ${CMAKE_STRIP} -o ${KAC_DIST_DIR}/KestAdvCheck.exe $<TARGET_FILE:KestAdvCheck>
  COMMAND ${CMAKE_COMMAND} -E copy ${PROJECT_SOURCE_DIR}/resources/kestadvconfig.xml ${KAC_DIST_DIR}/
  COMMAND ${CMAKE_COMMAND} -E copy ${KAC_HELP_FILE} ${KAC_DIST_DIR}/HELP/
  DEPENDS KestAdvConfig KestAdvCheck ${KAC_HELP_FILE} ${PROJECT_SOURCE_DIR}/resources/kestadvconfig.xml
  COMMENT "Staging the shipped files in dist/"
  VERBATIM)

set(KAC_PORTABLE_ZIP ${CMAKE_BINARY_DIR}/KestAdvConfig-${PROJECT_VERSION}-portable.zip)
add_custom_command(OUTPUT ${KAC_PORTABLE_ZIP}
  COMMAND ${CMAKE_COMMAND} -E rm -f ${KAC_PORTABLE_ZIP}
  COMMAND ${CMAKE_COMMAND} -E tar cf ${KAC_PORTABLE_ZIP} --format=zip ${KAC_DIST_FILES}
  WORKING_DIRECTORY ${KAC_DIST_DIR}
  DEPENDS ${KAC_DIST_PATHS}
  COMMENT "Packing KestAdvConfig-${PROJECT_VERSION}-portable.zip"
  VERBATIM)

set(KAC_INSTALLER ${CMAKE_BINARY_DIR}/KestAdvConfig-${PROJECT_VERSION}-setup.exe)
add_custom_command(OUTPUT ${KAC_INSTALLER}
  COMMAND ${KAC_MAKENSIS} -V2 -DVERSION=${PROJECT_VERSION} -DDIST=${KAC_DIST_DIR}
          -DICON=${PROJECT_SOURCE_DIR}/resources/images/kestadvconfig.ico -DOUTFILE=${KAC_INSTALLER}
          ${PROJECT_SOURCE_DIR}/installer/KestAdvConfig.nsi
  DEPENDS ${KAC_DIST_PATHS} ${PROJECT_SOURCE_DIR}/installer/KestAdvConfig.nsi
          ${PROJECT_SOURCE_DIR}/resources/images/kestadvconfig.ico
  COMMENT "Building KestAdvConfig-${PROJECT_VERSION}-setup.exe"
  VERBATIM)

add_custom_target(kac_packages ALL DEPENDS ${KAC_PORTABLE_ZIP} ${KAC_INSTALLER})
