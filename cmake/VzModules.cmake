# Each subsystem folder builds one static library of GUI-free code (vz_<name>)
# and, when it has windows, one of widget code (vz_<name>_ui). Sources are taken
# from the folder itself, so adding a file needs no edit here. The aggregate
# targets `core` and `ui` link every module of their layer.

set_property(GLOBAL PROPERTY VZ_CORE_MODULES "")
set_property(GLOBAL PROPERTY VZ_UI_MODULES "")

# vz_core_module(<name> [DEPS <targets>...] [QT <components>...] [FOLDER <dir>]
#                [OPTIONS <private compile options>...])
function(vz_core_module name)
  cmake_parse_arguments(ARG "" "FOLDER" "DEPS;QT;OPTIONS" ${ARGN})
  if(NOT ARG_FOLDER)
    set(ARG_FOLDER ${CMAKE_CURRENT_SOURCE_DIR})
  endif()
  file(GLOB srcs CONFIGURE_DEPENDS ${ARG_FOLDER}/*.cpp ${ARG_FOLDER}/*.h)
  if(NOT srcs MATCHES "\\.cpp")
    # A folder whose code is still to come: keep the target so dependants link.
    add_library(vz_${name} INTERFACE)
    target_include_directories(vz_${name} INTERFACE ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(vz_${name} INTERFACE Qt6::Core ${ARG_DEPS})
    return()
  endif()
  add_library(vz_${name} STATIC ${srcs})
  set_target_properties(vz_${name} PROPERTIES AUTOMOC ON)
  target_include_directories(vz_${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_compile_definitions(vz_${name} PRIVATE QT_NO_CAST_FROM_ASCII QT_NO_CAST_TO_ASCII)
  target_compile_options(vz_${name} PRIVATE ${ARG_OPTIONS})
  target_link_libraries(vz_${name} PUBLIC Qt6::Core ${ARG_DEPS})
  foreach(c ${ARG_QT})
    target_link_libraries(vz_${name} PUBLIC Qt6::${c})
  endforeach()
  set_property(GLOBAL APPEND PROPERTY VZ_CORE_MODULES vz_${name})
endfunction()

# vz_ui_module(<name> [DEPS <targets>...] [FOLDER <dir>])
function(vz_ui_module name)
  cmake_parse_arguments(ARG "" "FOLDER" "DEPS" ${ARGN})
  if(NOT ARG_FOLDER)
    set(ARG_FOLDER ${CMAKE_CURRENT_SOURCE_DIR}/ui)
  endif()
  file(GLOB srcs CONFIGURE_DEPENDS ${ARG_FOLDER}/*.cpp ${ARG_FOLDER}/*.h)
  if(NOT srcs MATCHES "\\.cpp")
    add_library(vz_${name}_ui INTERFACE)
    target_include_directories(vz_${name}_ui INTERFACE ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(vz_${name}_ui INTERFACE Qt6::Widgets ${ARG_DEPS})
    return()
  endif()
  add_library(vz_${name}_ui STATIC ${srcs})
  set_target_properties(vz_${name}_ui PROPERTIES AUTOMOC ON)
  target_include_directories(vz_${name}_ui PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(vz_${name}_ui PUBLIC Qt6::Widgets ${ARG_DEPS})
  set_property(GLOBAL APPEND PROPERTY VZ_UI_MODULES vz_${name}_ui)
endfunction()

# vz_add_test(<name> SOURCES <files>... [LIBS <targets>...])
# Every test runs headless, with its own settings folder and scratch folder.
function(vz_add_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  set_target_properties(${name} PROPERTIES AUTOMOC ON)
  target_link_libraries(${name} PRIVATE Qt6::Test vz_testsupport ${ARG_LIBS})
  # A fresh settings and runtime folder for every run, so no run sees what an
  # earlier one left behind.
  set(cfg ${CMAKE_BINARY_DIR}/testhome/${name})
  add_test(NAME ${name} COMMAND sh -c
    "rm -rf \"$0\" && mkdir -p \"$0/config\" \"$0/run\" && chmod 700 \"$0/run\" && exec \"$1\""
    ${cfg} $<TARGET_FILE:${name}>)
  set_tests_properties(${name} PROPERTIES ENVIRONMENT
    "QT_QPA_PLATFORM=offscreen;XDG_CONFIG_HOME=${cfg}/config;XDG_RUNTIME_DIR=${cfg}/run;VZ_TEST_DATA=${PROJECT_SOURCE_DIR}/tests/data;VZ_SOURCE_DIR=${PROJECT_SOURCE_DIR};VZ_PYTHON=/usr/bin/python3"
    TIMEOUT 600)
endfunction()
