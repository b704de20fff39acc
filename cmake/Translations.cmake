# The English catalogue of the desktop program. translations/quorvex_en.ts holds the
# source texts (the Japanese of the code) with their English; lrelease compiles it at
# build time into translations/quorvex_en.qm beside the programs (the host's
# lrelease, also for a cross build: Debian's qt6-l10n-tools). The target `lupdate`
# refreshes the .ts from the sources; the test `translations_complete` fails while a
# text of it has no finished English.
include(GNUInstallDirs)

find_program(QUORVEX_LRELEASE lrelease HINTS /usr/lib/qt6/bin NO_CMAKE_FIND_ROOT_PATH REQUIRED)
find_program(QUORVEX_LUPDATE lupdate HINTS /usr/lib/qt6/bin NO_CMAKE_FIND_ROOT_PATH REQUIRED)

set(QUORVEX_TS ${PROJECT_SOURCE_DIR}/translations/quorvex_en.ts)
set(QUORVEX_QM ${CMAKE_BINARY_DIR}/translations/quorvex_en.qm)
add_custom_command(OUTPUT ${QUORVEX_QM}
  COMMAND ${QUORVEX_LRELEASE} -silent ${QUORVEX_TS} -qm ${QUORVEX_QM}
  DEPENDS ${QUORVEX_TS} VERBATIM)
add_custom_target(quorvex_translations ALL DEPENDS ${QUORVEX_QM})
add_dependencies(quorvex quorvex_translations)

add_custom_target(lupdate
  COMMAND ${QUORVEX_LUPDATE} -locations none -no-obsolete -no-ui-lines
          -source-language ja -target-language en
          ${PROJECT_SOURCE_DIR}/src -ts ${QUORVEX_TS}
  VERBATIM)

if(NOT CMAKE_CROSSCOMPILING)
  add_test(NAME translations_complete
    COMMAND ${QUORVEX_LRELEASE} ${QUORVEX_TS} -qm ${CMAKE_CURRENT_BINARY_DIR}/translations-check.qm)
  set_tests_properties(translations_complete PROPERTIES
    PASS_REGULAR_EXPRESSION "\\(([0-9]+) finished and 0 unfinished\\)"
    FAIL_REGULAR_EXPRESSION "untranslated|[1-9][0-9]* unfinished")
endif()

# A Windows installation is one folder: the catalogue goes into translations\ beside
# the programs, where the program looks first.
if(WIN32)
  set(QUORVEX_TRANSLATIONS_INSTALL_DIR translations)
else()
  set(QUORVEX_TRANSLATIONS_INSTALL_DIR ${CMAKE_INSTALL_DATADIR}/quorvex/translations)
endif()
install(FILES ${QUORVEX_QM} DESTINATION ${QUORVEX_TRANSLATIONS_INSTALL_DIR})
# The installed folder as seen from the installed programs' folder.
file(RELATIVE_PATH quorvex_translations_from_program ${CMAKE_INSTALL_FULL_BINDIR}
  ${CMAKE_INSTALL_FULL_DATADIR}/quorvex/translations)
target_compile_definitions(quorvex_app PRIVATE
  QUORVEX_TRANSLATIONS_DIR_FROM_PROGRAM="/${quorvex_translations_from_program}")
