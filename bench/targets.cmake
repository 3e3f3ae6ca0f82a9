# Benchmarks: programs that print figures; they are never tests.
add_executable(kac_definition_bench bench/definition_bench.cpp $<TARGET_OBJECTS:kac_resources>)
target_link_libraries(kac_definition_bench PRIVATE kac_editor)

add_executable(kac_dir_tree_bench bench/dir_tree_bench.cpp)
target_link_libraries(kac_dir_tree_bench PRIVATE kac_components)
