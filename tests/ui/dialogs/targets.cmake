# Stand-ins for what lies outside the program, built beside ui_dialogs_tests:
#   standins/kxipc/KxIPC.dll           event-logging library that records each call
#   standins/kxipc-without-entry/KxIPC.dll   the same library lacking the decorated entry
#   standins/help-viewer/kac_help_viewer.dll HTML Help viewer that reports a failure
# The tests choose among them at run time (DLL search folder, registry).
set(KAC_STANDIN_DIR ${CMAKE_BINARY_DIR}/standins)

function(kac_standin_dll target folder output_name)
  add_library(${target} SHARED ${ARGN})
  set_target_properties(${target} PROPERTIES
    PREFIX "" OUTPUT_NAME ${output_name}
    RUNTIME_OUTPUT_DIRECTORY ${KAC_STANDIN_DIR}/${folder}
    ARCHIVE_OUTPUT_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}/standin-import/${folder})
  target_include_directories(${target} PRIVATE ${PROJECT_SOURCE_DIR})
  add_dependencies(ui_dialogs_tests ${target})
endfunction()

kac_standin_dll(kac_kxipc_recording kxipc KxIPC
  ${CMAKE_CURRENT_LIST_DIR}/standins/kxipc_recording.cpp ${CMAKE_CURRENT_LIST_DIR}/standins/recorded_calls.cpp)
kac_standin_dll(kac_kxipc_without_entry kxipc-without-entry KxIPC
  ${CMAKE_CURRENT_LIST_DIR}/standins/kxipc_without_entry.cpp)
kac_standin_dll(kac_help_viewer help-viewer kac_help_viewer
  ${CMAKE_CURRENT_LIST_DIR}/standins/help_viewer.cpp ${CMAKE_CURRENT_LIST_DIR}/standins/help_viewer.def
  ${CMAKE_CURRENT_LIST_DIR}/standins/recorded_calls.cpp)
target_link_libraries(kac_help_viewer PRIVATE oleaut32)

# The help viewer test opens the compiled help the build puts beside it.
add_dependencies(ui_dialogs_tests kac_help)

# The layout test starts the program the build puts beside it.
add_dependencies(ui_dialogs_tests KestAdvConfig)
