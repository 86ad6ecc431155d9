# What `cmake --install` and the Debian package put where (GNUInstallDirs, the freedesktop
# places), and what the build makes for it: the HTML help beside the executable, the icons
# rendered at the hicolor theme's sizes, the manual pages and the package's changelog
# compressed as Debian wants them.

set(QUENK_PACKAGE_VERSION ${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.${PROJECT_VERSION_PATCH})
set(QUENK_PACKAGE_DOCDIR ${CMAKE_INSTALL_DATADIR}/doc/quenk)

# gzip -9n (no name, no time stamp) into the build folder: the same input gives the same bytes.
function(quenk_gzip source output)
  get_filename_component(name ${output} NAME)
  string(REGEX REPLACE "\\.gz$" "" plain ${output})
  add_custom_command(OUTPUT ${output}
    COMMAND ${CMAKE_COMMAND} -E copy ${source} ${plain}
    COMMAND gzip -9nf ${plain}
    DEPENDS ${source}
    COMMENT "Compressing ${name}" VERBATIM)
endfunction()

set(QUENK_DOCS_DIR ${CMAKE_CURRENT_BINARY_DIR}/docs)
quenk_gzip(${CMAKE_CURRENT_SOURCE_DIR}/resources/man/quenk-cli.1 ${QUENK_DOCS_DIR}/quenk-cli.1.gz)
quenk_gzip(${CMAKE_CURRENT_SOURCE_DIR}/resources/linux/changelog ${QUENK_DOCS_DIR}/changelog.gz)
set(QUENK_GENERATED_DOCS ${QUENK_DOCS_DIR}/quenk-cli.1.gz ${QUENK_DOCS_DIR}/changelog.gz)

install(TARGETS quenk-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${QUENK_DOCS_DIR}/quenk-cli.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES resources/linux/copyright ${QUENK_DOCS_DIR}/changelog.gz
  DESTINATION ${QUENK_PACKAGE_DOCDIR})
install(FILES resources/linux/lintian-overrides
  DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME quenk)

if(TARGET quenk)
  install(TARGETS quenk RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  quenk_gzip(${CMAKE_CURRENT_SOURCE_DIR}/resources/man/quenk.1 ${QUENK_DOCS_DIR}/quenk.1.gz)
  list(APPEND QUENK_GENERATED_DOCS ${QUENK_DOCS_DIR}/quenk.1.gz)
  install(FILES ${QUENK_DOCS_DIR}/quenk.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  file(GLOB QUENK_LANGUAGE_BUNDLES CONFIGURE_DEPENDS resources/UI_*.lang)
  install(FILES ${QUENK_LANGUAGE_BUNDLES} DESTINATION ${CMAKE_INSTALL_DATADIR}/quenk)
  install(FILES ${QUENK_LINUX_DESKTOP_FILE} DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${QUENK_LINUX_MIME_PACKAGE} DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)
  install(FILES ${QUENK_LINUX_METAINFO} DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
  install(FILES ${QUENK_LINUX_APP_ICON} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
  install(FILES ${QUENK_LINUX_MIME_ICONS} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/mimetypes)
endif()

option(QUENK_HELP_AND_ICONS
  "With the program, build and install the HTML help and the icons' PNG renders (needs python3-markdown and rsvg-convert)" ON)
if(TARGET quenk AND QUENK_HELP_AND_ICONS)
  # ---- the HTML help: help/user-guide.html beside the executable, with the pages it links to ----
  # python3-markdown installs into Debian's own Python, which need not be the first python3
  # on the PATH.
  if(NOT QUENK_PYTHON3)
    find_program(QUENK_PYTHON3_ON_PATH python3)
    foreach(candidate /usr/bin/python3 ${QUENK_PYTHON3_ON_PATH})
      execute_process(COMMAND ${candidate} -c "import markdown"
        RESULT_VARIABLE status OUTPUT_QUIET ERROR_QUIET)
      if(status EQUAL 0)
        set(QUENK_PYTHON3 ${candidate} CACHE FILEPATH "Python 3 with the markdown module" FORCE)
        break()
      endif()
    endforeach()
  endif()
  if(NOT QUENK_PYTHON3)
    message(FATAL_ERROR "The HTML help needs Python 3 with python3-markdown (scripts/install-deps.sh "
      "installs it); -DQUENK_HELP_AND_ICONS=OFF builds without the help and the icon renders")
  endif()
  find_program(QUENK_RSVG_CONVERT rsvg-convert)
  if(NOT QUENK_RSVG_CONVERT)
    message(FATAL_ERROR "The icons are rendered with rsvg-convert (librsvg2-bin; scripts/install-deps.sh "
      "installs it); -DQUENK_HELP_AND_ICONS=OFF builds without the help and the icon renders")
  endif()

  set(QUENK_HELP_DIR ${CMAKE_CURRENT_BINARY_DIR}/help)
  set(QUENK_HELP_PAGES user-guide file-formats settings-and-languages)
  set(help_sources)
  set(help_outputs)
  foreach(page ${QUENK_HELP_PAGES})
    list(APPEND help_sources ${CMAKE_CURRENT_SOURCE_DIR}/docs/${page}.md)
    list(APPEND help_outputs ${QUENK_HELP_DIR}/${page}.html)
  endforeach()
  file(GLOB help_images CONFIGURE_DEPENDS docs/images/*)
  add_custom_command(OUTPUT ${help_outputs}
    COMMAND ${CMAKE_COMMAND} -E rm -rf ${QUENK_HELP_DIR}
    COMMAND ${QUENK_PYTHON3} ${CMAKE_CURRENT_SOURCE_DIR}/cmake/render-help.py ${QUENK_HELP_DIR} ${help_sources}
    DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/cmake/render-help.py ${help_sources} ${help_images}
    COMMENT "HTML help" VERBATIM)
  add_custom_target(quenk_help ALL DEPENDS ${help_outputs})
  install(DIRECTORY ${QUENK_HELP_DIR}/ DESTINATION ${CMAKE_INSTALL_DATADIR}/quenk/help)

  # ---- icons: PNG renders of the SVGs for the theme's NxN folders ----
  set(QUENK_ICON_DIR ${CMAKE_CURRENT_BINARY_DIR}/icons/hicolor)
  set(icon_outputs)
  foreach(svg ${QUENK_LINUX_APP_ICON} ${QUENK_LINUX_MIME_ICONS})
    get_filename_component(name ${svg} NAME_WE)
    if(svg STREQUAL QUENK_LINUX_APP_ICON)
      set(context apps)
    else()
      set(context mimetypes)
    endif()
    foreach(size ${QUENK_ICON_SIZES})
      set(png ${QUENK_ICON_DIR}/${size}x${size}/${context}/${name}.png)
      add_custom_command(OUTPUT ${png}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${QUENK_ICON_DIR}/${size}x${size}/${context}
        COMMAND ${QUENK_RSVG_CONVERT} --width=${size} --height=${size} --output=${png}
                ${CMAKE_CURRENT_SOURCE_DIR}/${svg}
        DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${svg} VERBATIM)
      list(APPEND icon_outputs ${png})
      install(FILES ${png} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/${context})
    endforeach()
  endforeach()
  add_custom_target(quenk_icons ALL DEPENDS ${icon_outputs})
endif()
add_custom_target(quenk_docs ALL DEPENDS ${QUENK_GENERATED_DOCS})

# ---- checks of the above: the files agree with each other and with the formats, the
# validators Debian's tools run accept them, the help is whole, and the install puts every
# file in its place ----
if(QUENK_TESTS AND TARGET quenk AND QUENK_HELP_AND_ICONS)
  enable_testing()
  string(JOIN " " icon_sizes ${QUENK_ICON_SIZES})
  add_test(NAME Desktop.FilesAgree
    COMMAND ${QUENK_PYTHON3} ${CMAKE_CURRENT_SOURCE_DIR}/cmake/check-desktop-files.py
      ${CMAKE_CURRENT_SOURCE_DIR} ${QUENK_PACKAGE_VERSION} ${QUENK_ICON_DIR} "${icon_sizes}"
      ${QUENK_LINUX_FILES})
  add_test(NAME Desktop.HelpWhole
    COMMAND ${QUENK_PYTHON3} ${CMAKE_CURRENT_SOURCE_DIR}/cmake/check-help.py
      ${QUENK_HELP_DIR} ${CMAKE_CURRENT_SOURCE_DIR}/docs)
  add_test(NAME Desktop.InstallTree
    COMMAND ${QUENK_PYTHON3} ${CMAKE_CURRENT_SOURCE_DIR}/cmake/check-install.py
      ${CMAKE_COMMAND} ${CMAKE_CURRENT_BINARY_DIR} ${CMAKE_CURRENT_SOURCE_DIR} "${icon_sizes}")

  find_program(QUENK_DESKTOP_FILE_VALIDATE desktop-file-validate)
  find_program(QUENK_APPSTREAMCLI appstreamcli)
  find_program(QUENK_MAN man)
  if(QUENK_DESKTOP_FILE_VALIDATE)
    add_test(NAME Desktop.DesktopFileValid
      COMMAND ${QUENK_DESKTOP_FILE_VALIDATE} ${CMAKE_CURRENT_SOURCE_DIR}/${QUENK_LINUX_DESKTOP_FILE})
    set_tests_properties(Desktop.DesktopFileValid PROPERTIES FAIL_REGULAR_EXPRESSION "(error|warning):")
  endif()
  if(QUENK_APPSTREAMCLI)
    add_test(NAME Desktop.MetainfoValid
      COMMAND ${QUENK_APPSTREAMCLI} validate --no-net ${CMAKE_CURRENT_SOURCE_DIR}/${QUENK_LINUX_METAINFO})
  endif()
  if(QUENK_MAN)
    # As lintian reads them: any complaint of troff's fails.
    foreach(page quenk quenk-cli)
      add_test(NAME Desktop.ManPage.${page}
        COMMAND sh -c "LC_ALL=C.UTF-8 MANROFFSEQ= MANWIDTH=80 \"$0\" --warnings -E UTF-8 -l -Tutf8 -Z \"$1\" 2>&1 >/dev/null"
          ${QUENK_MAN} ${CMAKE_CURRENT_SOURCE_DIR}/resources/man/${page}.1)
      set_tests_properties(Desktop.ManPage.${page} PROPERTIES FAIL_REGULAR_EXPRESSION ".")
    endforeach()
  endif()
  if(NOT QUENK_DESKTOP_FILE_VALIDATE OR NOT QUENK_APPSTREAMCLI OR NOT QUENK_MAN)
    message(STATUS "Some checks of the desktop files are left out: desktop-file-validate, "
      "appstreamcli or man is missing (scripts/install-deps.sh installs them)")
  endif()
endif()
