# The Debian package: `cpack -G DEB` in a build configured with CMAKE_INSTALL_PREFIX=/usr
# (scripts/build-deb.sh does both) makes marklow_VERSION_ARCH.deb from what `cmake --install`
# puts under the prefix.
set(CPACK_PACKAGE_NAME marklow)
set(CPACK_PACKAGE_VENDOR Brindlecraft)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Brindlecraft <marklow@brindlecraft.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "gradebook for teachers")
# The extended description; CPack indents it and puts the summary above as the synopsis.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
"Marklow keeps one class per file: students in rows, graded items in
columns, entries typed as points or letters. It computes weighted
category averages with drop-the-lowest, extra credit, curves and letter
grades as the teacher types, checks the gradebook for mistyped entries,
draws charts and statistics, protects a file with a password and prints
the gradebook and each student's progress report.

The package also holds marklow-cli, which reads, checks, converts and
prints gradebooks from a terminal.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://brindlecraft.com/marklow/")
# The libraries the programs link come from dpkg-shlibdeps; what Qt loads at run time does not
# show there: the platform plugins that open a window, the SQLite driver
# that the help collection needs, and the fonts whose widths the printed reports are laid out in.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, libqt6sql6-sqlite, fonts-liberation2")
# Fonts that hold the names of every script, for the reports' PDFs.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, fonts-noto-core, fonts-noto-cjk, fonts-symbola, fonts-noto-color-emoji")
# Stripped as dh_strip strips, the notes and comments the compiler leaves included.
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/StripForPackage.cmake)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_SOURCE_GENERATOR "")
include(CPack)
