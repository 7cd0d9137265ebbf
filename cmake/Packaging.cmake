# Installation and the Debian package (cpack -G DEB, or ./scripts/package): the programs in
# bin, the explanation documents, the help and the shipped rate list read-only in
# share/rebanto, where the programs look for them when installed; the desktop entry and its
# icon.
include(GNUInstallDirs)

set(REBANTO_PROGRAMS rebanto-script rebanto-schedule)
if(REBANTO_BUILD_GUI)
  list(APPEND REBANTO_PROGRAMS rebanto)
endif()
install(TARGETS ${REBANTO_PROGRAMS} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
file(GLOB REBANTO_DOCUMENTS ${PROJECT_SOURCE_DIR}/docs/start/*.doc ${PROJECT_SOURCE_DIR}/docs/start/*.hlp
     ${PROJECT_SOURCE_DIR}/docs/start/*.ini)
install(FILES ${REBANTO_DOCUMENTS} DESTINATION ${CMAKE_INSTALL_DATADIR}/rebanto)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/rebanto.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/rebanto.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
# Pack files open in the program from the desktop: their MIME type, named after the package.
install(FILES ${PROJECT_SOURCE_DIR}/packaging/rebanto-mime.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME rebanto.xml)
# The manual pages, compressed as Debian wants them (no time stamp).
foreach(page rebanto rebanto-script rebanto-schedule)
  execute_process(COMMAND gzip -9nc ${PROJECT_SOURCE_DIR}/packaging/man/${page}.1
                  OUTPUT_FILE ${PROJECT_BINARY_DIR}/${page}.1.gz)
  install(FILES ${PROJECT_BINARY_DIR}/${page}.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endforeach()
# The changelog a native package carries, compressed as Debian wants it (no time stamp).
set(REBANTO_CHANGELOG_GZ ${PROJECT_BINARY_DIR}/changelog.gz)
execute_process(COMMAND gzip -9nc ${PROJECT_SOURCE_DIR}/packaging/changelog
                OUTPUT_FILE ${REBANTO_CHANGELOG_GZ})
install(FILES ${PROJECT_SOURCE_DIR}/README.md ${PROJECT_SOURCE_DIR}/packaging/copyright
              ${REBANTO_CHANGELOG_GZ}
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/rebanto)
# The user guide with its screenshots, laid out as in the sources so its links hold.
install(FILES ${PROJECT_SOURCE_DIR}/docs/guide.md DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/rebanto)
file(GLOB REBANTO_GUIDE_PICTURES ${PROJECT_SOURCE_DIR}/docs/guide/*.png)
install(FILES ${REBANTO_GUIDE_PICTURES} DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/rebanto/guide)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME rebanto)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Rebanto developers <rebanto@example.org>")
set(CPACK_PACKAGE_VENDOR "Rebanto")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Exact repayment schedules for Japanese housing and consumer loans")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Rebanto computes repayment schedules to the yen as a lender prints them: equal\ninstalments or equal principal, monthly and bonus parts, rate changes,\nprepayments shortening the term or lowering the instalment, composite\nschedules of several loans and the housing-loan tax credit. The user\ninterface is Japanese.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The Qt 6 runtime the programs link comes from the libraries themselves; the Japanese fonts
# are what the windows need to show their text, Qt's Japanese translations its dialogs' texts.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The spreadsheet library is loaded only when a workbook is written, so the package names it.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-noto-cjk, qt6-translations-l10n, libxlsxwriter4")
set(CPACK_STRIP_FILES ON)
include(CPack)
