# Helpers that keep every subsystem's build description to a few lines.
#
# quorvex_core_library(NAME SOURCES ... [DEPS ...])
#   A static library of Qt-free engine code. Part of the aggregate `quorvex_core`.
#   A Qt include in such a library fails to build: Qt is not on its include path.
# quorvex_desktop_library(NAME SOURCES ... [DEPS ...])
#   A static library of Qt Widgets code (AUTOMOC on). Part of `quorvex_desktop`.
# quorvex_test(NAME SOURCES ... LIBS ... [GUI] [LABELS label...])
#   A GoogleTest executable registered with CTest. GUI tests get the offscreen
#   platform and a QApplication (tests/support/GuiTestMain.cpp). Tests labelled
#   `long` run only on request (ctest -L long).

set_property(GLOBAL PROPERTY QUORVEX_CORE_LIBS "")
set_property(GLOBAL PROPERTY QUORVEX_DESKTOP_LIBS "")

function(quorvex_core_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(${name} PUBLIC ${ARG_DEPS})
  set_property(GLOBAL APPEND PROPERTY QUORVEX_CORE_LIBS ${name})
endfunction()

function(quorvex_desktop_library name)
  if(NOT QUORVEX_DESKTOP)
    return() # a build without Qt (Windows) makes the core only
  endif()
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  set_target_properties(${name} PROPERTIES AUTOMOC ON AUTORCC ON)
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(${name} PUBLIC Qt6::Widgets ${ARG_DEPS})
  set_property(GLOBAL APPEND PROPERTY QUORVEX_DESKTOP_LIBS ${name})
endfunction()

macro(quorvex_finish_aggregates)
  get_property(_core GLOBAL PROPERTY QUORVEX_CORE_LIBS)
  get_property(_desk GLOBAL PROPERTY QUORVEX_DESKTOP_LIBS)
  add_library(quorvex_core INTERFACE)
  target_link_libraries(quorvex_core INTERFACE ${_core})
  add_library(quorvex_desktop INTERFACE)
  target_link_libraries(quorvex_desktop INTERFACE ${_desk} quorvex_core)
endmacro()

# How a test program is started: under `env` with a fixed environment, and for the
# Windows cross build under Wine, in a prefix of the build's own, with a Japanese
# locale (the ANSI code page is then 932); Wine's Recycle Bin is the desktop trash
# below XDG_DATA_HOME. A native Windows build runs its tests as they are.
if(WIN32 AND CMAKE_CROSSCOMPILING)
  set(QUORVEX_TEST_LAUNCHER env WINEPREFIX=${CMAKE_BINARY_DIR}/wine-prefix WINEDEBUG=-all
      LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8 TZ=Asia/Tokyo
      XDG_DATA_HOME=${CMAKE_BINARY_DIR}/test-data-home wine)
elseif(WIN32)
  set(QUORVEX_TEST_LAUNCHER "")
else()
  set(QUORVEX_TEST_LAUNCHER env LC_ALL=C.UTF-8 TZ=Asia/Tokyo QT_QPA_PLATFORM=offscreen
      XDG_RUNTIME_DIR=${CMAKE_BINARY_DIR}/test-runtime
      QUORVEX_CONFIG_HOME=${CMAKE_BINARY_DIR}/test-config
      QUORVEX_DATA_DIR=${CMAKE_BINARY_DIR}/test-data/
      QUORVEX_CACHE=${CMAKE_BINARY_DIR}/test-cache/cache.sqlite)
endif()

function(quorvex_test name)
  cmake_parse_arguments(ARG "GUI" "" "SOURCES;LIBS;LABELS" ${ARGN})
  if(ARG_GUI AND NOT QUORVEX_DESKTOP)
    return()
  endif()
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE quorvex_test_support ${ARG_LIBS} GTest::gtest GTest::gmock)
  if(ARG_GUI)
    set_target_properties(${name} PROPERTIES AUTOMOC ON)
    target_link_libraries(${name} PRIVATE quorvex_gui_test_main Qt6::Widgets Qt6::Test)
    if(WIN32)
      # A static Qt links the plugins asked for: the tests draw offscreen only.
      get_target_property(qt_type Qt6::Core TYPE)
      if(qt_type STREQUAL "STATIC_LIBRARY")
        qt_import_plugins(${name} INCLUDE_BY_TYPE platforms Qt6::QOffscreenIntegrationPlugin)
      endif()
      list(APPEND ARG_LABELS desktop)
    endif()
  else()
    target_link_libraries(${name} PRIVATE GTest::gtest_main)
  endif()
  # A Windows build with Qt runs its tests labelled desktop under Wine.
  if(WIN32 AND "desktop" IN_LIST ARG_LABELS)
    set_property(GLOBAL APPEND PROPERTY QUORVEX_DESKTOP_TESTS ${name})
  endif()
  # gtest_discover_tests splits a list given as ENVIRONMENT property into separate
  # properties (only the first variable would be set), so every test runs under
  # `env` with the whole list instead.
  if(QUORVEX_TEST_LAUNCHER)
    set_target_properties(${name} PROPERTIES CROSSCOMPILING_EMULATOR "${QUORVEX_TEST_LAUNCHER}")
  endif()
  if(CMAKE_CROSSCOMPILING)
    # Every start under Wine costs about a second: one CTest test per program.
    add_test(NAME ${name} COMMAND ${name})
    if(ARG_LABELS)
      set_tests_properties(${name} PROPERTIES LABELS "${ARG_LABELS}")
    endif()
  elseif(ARG_LABELS)
    gtest_discover_tests(${name} DISCOVERY_TIMEOUT 30 PROPERTIES LABELS "${ARG_LABELS}")
  else()
    gtest_discover_tests(${name} DISCOVERY_TIMEOUT 30)
  endif()
endfunction()
