# The end-to-end tests copy the program and the test component they register
# from beside them.
add_dependencies(editor_tests KestAdvConfig kac_test_component)

# The dialog at 192 DPI, on a screen large enough for it (its own Xvfb and
# prefix). A skipped or missing case fails: it must run there.
add_test(NAME editor_tests_on_a_large_screen
         COMMAND ${CMAKE_CURRENT_LIST_DIR}/on_a_large_screen $<TARGET_FILE:editor_tests>
                 --gtest_color=no --gtest_filter=MainDialogTest.At192DpiOnALargeScreen)
set_tests_properties(editor_tests_on_a_large_screen PROPERTIES
  TIMEOUT 300 FAIL_REGULAR_EXPRESSION "\\[  SKIPPED \\]|Running 0 tests")
