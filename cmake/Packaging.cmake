# Installation into the desktop (launcher, icons, AppStream data) and the
# Debian package built from it by CPack.

include(GNUInstallDirs)

set(KALVORA_APP_ID "org.example.merovin.Kalvora")
set(KALVORA_ICON_SVG "${CMAKE_SOURCE_DIR}/resources/icons/kalvora.svg")
set(KALVORA_ICON_SIZES 16 22 24 32 48 64 128 256)

install(TARGETS kalvora RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES "${CMAKE_SOURCE_DIR}/packaging/${KALVORA_APP_ID}.desktop"
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES "${CMAKE_SOURCE_DIR}/packaging/${KALVORA_APP_ID}.metainfo.xml"
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# The PNG sizes are rendered from the one SVG at build time, so the icon has a
# single source. Not needed for fuzzing builds, which are never installed.
if(NOT EXISTS "${KALVORA_ICON_SVG}")
  message(WARNING "No program icon at ${KALVORA_ICON_SVG}; the installation will lack icons")
elseif(NOT KALVORA_FUZZ)
  add_executable(kalvora_symbole packaging/SymbolRendern.cpp)
  target_link_libraries(kalvora_symbole PRIVATE Qt6::Gui Qt6::Svg)

  set(symbol_pngs)
  foreach(n IN LISTS KALVORA_ICON_SIZES)
    set(png "${CMAKE_BINARY_DIR}/icons/hicolor/${n}x${n}/apps/kalvora.png")
    add_custom_command(
      OUTPUT "${png}"
      COMMAND ${CMAKE_COMMAND} -E make_directory "${CMAKE_BINARY_DIR}/icons/hicolor/${n}x${n}/apps"
      # A sanitizer build must not fail on the leak report of a build helper.
      COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0
              $<TARGET_FILE:kalvora_symbole> "${KALVORA_ICON_SVG}" ${n} "${png}"
      DEPENDS kalvora_symbole "${KALVORA_ICON_SVG}"
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
set(CPACK_PACKAGE_CONTACT "Merovin <info@merovin.example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Finanzrechner für Zinsen, Darlehen, Mehrwertsteuer, Aktien und Euro")
set(CPACK_PACKAGE_DESCRIPTION
    "Kalvora ist ein deutschsprachiger Finanzrechner für private Anwender.\n\
Er berechnet einfache Zinsen und Zinseszinsen, Raten- und Barwerte,\n\
Annuitätendarlehen, die Mehrwertsteuer, die Abrechnung von Aktienkäufen\n\
und -verkäufen und rechnet zwischen Euro und den alten Euro-Währungen um.\n\
Zu jeder Rechnung zeigt er die Formeln und druckt einen Ergebnisbericht.")
set(CPACK_PACKAGE_FILE_NAME "kalvora_${PROJECT_VERSION}_amd64")
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")

set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Merovin <info@merovin.example.org>")
set(CPACK_DEBIAN_PACKAGE_SECTION "misc")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://www.merovin.example.org")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# dpkg-shlibdeps adds versioned entries for what the binary links; the named
# ones stay so that the package also says which plugins and fonts it needs.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libqt6core6, libqt6gui6, libqt6widgets6, libqt6printsupport6, libqt6svg6, qt6-qpa-plugins, fonts-liberation2")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")

include(CPack)
