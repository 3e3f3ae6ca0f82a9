# Native build (Linux, clang): the platform-free libraries under AddressSanitizer
# and UndefinedBehaviorSanitizer, their tests, and libFuzzer targets.
set(KAC_SANITIZE -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)
foreach(lib IN LISTS KAC_PLATFORM_FREE_LIBS)
  target_compile_options(${lib} PRIVATE ${KAC_SANITIZE})
endforeach()

find_package(GTest REQUIRED)
find_package(LibXml2 REQUIRED)  # the reference reader of the differential test and the benchmark

function(kac_native_test name)
  add_executable(${name} ${ARGN})
  target_compile_options(${name} PRIVATE ${KAC_SANITIZE})
  target_link_options(${name} PRIVATE ${KAC_SANITIZE})
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR})
  target_link_libraries(${name} PRIVATE GTest::gtest GTest::gtest_main)
  add_test(NAME native.${name} COMMAND ${name})
endfunction()

# Fuzz targets need clang's libFuzzer; each runs for a bounded time as a test.
# A target starts from its corpus in fuzz/<name> (where it keeps what it finds)
# and from seed folders made of the test data, and mutates with a dictionary of
# its grammar's tokens. scripts/fuzz runs the same commands for longer.
set(KAC_FUZZ_SECONDS 60 CACHE STRING "Seconds each fuzz target runs in the test suite")
function(kac_fuzz_target name)
  cmake_parse_arguments(FUZZ "" "DICTIONARY" "SOURCES;SEEDS;DEPENDS" ${ARGN})
  if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    return()
  endif()
  add_executable(${name} ${FUZZ_SOURCES})
  target_compile_options(${name} PRIVATE -fsanitize=fuzzer,address,undefined -g -O1)
  target_link_options(${name} PRIVATE -fsanitize=fuzzer,address,undefined)
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR})
  if(FUZZ_DEPENDS)
    add_dependencies(${name} ${FUZZ_DEPENDS})
  endif()
  set(corpus ${CMAKE_BINARY_DIR}/fuzz/${name})
  file(MAKE_DIRECTORY ${corpus})
  add_test(NAME fuzz.${name}
           COMMAND ${name} -max_total_time=${KAC_FUZZ_SECONDS} -timeout=10 -rss_limit_mb=2048
                   -print_final_stats=1 -dict=${FUZZ_DICTIONARY} -artifact_prefix=${corpus}-
                   ${corpus} ${FUZZ_SEEDS})
endfunction()

# Seed folders written at build time from the tests' case tables.
if(CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
  add_executable(fuzz_seeds tests/fuzz/fuzz_seeds.cpp)
  target_include_directories(fuzz_seeds PRIVATE ${PROJECT_SOURCE_DIR})
  set(KAC_SEEDS ${CMAKE_BINARY_DIR}/fuzz-seeds)
  foreach(kind xml pattern)
    add_custom_command(OUTPUT ${KAC_SEEDS}/${kind}.stamp
                       COMMAND ${CMAKE_COMMAND} -E rm -rf ${KAC_SEEDS}/${kind}
                       COMMAND fuzz_seeds ${kind} ${KAC_SEEDS}/${kind}
                       COMMAND ${CMAKE_COMMAND} -E touch ${KAC_SEEDS}/${kind}.stamp
                       DEPENDS fuzz_seeds)
    add_custom_target(${kind}_fuzz_seeds DEPENDS ${KAC_SEEDS}/${kind}.stamp)
  endforeach()
endif()

# Tests and fuzz targets of the platform-free libraries.
if(TARGET kac_xml)
  kac_native_test(xml_reader_native_tests ${PROJECT_SOURCE_DIR}/tests/xml/xml_reader_test.cpp)
  target_link_libraries(xml_reader_native_tests PRIVATE kac_xml)
  # Beside libxml2, which exists only natively: kept out of the folder that
  # the Windows tree gathers tests from.
  kac_native_test(xml_differential_tests ${PROJECT_SOURCE_DIR}/tests/xml/differential/xml_differential_test.cpp)
  target_link_libraries(xml_differential_tests PRIVATE kac_xml LibXml2::LibXml2)
  kac_fuzz_target(xml_reader_fuzz
                  SOURCES ${KAC_XML_SOURCES} ${PROJECT_SOURCE_DIR}/tests/fuzz/xml_reader_fuzz.cpp
                  DICTIONARY ${PROJECT_SOURCE_DIR}/tests/fuzz/xml_reader.dict
                  SEEDS ${KAC_SEEDS}/xml ${PROJECT_SOURCE_DIR}/tests/data/definitions
                  DEPENDS xml_fuzz_seeds)
endif()
if(TARGET kac_pattern AND EXISTS ${PROJECT_SOURCE_DIR}/tests/ui/controls/pattern_test.cpp)
  kac_native_test(pattern_native_tests ${PROJECT_SOURCE_DIR}/tests/ui/controls/pattern_test.cpp)
  target_link_libraries(pattern_native_tests PRIVATE kac_pattern)
  kac_fuzz_target(pattern_fuzz
                  SOURCES ${KAC_PATTERN_SOURCES} ${PROJECT_SOURCE_DIR}/tests/fuzz/pattern_fuzz.cpp
                  DICTIONARY ${PROJECT_SOURCE_DIR}/tests/fuzz/pattern.dict
                  SEEDS ${KAC_SEEDS}/pattern
                  DEPENDS pattern_fuzz_seeds)
endif()
if(TARGET kac_layout)
  kac_native_test(layout_native_tests ${PROJECT_SOURCE_DIR}/tests/ui/dialogs/layout_rules_test.cpp)
  target_link_libraries(layout_native_tests PRIVATE kac_layout)
endif()
if(TARGET kac_window_position)
  kac_native_test(window_position_native_tests ${PROJECT_SOURCE_DIR}/tests/editor/window_position_test.cpp)
  target_link_libraries(window_position_native_tests PRIVATE kac_window_position)
  kac_fuzz_target(window_position_fuzz
                  SOURCES ${PROJECT_SOURCE_DIR}/editor/window_position.cpp
                          ${PROJECT_SOURCE_DIR}/tests/fuzz/window_position_fuzz.cpp
                  DICTIONARY ${PROJECT_SOURCE_DIR}/tests/fuzz/window_position.dict)
endif()

# Benchmarks of the platform-free code: optimised, without sanitizers, named
# kac_*_bench like the Windows ones; scripts/bench builds native_benches and
# runs them.
add_custom_target(native_benches)
if(TARGET kac_xml)
  add_executable(kac_xml_reader_bench bench/xml_reader_bench.cpp ${KAC_XML_SOURCES})
  target_compile_options(kac_xml_reader_bench PRIVATE -O2)
  target_compile_definitions(kac_xml_reader_bench PRIVATE NDEBUG)
  target_include_directories(kac_xml_reader_bench PRIVATE ${PROJECT_SOURCE_DIR})
  target_link_libraries(kac_xml_reader_bench PRIVATE LibXml2::LibXml2)
  add_dependencies(native_benches kac_xml_reader_bench)
endif()
