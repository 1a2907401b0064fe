# The Debian package, built by cpack (tools/package.sh) from the install rules.
# The version is project()'s; the dependencies on shared libraries are found by
# dpkg-shlibdeps in the binary itself.

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quorin)
set(CPACK_PACKAGE_VENDOR Ardenwick)
set(CPACK_PACKAGE_CONTACT "Ardenwick <quorin-support@ardenwick.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "WordPerfect 5.x to RTF and Word converter")
set(CPACK_PACKAGING_INSTALL_PREFIX ${CMAKE_INSTALL_PREFIX})
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION text)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${PROJECT_HOMEPAGE_URL})
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Word, OpenDocument and PDF output (-w, --to) and --fallback hand the work to
# LibreOffice's writer; Qt loads the SVG icon through a plugin that nothing
# links, so dpkg-shlibdeps cannot see it; Qt's own translations give the
# standard buttons of a Hebrew or Arabic window their words.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
    "libreoffice-writer-nogui | libreoffice-writer, libqt6svg6, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
set(CPACK_PACKAGE_DESCRIPTION "\
Quorin converts documents written with WordPerfect 5.0 and 5.1 into RTF files
that current word processors open, and, through LibreOffice, into Word,
OpenDocument and PDF/A documents.

It keeps the text with every character of WordPerfect's character sets, the
fonts and their attributes, tabs, indents and columns, page layout, headers,
footers, notes, tables and styles, and right-to-left Hebrew and Arabic
documents.

Quorin has a desktop window for converting a few files and a command line for
converting whole archives unattended.")

set(quorin_doc_dir ${CMAKE_INSTALL_DATAROOTDIR}/doc/quorin)
configure_file(${CMAKE_CURRENT_LIST_DIR}/copyright.in ${PROJECT_BINARY_DIR}/packaging/copyright @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/packaging/copyright DESTINATION ${quorin_doc_dir})

# Debian's changelog, dated from SOURCE_DATE_EPOCH when it is set (tools/package.sh
# sets it to the last commit's time), so that rebuilds give the same package.
string(TIMESTAMP QUORIN_CHANGELOG_DATE "%a, %d %b %Y %H:%M:%S +0000" UTC)
set(quorin_changelog ${PROJECT_BINARY_DIR}/packaging/changelog)
configure_file(${CMAKE_CURRENT_LIST_DIR}/changelog.in ${quorin_changelog} @ONLY)
find_program(GZIP gzip)
if(GZIP)
  add_custom_command(OUTPUT ${quorin_changelog}.gz
    COMMAND ${GZIP} -9nkf ${quorin_changelog}
    DEPENDS ${quorin_changelog}
    VERBATIM)
  add_custom_target(quorin_changelog ALL DEPENDS ${quorin_changelog}.gz)
  install(FILES ${quorin_changelog}.gz DESTINATION ${quorin_doc_dir})
endif()

include(CPack)
