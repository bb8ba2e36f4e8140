# Installation into the desktop (launcher, icons, AppStream data), the
# documentation a Debian package carries, and the package built by CPack.

include(GNUInstallDirs)
include(${CMAKE_CURRENT_LIST_DIR}/Changelog.cmake)

# Names the launcher, the AppStream data and, through the program, the
# windows, so that the desktop ties them together.
set(KALVORA_APP_ID "org.example.merovin.kalvora")
target_compile_definitions(kalvora_lib PRIVATE KALVORA_APP_ID="${KALVORA_APP_ID}")
set(KALVORA_MAINTAINER "Merovin <info@merovin.example.org>")
set(KALVORA_ICON_SVG "${CMAKE_SOURCE_DIR}/resources/icons/kalvora.svg")
set(KALVORA_ICON_SIZES 16 22 24 32 48 64 128 256)

install(TARGETS kalvora RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES "${CMAKE_SOURCE_DIR}/packaging/${KALVORA_APP_ID}.desktop"
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)

# What is generated lands here: the AppStream data with its releases, the
# manual page, the copyright file and the changelog.
set(paket "${CMAKE_BINARY_DIR}/packaging")
kalvora_changelog("${CMAKE_SOURCE_DIR}/CHANGELOG.md" "${paket}/changelog" "${KALVORA_MAINTAINER}")
configure_file("${CMAKE_SOURCE_DIR}/packaging/${KALVORA_APP_ID}.metainfo.xml.in"
               "${paket}/${KALVORA_APP_ID}.metainfo.xml" @ONLY)
configure_file("${CMAKE_SOURCE_DIR}/packaging/kalvora.1.in" "${paket}/kalvora.1" @ONLY)

# The copyright file quotes LICENSE, so the licence is written down once.
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${CMAKE_SOURCE_DIR}/LICENSE")
file(READ "${CMAKE_SOURCE_DIR}/LICENSE" lizenz)
if(NOT lizenz MATCHES "Copyright \\(c\\) ([^\n]+)\n+(.+)$")
  message(FATAL_ERROR "LICENSE: no \"Copyright (c)\" line followed by the licence text")
endif()
set(KALVORA_COPYRIGHT "${CMAKE_MATCH_1}")
string(STRIP "${CMAKE_MATCH_2}" lizenz)
string(REGEX REPLACE "\n\n+" "\n.\n" lizenz "${lizenz}")
string(REPLACE "\n" "\n " KALVORA_LICENSE_TEXT " ${lizenz}")
configure_file("${CMAKE_SOURCE_DIR}/packaging/copyright.in" "${paket}/copyright" @ONLY)

find_program(GZIP gzip REQUIRED)
set(gepackt)
foreach(datei changelog kalvora.1)
  add_custom_command(
    OUTPUT "${paket}/${datei}.gz"
    COMMAND ${GZIP} -9nkf "${paket}/${datei}"
    DEPENDS "${paket}/${datei}"
    VERBATIM)
  list(APPEND gepackt "${paket}/${datei}.gz")
endforeach()
add_custom_target(kalvora_paketdateien ALL DEPENDS ${gepackt})

install(FILES "${paket}/${KALVORA_APP_ID}.metainfo.xml" DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES "${paket}/kalvora.1.gz" DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES "${paket}/copyright" "${paket}/changelog.gz" DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/kalvora)
install(FILES "${CMAKE_SOURCE_DIR}/packaging/lintian-overrides"
        DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME kalvora)

# The PNG sizes are rendered from the one SVG at build time, so the icon has a
# single source. Not needed for fuzzing builds, which are never installed.
if(NOT EXISTS "${KALVORA_ICON_SVG}")
  message(WARNING "No program icon at ${KALVORA_ICON_SVG}; the installation will lack icons")
elseif(NOT KALVORA_FUZZ)
  set(symbol_pngs)
  foreach(n IN LISTS KALVORA_ICON_SIZES)
    set(png "${CMAKE_BINARY_DIR}/icons/hicolor/${n}x${n}/apps/kalvora.png")
    add_custom_command(
      OUTPUT "${png}"
      COMMAND ${CMAKE_COMMAND} -E make_directory "${CMAKE_BINARY_DIR}/icons/hicolor/${n}x${n}/apps"
      # A sanitizer build must not fail on the leak report of a build helper.
      COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0
              $<TARGET_FILE:kalvora_bilder_zeichnen> "${KALVORA_ICON_SVG}" ${n} "${png}"
      DEPENDS kalvora_bilder_zeichnen "${KALVORA_ICON_SVG}"
      COMMENT "Rendering the ${n}x${n} program icon"
      VERBATIM)
    list(APPEND symbol_pngs "${png}")
  endforeach()
  add_custom_target(kalvora_symbole_png ALL DEPENDS ${symbol_pngs})

  install(FILES "${KALVORA_ICON_SVG}" DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
  install(DIRECTORY "${CMAKE_BINARY_DIR}/icons/hicolor" DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)
endif()

set(CPACK_GENERATOR "DEB")
set(CPACK_PACKAGE_NAME "kalvora")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_VENDOR "Merovin")
set(CPACK_PACKAGE_CONTACT "${KALVORA_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "financial calculator for interest, loans, VAT, shares and euro")
set(CPACK_PACKAGE_DESCRIPTION
    "Kalvora is a financial calculator for private users, with a German user\n\
interface. It computes simple and compound interest, instalment savings,\n\
present values and annuities, annuity loans, value added tax and the\n\
settlement of share purchases and sales, and converts between the euro and\n\
the eleven currencies with a fixed euro rate. For every calculation it\n\
shows the formulas and prints a result report through a print preview.")
set(CPACK_PACKAGE_FILE_NAME "kalvora_${PROJECT_VERSION}_amd64")
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")

set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${KALVORA_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION "math")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://www.merovin.example.org")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# dpkg-shlibdeps names the Qt libraries the binary links, with their versions
# (the platform plugins come with libqt6gui6); the report's fonts are no
# library and have to be named.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")

include(CPack)
