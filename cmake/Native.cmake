# Native build (Linux, clang): the platform-free libraries under AddressSanitizer
# and UndefinedBehaviorSanitizer, their tests, and libFuzzer targets.
set(KAC_SANITIZE -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)
foreach(lib IN LISTS KAC_PLATFORM_FREE_LIBS)
  target_compile_options(${lib} PRIVATE ${KAC_SANITIZE})
endforeach()

find_package(GTest REQUIRED)

function(kac_native_test name)
  add_executable(${name} ${ARGN})
  target_compile_options(${name} PRIVATE ${KAC_SANITIZE})
  target_link_options(${name} PRIVATE ${KAC_SANITIZE})
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR})
  target_link_libraries(${name} PRIVATE GTest::gtest GTest::gtest_main)
  add_test(NAME native.${name} COMMAND ${name})
endfunction()

# Fuzz targets need clang's libFuzzer; each runs for a bounded time as a test.
set(KAC_FUZZ_SECONDS 60 CACHE STRING "Seconds each fuzz target runs in the test suite")
function(kac_fuzz_target name)
  if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    return()
  endif()
  add_executable(${name} ${ARGN})
  target_compile_options(${name} PRIVATE -fsanitize=fuzzer,address,undefined -g -O1)
  target_link_options(${name} PRIVATE -fsanitize=fuzzer,address,undefined)
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR})
  add_test(NAME fuzz.${name}
           COMMAND ${name} -max_total_time=${KAC_FUZZ_SECONDS} -timeout=10 -rss_limit_mb=2048
                   -print_final_stats=1)
endfunction()

# Tests and fuzz targets of the platform-free libraries.
if(TARGET kac_xml)
  kac_native_test(xml_reader_native_tests ${PROJECT_SOURCE_DIR}/tests/xml/xml_reader_test.cpp)
  target_link_libraries(xml_reader_native_tests PRIVATE kac_xml)
  kac_fuzz_target(xml_reader_fuzz ${KAC_XML_SOURCES} ${PROJECT_SOURCE_DIR}/tests/fuzz/xml_reader_fuzz.cpp)
endif()
if(TARGET kac_pattern AND EXISTS ${PROJECT_SOURCE_DIR}/tests/ui/controls/pattern_test.cpp)
  kac_native_test(pattern_native_tests ${PROJECT_SOURCE_DIR}/tests/ui/controls/pattern_test.cpp)
  target_link_libraries(pattern_native_tests PRIVATE kac_pattern)
  kac_fuzz_target(pattern_fuzz ${KAC_PATTERN_SOURCES} ${PROJECT_SOURCE_DIR}/tests/fuzz/pattern_fuzz.cpp)
endif()
if(TARGET kac_layout)
  kac_native_test(layout_native_tests ${PROJECT_SOURCE_DIR}/tests/ui/dialogs/layout_rules_test.cpp)
  target_link_libraries(layout_native_tests PRIVATE kac_layout)
endif()
