# The 64-bit Windows build: platform layer, toolkit, editor, the program, its
# companion tool and the tests that run under Wine.
enable_language(RC)
# The .rc file is UTF-8: its Russian texts become UTF-16 resources.
set(CMAKE_RC_FLAGS "${CMAKE_RC_FLAGS} -c 65001")

# Every Windows executable links the C and C++ runtimes statically, so the
# program imports system DLLs only.
add_link_options(-static -static-libgcc -static-libstdc++)
add_compile_definitions(WIN32_LEAN_AND_MEAN NOMINMAX STRICT)

# Resources: dialogs, menus, strings, images, icon and the manifest. Linked
# into every executable so tests see the same resources as the program.
add_library(kac_resources OBJECT resources/kestadvconfig.rc)
set_property(SOURCE resources/kestadvconfig.rc APPEND PROPERTY OBJECT_DEPENDS
  ${PROJECT_SOURCE_DIR}/resources/kestadvconfig.manifest
  ${PROJECT_SOURCE_DIR}/resources/resource.h
  ${PROJECT_SOURCE_DIR}/resources/images/ok.bmp
  ${PROJECT_SOURCE_DIR}/resources/images/apply.bmp
  ${PROJECT_SOURCE_DIR}/resources/images/cancel.bmp
  ${PROJECT_SOURCE_DIR}/resources/images/help.bmp
  ${PROJECT_SOURCE_DIR}/resources/images/kestadvconfig.ico)

file(GLOB KAC_PLATFORM_SOURCES CONFIGURE_DEPENDS platform/*.cpp)
list(FILTER KAC_PLATFORM_SOURCES EXCLUDE REGEX "/win_main\\.cpp$")
add_library(kac_platform STATIC ${KAC_PLATFORM_SOURCES})
target_include_directories(kac_platform PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(kac_platform PUBLIC ${KAC_PLATFORM_FREE_LIBS}
  comctl32 shlwapi shell32 ole32 oleaut32 uuid advapi32 gdi32 user32 uxtheme windowscodecs)

file(GLOB KAC_EDITOR_SOURCES CONFIGURE_DEPENDS editor/*.cpp)
list(FILTER KAC_EDITOR_SOURCES EXCLUDE REGEX "/kestadvconfig_app\\.cpp$")
add_library(kac_editor STATIC ${KAC_EDITOR_SOURCES})
target_link_libraries(kac_editor PUBLIC kac_platform)

add_executable(KestAdvConfig WIN32
  editor/kestadvconfig_app.cpp platform/win_main.cpp $<TARGET_OBJECTS:kac_resources>)
target_link_libraries(KestAdvConfig PRIVATE kac_editor)

# --- tests -----------------------------------------------------------------
if(BUILD_TESTING)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  set(gtest_disable_pthreads OFF CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

  add_library(kac_test_support STATIC
    tests/support/test_main.cpp tests/support/message_pump.cpp tests/support/message_log.cpp)
  target_include_directories(kac_test_support PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(kac_test_support PUBLIC kac_platform gtest)

  # One test executable per area; CTest runs it through Wine.
  function(kac_add_test name)
    cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${T_SOURCES} $<TARGET_OBJECTS:kac_resources>)
    target_link_libraries(${name} PRIVATE kac_test_support ${T_LIBS})
    add_test(NAME ${name} COMMAND ${name} --gtest_color=no)
    set_tests_properties(${name} PROPERTIES TIMEOUT 300)
  endfunction()

  file(GLOB KAC_PLATFORM_TESTS CONFIGURE_DEPENDS tests/platform/*_test.cpp)
  kac_add_test(platform_tests SOURCES ${KAC_PLATFORM_TESTS})

  file(GLOB KAC_EDITOR_TESTS CONFIGURE_DEPENDS tests/editor/*_test.cpp)
  kac_add_test(editor_tests SOURCES ${KAC_EDITOR_TESTS} LIBS kac_editor)
  # The start-up test launches the real program.
  add_dependencies(editor_tests KestAdvConfig)
  target_compile_definitions(editor_tests PRIVATE
    KAC_PROGRAM_NAME="$<TARGET_FILE_NAME:KestAdvConfig>")
endif()

# Used by scripts/run to wait for the dialog and to close it.
add_executable(kac_window_tool tests/support/window_tool.cpp)
