# The interface is written in Chinese; translations/paper_catalogue_<lang>.ts
# hold the other languages. "cmake --build build --target update_translations"
# (lupdate) adds new texts of the sources to every .ts file; the .qm files
# are made with the program and installed with it.
set(PAPER_TS_FILES ${CMAKE_SOURCE_DIR}/translations/paper_catalogue_en.ts)
if(TARGET Qt6::lrelease AND TARGET Qt6::lupdate)
  file(GLOB_RECURSE PAPER_TR_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/*.cpp ${CMAKE_SOURCE_DIR}/src/*.h)
  list(FILTER PAPER_TR_SOURCES EXCLUDE REGEX "^${CMAKE_SOURCE_DIR}/src/pdf/reader/")
  set_source_files_properties(${PAPER_TS_FILES} PROPERTIES OUTPUT_LOCATION ${CMAKE_BINARY_DIR}/translations)
  qt_add_translations(paper_catalogue
    TS_FILES ${PAPER_TS_FILES}
    SOURCES ${PAPER_TR_SOURCES}
    QM_FILES_OUTPUT_VARIABLE PAPER_QM_FILES
    LUPDATE_OPTIONS -no-obsolete -locations none -source-language zh_CN)
  add_custom_target(paper_translations ALL DEPENDS ${PAPER_QM_FILES})
  install(FILES ${PAPER_QM_FILES} DESTINATION ${CMAKE_INSTALL_DATADIR}/paper-catalogue/translations)
else()
  message(STATUS "Qt Linguist tools not found: no translations (install qt6-l10n-tools and qt6-tools-dev)")
endif()
