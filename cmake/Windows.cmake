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

# Libraries by folder; dependencies point one way:
# editor, components, tools -> ui -> platform -> Win32.
function(kac_folder_library name)
  cmake_parse_arguments(L "" "" "FOLDERS;EXCLUDE;LIBS" ${ARGN})
  set(sources "")
  foreach(folder IN LISTS L_FOLDERS)
    file(GLOB found CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/${folder}/*.cpp)
    list(APPEND sources ${found})
  endforeach()
  foreach(pattern IN LISTS L_EXCLUDE)
    list(FILTER sources EXCLUDE REGEX "${pattern}")
  endforeach()
  if(sources)
    add_library(${name} STATIC ${sources})
  else()
    add_library(${name} INTERFACE)
  endif()
  target_include_directories(${name} INTERFACE ${PROJECT_SOURCE_DIR})
  if(sources)
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
    target_link_libraries(${name} PUBLIC ${L_LIBS})
  else()
    target_link_libraries(${name} INTERFACE ${L_LIBS})
  endif()
endfunction()

# System DLLs that starting the program does not need are delay-loaded: the
# shell (icons of the Components page, the registration tool), COM (PNG
# images at high DPI) and accessibility (assistive programs). The loader maps
# them on their first call instead of before WinMain, so a start-up does not
# wait for them. The lists in cmake/delay_load/ name the functions the
# program calls; one not listed is imported as usual, from the libraries
# that follow (tests call more of them).
find_program(KAC_DLLTOOL ${MINGW_TRIPLE}-dlltool REQUIRED)
set(KAC_DELAY_LOADED_LIBS "")
foreach(dll shell32 ole32 oleaut32 oleacc)
  set(def ${PROJECT_SOURCE_DIR}/cmake/delay_load/${dll}.def)
  set(lib ${CMAKE_BINARY_DIR}/delay_load/lib${dll}_delay.a)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${def})
  file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/delay_load)
  execute_process(COMMAND ${KAC_DLLTOOL} --input-def ${def} --output-delaylib ${lib} COMMAND_ERROR_IS_FATAL ANY)
  list(APPEND KAC_DELAY_LOADED_LIBS ${lib})
endforeach()
list(APPEND KAC_DELAY_LOADED_LIBS delayimp)

# The platform-free code (XML reader, pattern matcher, layout rules, window
# position text) has its own targets.
kac_folder_library(kac_platform FOLDERS platform
  EXCLUDE "/win_main\\.cpp$"
  LIBS ${KAC_PLATFORM_FREE_LIBS} comctl32 shlwapi ${KAC_DELAY_LOADED_LIBS} shell32 ole32 oleaut32 oleacc
       uuid advapi32 gdi32 user32 uxtheme windowscodecs)
kac_folder_library(kac_ui FOLDERS ui/dialogs ui/grid ui/controls
  EXCLUDE "/pattern[a-z_]*\\.cpp$" "/layout_rules\\.cpp$"
  LIBS kac_platform)
kac_folder_library(kac_components FOLDERS components LIBS kac_ui)
kac_folder_library(kac_editor FOLDERS editor EXCLUDE "/kestadvconfig_app\\.cpp$" "/window_position\\.cpp$"
  LIBS kac_ui kac_components)

add_executable(KestAdvConfig WIN32
  editor/kestadvconfig_app.cpp platform/win_main.cpp $<TARGET_OBJECTS:kac_resources>)
target_link_libraries(KestAdvConfig PRIVATE kac_editor)
# The sample definition file sits beside the built program, as the installer
# puts it, so the program in the build folder starts as a user's does.
configure_file(resources/kestadvconfig.xml ${CMAKE_BINARY_DIR}/kestadvconfig.xml COPYONLY)

# The definition-file checker for authors, when its sources are in the tree.
if(EXISTS ${PROJECT_SOURCE_DIR}/tools/kestadvcheck_main.cpp)
  file(GLOB KAC_TOOL_SOURCES CONFIGURE_DEPENDS tools/*.cpp)
  add_executable(KestAdvCheck ${KAC_TOOL_SOURCES} $<TARGET_OBJECTS:kac_resources>)
  target_link_libraries(KestAdvCheck PRIVATE kac_editor)
endif()

# Help file, portable zip and installer.
include(cmake/Packaging.cmake)

# --- tests -----------------------------------------------------------------
if(BUILD_TESTING)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  set(gtest_disable_pthreads OFF CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

  add_library(kac_test_support STATIC
    tests/support/test_main.cpp tests/support/message_pump.cpp tests/support/message_log.cpp
    tests/support/program_process.cpp tests/support/window_image.cpp tests/support/popup_watcher.cpp
    tests/support/registry_listing.cpp tests/support/temp_folder.cpp
    tests/support/registration_tool.cpp)
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

  # One executable per test folder that holds tests.
  foreach(area platform xml ui/dialogs ui/grid ui/controls components editor tools packaging)
    file(GLOB area_tests CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/tests/${area}/*_test.cpp)
    if(NOT area_tests)
      continue()
    endif()
    string(REPLACE "/" "_" area_name "${area}")
    file(GLOB area_support CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/tests/${area}/support/*.cpp)
    kac_add_test(${area_name}_tests SOURCES ${area_tests} ${area_support}
                 LIBS kac_editor kac_components kac_ui kac_platform)
    # Stand-ins for what lies outside the program (DLLs the tests build).
    if(EXISTS ${PROJECT_SOURCE_DIR}/tests/${area}/targets.cmake)
      include(${PROJECT_SOURCE_DIR}/tests/${area}/targets.cmake)
    endif()
  endforeach()
  # The program must import system DLLs only: the runtimes are linked in.
  add_test(NAME program_imports_system_dlls_only
           COMMAND ${CMAKE_OBJDUMP} -p $<TARGET_FILE:KestAdvConfig>)
  set_tests_properties(program_imports_system_dlls_only PROPERTIES
    PASS_REGULAR_EXPRESSION "DLL Name: KERNEL32.dll"
    FAIL_REGULAR_EXPRESSION "DLL Name: (libstdc|libgcc|libwinpthread|[^\n]*mingw)")
endif()

# Used by scripts/run to wait for the dialog and to close it.
add_executable(kac_window_tool scripts/window_tool.cpp)

# Used by scripts/tour to reach every screen of the program and picture it.
file(GLOB KAC_TOUR_SOURCES CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/tour/*.cpp)
add_executable(kac_tour ${KAC_TOUR_SOURCES} tests/editor/support/program_under_test.cpp
  tests/support/program_process.cpp tests/support/temp_folder.cpp tests/support/window_image.cpp
  tests/support/message_pump.cpp)
target_include_directories(kac_tour PRIVATE ${PROJECT_SOURCE_DIR})
target_link_libraries(kac_tour PRIVATE kac_platform)
add_dependencies(kac_tour KestAdvConfig kac_help)

# Benchmarks, when their folder defines them.
if(EXISTS ${PROJECT_SOURCE_DIR}/bench/targets.cmake)
  include(${PROJECT_SOURCE_DIR}/bench/targets.cmake)
endif()
