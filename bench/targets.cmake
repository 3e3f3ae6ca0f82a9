# Benchmarks: programs that print figures; they are never tests.
add_executable(kac_definition_bench bench/definition_bench.cpp bench/generated_definition.cpp $<TARGET_OBJECTS:kac_resources>)
target_link_libraries(kac_definition_bench PRIVATE kac_editor)

add_executable(kac_dir_tree_bench bench/dir_tree_bench.cpp tests/support/temp_folder.cpp)
target_include_directories(kac_dir_tree_bench PRIVATE ${PROJECT_SOURCE_DIR})
target_link_libraries(kac_dir_tree_bench PRIVATE kac_components)

# Start-up: the program as shipped (dist/, without debugging information)
# against an empty dialog's program linked the same way, both started as
# processes. The floor is not a benchmark of its own (no _bench suffix).
add_executable(kac_empty_dialog WIN32 bench/empty_dialog_main.cpp bench/empty_dialog.rc)
set_property(SOURCE bench/empty_dialog.rc APPEND PROPERTY OBJECT_DEPENDS ${PROJECT_SOURCE_DIR}/bench/empty_dialog.manifest)
target_link_options(kac_empty_dialog PRIVATE -s)
add_executable(kac_startup_bench bench/startup_bench.cpp bench/generated_definition.cpp bench/started_program.cpp
  tests/support/program_process.cpp tests/support/registry_listing.cpp tests/support/temp_folder.cpp
  platform/registry_key.cpp)
add_dependencies(kac_startup_bench kac_packages kac_empty_dialog)
target_include_directories(kac_startup_bench PRIVATE ${PROJECT_SOURCE_DIR})
target_link_libraries(kac_startup_bench PRIVATE user32 shlwapi psapi)

# Category switch: the program as shipped against a bare list view filled
# with the same texts in a program of its own (not a benchmark: no suffix).
add_executable(kac_bare_list WIN32 bench/bare_list_main.cpp bench/bare_list.rc)
set_property(SOURCE bench/bare_list.rc APPEND PROPERTY OBJECT_DEPENDS ${PROJECT_SOURCE_DIR}/bench/empty_dialog.manifest)
target_link_libraries(kac_bare_list PRIVATE comctl32)
target_link_options(kac_bare_list PRIVATE -s)
add_executable(kac_category_switch_bench bench/category_switch_bench.cpp bench/generated_definition.cpp
  bench/started_program.cpp tests/support/program_process.cpp tests/support/registry_listing.cpp
  tests/support/temp_folder.cpp platform/registry_key.cpp)
add_dependencies(kac_category_switch_bench kac_packages kac_bare_list)
target_include_directories(kac_category_switch_bench PRIVATE ${PROJECT_SOURCE_DIR})
target_link_libraries(kac_category_switch_bench PRIVATE user32 comctl32 shlwapi psapi)
