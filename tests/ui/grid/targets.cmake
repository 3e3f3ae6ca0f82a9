# The property pane reports its creation failures to the recording KxIPC.dll
# stand-in that ui_dialogs_tests builds (tests/ui/dialogs/targets.cmake).
target_sources(ui_grid_tests PRIVATE ${PROJECT_SOURCE_DIR}/tests/ui/dialogs/support/standin_libraries.cpp)
add_dependencies(ui_grid_tests kac_kxipc_recording)
