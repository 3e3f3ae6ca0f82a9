# The checker's tests run the real KestAdvCheck.exe beside them.
if(TARGET KestAdvCheck)
  add_dependencies(tools_tests KestAdvCheck)
endif()
