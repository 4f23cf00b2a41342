# What the package installs, and the Debian package itself (tools/package.sh).
#   /usr/bin/paper_catalogue, /usr/bin/paper-catalogue-db
#   /usr/lib/paper-catalogue/paper_pdf_reader and its line model
#   /usr/share/paper-catalogue/{hooks,sql,translations}
#   the man pages, the desktop entry, the AppStream metainfo and the icons.
set(PAPER_PKG ${CMAKE_SOURCE_DIR}/packaging)
set(PAPER_DATA ${CMAKE_INSTALL_DATADIR}/paper-catalogue)

install(TARGETS paper_catalogue RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(TARGETS paper_pdf_reader RUNTIME DESTINATION lib/paper-catalogue)
install(FILES ${PDF_LINE_MODEL} DESTINATION lib/paper-catalogue)
install(FILES ${HOOK_MODULES} DESTINATION ${PAPER_DATA}/hooks)
file(GLOB PAPER_SQL_FILES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/sql/schema.sql ${CMAKE_SOURCE_DIR}/sql/upgrade-*.sql)
install(FILES ${PAPER_SQL_FILES} DESTINATION ${PAPER_DATA}/sql)

# The site set-up script gets the passwords of the program's two database
# accounts from the program's own source.
file(READ ${CMAKE_SOURCE_DIR}/src/db/Credentials.h PAPER_CREDENTIALS)
string(REGEX MATCH "kDoorCode\\[\\] = \"([^\"]*)\"" _ "${PAPER_CREDENTIALS}")
set(PAPER_DOOR_CODE ${CMAKE_MATCH_1})
string(REGEX MATCH "kOpenShelf\\[\\] = \"([^\"]*)\"" _ "${PAPER_CREDENTIALS}")
set(PAPER_OPEN_SHELF ${CMAKE_MATCH_1})
configure_file(${PAPER_PKG}/paper-catalogue-db.in ${CMAKE_BINARY_DIR}/paper-catalogue-db @ONLY
  FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
install(PROGRAMS ${CMAKE_BINARY_DIR}/paper-catalogue-db DESTINATION ${CMAKE_INSTALL_BINDIR})

# Man pages and the changelog, compressed the way Debian wants them.
set(PAPER_GZ_FILES)
foreach(page paper_catalogue.1 paper-catalogue-db.1 changelog)
  add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/packaging/${page}.gz
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/packaging
    COMMAND gzip -9n -c ${PAPER_PKG}/${page} > ${CMAKE_BINARY_DIR}/packaging/${page}.gz
    DEPENDS ${PAPER_PKG}/${page} VERBATIM)
  list(APPEND PAPER_GZ_FILES ${CMAKE_BINARY_DIR}/packaging/${page}.gz)
endforeach()
add_custom_target(paper_package_files ALL DEPENDS ${PAPER_GZ_FILES})
install(FILES ${CMAKE_BINARY_DIR}/packaging/paper_catalogue.1.gz ${CMAKE_BINARY_DIR}/packaging/paper-catalogue-db.1.gz
  DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${CMAKE_BINARY_DIR}/packaging/changelog.gz ${PAPER_PKG}/copyright
  DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/paper-catalogue)

set(PAPER_APP_ID org.papercatalogue.PaperCatalogue)
install(FILES ${PAPER_PKG}/${PAPER_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
configure_file(${PAPER_PKG}/${PAPER_APP_ID}.metainfo.xml ${CMAKE_BINARY_DIR}/packaging/${PAPER_APP_ID}.metainfo.xml @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/packaging/${PAPER_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${PAPER_PKG}/paper-catalogue.png DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/48x48/apps)
install(FILES ${PAPER_PKG}/paper-catalogue.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME paper-catalogue)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Paper catalogue maintainers <paper-catalogue@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "catalogue of academic papers kept in a shared database")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "A desktop program that keeps the titles, authors, keywords and file places of
academic papers in a MariaDB database reached through ODBC: searches, entry,
removal and update, batch import from BibTeX, RIS and CSV files and from PDF
files, export, user accounts with right levels. paper-catalogue-db sets up the
database on a site's server; paper_catalogue --import and --export run
without a window for scripts.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "odbc-mariadb, unixodbc, python3-pybtex, python3-latexcodec")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "mariadb-client")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION TRUE)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/package)
include(CPack)
