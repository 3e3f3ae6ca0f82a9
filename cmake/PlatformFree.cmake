# Libraries that include no Windows header: built into the program and,
# natively, for sanitizers and fuzzers.
set(KAC_PLATFORM_FREE_LIBS "")

if(EXISTS ${PROJECT_SOURCE_DIR}/xml/xml_reader.cpp)
  file(GLOB KAC_XML_SOURCES CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/xml/xml_*.cpp)
  add_library(kac_xml STATIC ${KAC_XML_SOURCES})
  target_include_directories(kac_xml PUBLIC ${PROJECT_SOURCE_DIR})
  list(APPEND KAC_PLATFORM_FREE_LIBS kac_xml)
endif()

if(EXISTS ${PROJECT_SOURCE_DIR}/ui/controls/pattern.cpp)
  file(GLOB KAC_PATTERN_SOURCES CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/ui/controls/pattern*.cpp)
  add_library(kac_pattern STATIC ${KAC_PATTERN_SOURCES})
  target_include_directories(kac_pattern PUBLIC ${PROJECT_SOURCE_DIR})
  list(APPEND KAC_PLATFORM_FREE_LIBS kac_pattern)
endif()

if(EXISTS ${PROJECT_SOURCE_DIR}/ui/dialogs/layout_rules.cpp)
  add_library(kac_layout STATIC ${PROJECT_SOURCE_DIR}/ui/dialogs/layout_rules.cpp)
  target_include_directories(kac_layout PUBLIC ${PROJECT_SOURCE_DIR})
  list(APPEND KAC_PLATFORM_FREE_LIBS kac_layout)
endif()

if(EXISTS ${PROJECT_SOURCE_DIR}/editor/window_position.cpp)
  add_library(kac_window_position STATIC ${PROJECT_SOURCE_DIR}/editor/window_position.cpp)
  target_include_directories(kac_window_position PUBLIC ${PROJECT_SOURCE_DIR})
  list(APPEND KAC_PLATFORM_FREE_LIBS kac_window_position)
endif()
