# The packaging tests read the help file and run the installer built beside them.
add_dependencies(packaging_tests kac_packages)
target_compile_definitions(packaging_tests PRIVATE KAC_VERSION="${PROJECT_VERSION}")
