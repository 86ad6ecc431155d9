# The Debian package, quenk_<version>_<arch>.deb, by `cpack -G DEB` in a build configured with
# CMAKE_INSTALL_PREFIX=/usr (`make deb` does it all in build-deb/).
#
# No maintainer scripts: dpkg's file triggers, declared by the packages that own the caches
# (shared-mime-info, desktop-file-utils, the icon cache's, man-db), refresh the MIME database,
# the desktop entries' MIME cache, the icon cache and the manual index when the package puts
# files into their folders or takes them away.

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quenk)
set(CPACK_PACKAGE_VENDOR Ostrel)
set(CPACK_PACKAGE_VERSION ${QUENK_PACKAGE_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX ${CMAKE_INSTALL_PREFIX})
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "nonogram editor and solver")
set(CPACK_PACKAGE_DESCRIPTION
  "Quenk edits and solves nonograms, the paint-by-numbers puzzles also known as
griddlers or Japanese crosswords: pictures of up to 255 by 255 cells in up to
16 colours, described by the runs of numbers beside each row and column.
Draw a picture and let the program compute its numbers, type in the numbers
of a puzzle, solve it by hand, or let the program complete it by line
deduction or find every one of its solutions.

The package holds the desktop program, quenk, and the command-line tool
quenk-cli, which converts, checks and solves puzzles in scripts. Both read
and write five puzzle formats (JCC, JCR, JCW, JCP and PPIFF) and import and
export bitmaps.")

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_NAME quenk)
set(QUENK_DEB_MAINTAINER "Ostrel <ostrel@example.org>" CACHE STRING
    "The Maintainer field of the Debian package")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${QUENK_DEB_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The libraries the executables link come from dpkg-shlibdeps (dpkg-dev); Qt's platform
# plugins are loaded at run time, so the one for X11 and Wayland's X server is named here
# (the offscreen one comes with libqt6gui6).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
if(TARGET quenk)
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
endif()

include(CPack)
