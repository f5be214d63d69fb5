# What `cmake --install` puts in place, and the Debian package made from it by CPack.
# Every desktop file is named after the application id.
include(GNUInstallDirs)

set(ORMISTO_ID de.tolvane.Ormisto)
set(ORMISTO_MIME application/x-ormisto-daten)
set(daten ${PROJECT_SOURCE_DIR}/data)
set(erzeugt ${PROJECT_BINARY_DIR}/data)

install(TARGETS ormisto-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(TARGET ormisto)
  install(TARGETS ormisto RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()

# Desktop entry, MIME type, icon.
install(FILES ${daten}/${ORMISTO_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${daten}/${ORMISTO_ID}.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)
install(FILES ${daten}/icons/${ORMISTO_ID}.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(groesse 16 22 24 32 48 64 128 256)
  install(FILES ${daten}/icons/${groesse}x${groesse}/${ORMISTO_ID}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${groesse}x${groesse}/apps)
endforeach()

# AppStream metadata. scripts/bildschirmfotos writes the screenshot entries beside the
# pictures; without them the metadata has none.
set(ORMISTO_BILDSCHIRMFOTOS "")
set(fotos ${daten}/bildschirmfotos/screenshots.xml)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${fotos})
if(EXISTS ${fotos})
  file(READ ${fotos} ORMISTO_BILDSCHIRMFOTOS)
endif()
configure_file(${daten}/${ORMISTO_ID}.metainfo.xml.in ${erzeugt}/${ORMISTO_ID}.metainfo.xml
               @ONLY)
install(FILES ${erzeugt}/${ORMISTO_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# Manual pages. The page of ormisto-cli is made from the built program's --help.
set(handbuch ${PROJECT_SOURCE_DIR}/cmake/OrmistoHandbuch.cmake)
add_custom_command(
  OUTPUT ${erzeugt}/ormisto.1.gz
  COMMAND ${CMAKE_COMMAND} -DVORLAGE=${daten}/man/ormisto.1.in -DAUS=${erzeugt}/ormisto.1.gz
          -DVERSION=${PROJECT_VERSION} -DDATUM=${ORMISTO_RELEASE_DATUM} -P ${handbuch}
  DEPENDS ${daten}/man/ormisto.1.in ${handbuch}
  COMMENT "Handbuchseite ormisto(1)"
  VERBATIM)
# Leak checks of a sanitizer build have no business failing the build.
add_custom_command(
  OUTPUT ${erzeugt}/ormisto-cli.1.gz
  COMMAND ${CMAKE_COMMAND} -E env ASAN_OPTIONS=detect_leaks=0 --
          ${CMAKE_COMMAND} -DCLI=$<TARGET_FILE:ormisto-cli>
          -DVORLAGE=${daten}/man/ormisto-cli.1.in -DAUS=${erzeugt}/ormisto-cli.1.gz
          -DVERSION=${PROJECT_VERSION} -DDATUM=${ORMISTO_RELEASE_DATUM} -P ${handbuch}
  DEPENDS ormisto-cli ${daten}/man/ormisto-cli.1.in ${handbuch}
  COMMENT "Handbuchseite ormisto-cli(1) aus ormisto-cli --help"
  VERBATIM)
add_custom_target(ormisto_handbuch ALL DEPENDS ${erzeugt}/ormisto.1.gz ${erzeugt}/ormisto-cli.1.gz)
install(FILES ${erzeugt}/ormisto.1.gz ${erzeugt}/ormisto-cli.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

install(FILES ${daten}/bash-completion/ormisto-cli
        DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions)

# Copyright and changelog, as a Debian package carries them.
string(TIMESTAMP ORMISTO_JAHR "%Y" UTC)
# The release date as a changelog writes it ("Wed, 09 Dec 2026 00:00:00 +0000"); the
# weekday by Zeller's congruence.
string(REGEX MATCH "^([0-9][0-9][0-9][0-9])-([0-9][0-9])-([0-9][0-9])$" datum
             "${ORMISTO_RELEASE_DATUM}")
if(NOT datum)
  message(FATAL_ERROR "ORMISTO_RELEASE_DATUM: JJJJ-MM-TT erwartet")
endif()
math(EXPR jahr "${CMAKE_MATCH_1}")
math(EXPR monat "${CMAKE_MATCH_2}")
set(tag_text ${CMAKE_MATCH_3})
math(EXPR tag "${CMAKE_MATCH_3}")
set(j ${jahr})
set(m ${monat})
if(m LESS 3)
  math(EXPR m "${m} + 12")
  math(EXPR j "${j} - 1")
endif()
math(EXPR wochentag "(${tag} + (13 * (${m} + 1)) / 5 + ${j} + ${j} / 4 - ${j} / 100 + ${j} / 400) % 7")
set(namen Sat Sun Mon Tue Wed Thu Fri)
list(GET namen ${wochentag} wochentag)
math(EXPR monat "${monat} - 1")
set(namen Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
list(GET namen ${monat} monat)
set(ORMISTO_RELEASE_RFC2822 "${wochentag}, ${tag_text} ${monat} ${jahr} 00:00:00 +0000")
configure_file(${daten}/debian/copyright.in ${erzeugt}/copyright @ONLY)
configure_file(${daten}/debian/changelog.in ${erzeugt}/changelog @ONLY)
add_custom_command(
  OUTPUT ${erzeugt}/changelog.gz
  COMMAND gzip -9 -n -f -k ${erzeugt}/changelog
  DEPENDS ${erzeugt}/changelog
  VERBATIM)
add_custom_target(ormisto_changelog ALL DEPENDS ${erzeugt}/changelog.gz)
install(FILES ${erzeugt}/copyright ${erzeugt}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/ormisto)

# The Debian package (scripts/paket). dpkg-shlibdeps finds the libraries the programs
# link; what Qt loads at run time it cannot see: the platform plugins (xcb for the
# window, offscreen for drawing in ormisto-cli), the German Qt texts, image formats,
# the SVG icon engine and the fonts the printouts ask for. The desktop, MIME, icon and
# manual page caches are refreshed by the triggers of the packages that own them, so
# the package needs no maintainer scripts.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ormisto)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR Tolvane)
set(CPACK_PACKAGE_CONTACT "Tolvane <ormisto@tolvane.de>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Kalkulation von Speisen und Getränken für die Gastronomie")
# CPack puts the summary above this text as the synopsis line.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Ormisto berechnet die Preise der Speisen, Getränke und Dienstleistungen
eines Restaurants, Caterers oder anderen Gastronomiebetriebs aus ihren
Zutaten: Einkaufspreis, kalkulierter und tatsächlicher Verkaufspreis,
Deckungsbeitrag und Wareneinsatzquote. Es erfasst die Verkäufe je Rezept
und Tag und wertet sie Monat für Monat als Tabelle und Balkendiagramm aus.
.
Das Paket enthält das Programm ormisto und das Kommandozeilenwerkzeug
ormisto-cli für Skripte.")
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://www.tolvane.de/ormisto)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "qt6-qpa-plugins, qt6-translations-l10n, qt6-image-formats-plugins, libqt6svg6, fonts-liberation")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_CHECKSUM SHA256)
set(CPACK_OUTPUT_FILE_PREFIX ${PROJECT_BINARY_DIR}/paket)
include(CPack)
