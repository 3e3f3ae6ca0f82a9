# Benchmarks: programs that print figures; they are never tests.
add_executable(kac_definition_bench bench/definition_bench.cpp bench/generated_definition.cpp $<TARGET_OBJECTS:kac_resources>)
target_link_libraries(kac_definition_bench PRIVATE kac_editor)

add_executable(kac_dir_tree_bench bench/dir_tree_bench.cpp)
target_link_libraries(kac_dir_tree_bench PRIVATE kac_components)

# Start-up: the real program against an empty dialog's program, both started
# as processes. The floor is not a benchmark of its own (no _bench suffix).
add_executable(kac_empty_dialog WIN32 bench/empty_dialog_main.cpp bench/empty_dialog.rc)
add_executable(kac_startup_bench bench/startup_bench.cpp bench/generated_definition.cpp)
add_dependencies(kac_startup_bench KestAdvConfig kac_empty_dialog)
target_include_directories(kac_startup_bench PRIVATE ${PROJECT_SOURCE_DIR})
target_link_libraries(kac_startup_bench PRIVATE user32 shlwapi)
