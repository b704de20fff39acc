# The Debian package (make package): the installed layout of cmake/Install.cmake,
# with the dependencies that dpkg-shlibdeps finds in the programs.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quorvex)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR Vorle)
set(CPACK_PACKAGE_CONTACT "Vorle <quorvex@vorle.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "compare folders, find duplicate files and empty items")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "A desktop file utility with a Japanese user interface. It compares two folders\n"
    "or two files (sizes, times, attributes and the share of matching content),\n"
    "finds files identical to one file or groups of duplicates down to a chosen\n"
    "similarity, and finds empty folders and zero-size files, which it deletes\n"
    "into a trash of its own. quorvex-cli runs the same searches from a terminal.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${QUORVEX_HOMEPAGE})
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's Japanese texts, the fonts the program's font names map to, the icon theme it
# names, and the image plugins by which the picture search also reads WebP and TIFF.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
    "qt6-translations-l10n, fonts-ipafont-gothic | fonts-noto-cjk, adwaita-icon-theme, qt6-image-formats-plugins")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

include(CPack)
