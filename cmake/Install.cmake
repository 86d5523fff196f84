# SPDX-License-Identifier: GPL-3.0-or-later
# Install rules (cmake --install) and the Debian package (make package).
include(GNUInstallDirs)

set(PILECALC_APP_ID org.example.pilecalc)
set(PILECALC_PACKAGING_DIR ${PROJECT_SOURCE_DIR}/packaging)
# The install step builds only what it installs, so `make package` never
# compiles the tests even in a build folder that has them switched on.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)

if(TARGET pilecalc)
  install(TARGETS pilecalc RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()

if(WIN32)
  # Beside the program, as Windows installers and zip files carry it.
  install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION . RENAME LICENSE.txt)
else()
  install(FILES ${PILECALC_PACKAGING_DIR}/${PILECALC_APP_ID}.desktop
          DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${PILECALC_PACKAGING_DIR}/${PILECALC_APP_ID}.metainfo.xml
          DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
  install(FILES ${PILECALC_PACKAGING_DIR}/icons/pilecalc.svg
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps RENAME ${PILECALC_APP_ID}.svg)
  foreach(size 48 128 256)
    install(FILES ${PILECALC_PACKAGING_DIR}/icons/pilecalc-${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps RENAME ${PILECALC_APP_ID}.png)
  endforeach()
  # The licence as Debian keeps it: the copyright file states it and points to
  # the GPL-3 text every Debian system has; elsewhere the full text goes along.
  install(FILES ${PILECALC_PACKAGING_DIR}/copyright DESTINATION ${CMAKE_INSTALL_DOCDIR})
  install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION ${CMAKE_INSTALL_DATADIR}/licenses/pilecalc)
  find_program(PILECALC_GZIP gzip)
  if(PILECALC_GZIP)
    # -n: no name or time stamp inside, so the package is reproducible. Made
    # when CMake runs, and again whenever either file changes.
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
                 ${PILECALC_PACKAGING_DIR}/changelog ${PILECALC_PACKAGING_DIR}/pilecalc.1)
    execute_process(COMMAND ${PILECALC_GZIP} -9nc ${PILECALC_PACKAGING_DIR}/changelog
                    OUTPUT_FILE ${PROJECT_BINARY_DIR}/changelog.gz)
    execute_process(COMMAND ${PILECALC_GZIP} -9nc ${PILECALC_PACKAGING_DIR}/pilecalc.1
                    OUTPUT_FILE ${PROJECT_BINARY_DIR}/pilecalc.1.gz)
    install(FILES ${PROJECT_BINARY_DIR}/changelog.gz DESTINATION ${CMAKE_INSTALL_DOCDIR})
    install(FILES ${PROJECT_BINARY_DIR}/pilecalc.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  endif()
endif()

set(CPACK_PACKAGE_NAME pilecalc)
set(CPACK_PACKAGE_VENDOR "pilecalc developers")
set(CPACK_PACKAGE_CONTACT "pilecalc developers <pilecalc@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "bearing capacity of rock-socketed piles (JTS 167-4-2012)")
set(CPACK_PACKAGE_DESCRIPTION
    "A desktop calculator for the axial compressive bearing capacity of one
rock-socketed bored pile after formula 4.2.4-4 of JTS 167-4-2012
(嵌岩桩承载力计算). It keeps every pile in a calculation book and a
summary table that are saved as text files, and enumerates ranges of
diameter, socket depth and rock strength in an optimisation mode.")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${PROJECT_HOMEPAGE_URL})
# The libraries' packages come from the program's own links; the report
# fonts and Qt's Chinese dialog texts are loaded at run time.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-wqy-zenhei, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
