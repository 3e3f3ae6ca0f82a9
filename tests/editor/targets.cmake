# The end-to-end tests copy the program and its compiled help from beside them.
add_dependencies(editor_tests KestAdvConfig kac_help)
