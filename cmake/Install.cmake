# What `cmake --install` lays out: the programs, the desktop entry with its icon, the
# AppStream metainfo, the man pages, the bash completion and the package documents.
# The help document installs from src/help.
include(GNUInstallDirs)

set(QUORVEX_HOMEPAGE "https://vorle.example/quorvex/" CACHE STRING
    "The program's web site, ending in /; the metainfo's screenshots are its docs/screenshots/")
set(QUORVEX_SCREENSHOTS_URL "${QUORVEX_HOMEPAGE}docs/screenshots/")
set(QUORVEX_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/quorvex)
set(QUORVEX_HELP_PATH ${CMAKE_INSTALL_FULL_DATADIR}/quorvex/Help/Quorvex.htm)

install(TARGETS quorvex quorvex-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# The picture decoder quorvex-cli loads for dups --pictures.
install(TARGETS quorvex-pictures LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}/quorvex)

install(FILES assets/${QUORVEX_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES assets/icons/quorvex.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
        RENAME ${QUORVEX_APP_ID}.svg)
foreach(size 16 24 32 48 64 128 256)
  install(FILES assets/icons/quorvex-${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
          RENAME ${QUORVEX_APP_ID}.png)
endforeach()

configure_file(assets/${QUORVEX_APP_ID}.metainfo.xml.in
               ${CMAKE_BINARY_DIR}/${QUORVEX_APP_ID}.metainfo.xml @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/${QUORVEX_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

install(FILES assets/completion/quorvex-cli
        DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions)

# Man pages and the changelog are installed compressed, without time stamps, as
# Debian packages carry them.
function(quorvex_gzip_copy source output)
  add_custom_command(OUTPUT ${output}
    COMMAND gzip -9n -c ${source} > ${output}
    DEPENDS ${source})
  set_property(GLOBAL APPEND PROPERTY QUORVEX_GZIP_OUTPUTS ${output})
endfunction()

foreach(page quorvex quorvex-cli)
  configure_file(docs/man/${page}.1.in ${CMAKE_BINARY_DIR}/man/${page}.1 @ONLY)
  quorvex_gzip_copy(${CMAKE_BINARY_DIR}/man/${page}.1 ${CMAKE_BINARY_DIR}/man/${page}.1.gz)
  install(FILES ${CMAKE_BINARY_DIR}/man/${page}.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endforeach()

quorvex_gzip_copy(${PROJECT_SOURCE_DIR}/packaging/changelog ${CMAKE_BINARY_DIR}/changelog.gz)
install(FILES ${CMAKE_BINARY_DIR}/changelog.gz packaging/copyright DESTINATION ${QUORVEX_DOC_DIR})

get_property(quorvex_gzip_outputs GLOBAL PROPERTY QUORVEX_GZIP_OUTPUTS)
add_custom_target(quorvex_install_files ALL DEPENDS ${quorvex_gzip_outputs})

# Installing and packaging build nothing themselves: `make package` builds the
# programs and the files above first, so that a package never waits for the tests.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)
