# The test component: a DLL the registrar tests register and unregister
# through the system's registration tool.
add_library(kac_test_component SHARED
  ${CMAKE_CURRENT_LIST_DIR}/component/test_component.cpp)
target_include_directories(kac_test_component PRIVATE ${PROJECT_SOURCE_DIR})
set_target_properties(kac_test_component PROPERTIES PREFIX "" OUTPUT_NAME kac_test_component)
target_link_libraries(kac_test_component PRIVATE advapi32)
add_dependencies(components_tests kac_test_component)
if(TARGET ui_dialogs_tests)
  add_dependencies(ui_dialogs_tests kac_test_component)
endif()

# The registration tool's failed start, in a copy of the test prefix without
# the tool. A skipped or missing case fails: it must run there. Alone, since
# the copy stops the prefix's server for a moment.
add_test(NAME components_tests_without_registration_tool
         COMMAND ${CMAKE_CURRENT_LIST_DIR}/without_registration_tool $<TARGET_FILE:components_tests>
                 --gtest_color=no --gtest_filter=RightClickWithoutToolTest.*)
set_tests_properties(components_tests_without_registration_tool PROPERTIES
  RUN_SERIAL TRUE TIMEOUT 300 FAIL_REGULAR_EXPRESSION "\\[  SKIPPED \\]|Running 0 tests")
