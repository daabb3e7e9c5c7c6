# What `cmake --install` lays: the program, its desktop entry and AppStream metadata, the icons, the
# manual pages in English and Catalan, and the copyright and changelog under share/doc/conjugacio.
# Nothing from tools/, tests/ or the benchmarks.
include(GNUInstallDirs)
# Named after the package, not the project, as Debian expects.
set(doc_dir ${CMAKE_INSTALL_DATADIR}/doc/conjugacio)

set(CONJUGACIO_APP_ID cat.conjugacio.conjugacio)
set(data_dir ${PROJECT_SOURCE_DIR}/data)
set(metainfo ${data_dir}/${CONJUGACIO_APP_ID}.metainfo.xml)
set(changelog ${PROJECT_SOURCE_DIR}/packaging/debian/changelog)

# Every version is released with notes: the AppStream release list and the changelog must both
# start with this version. The manual pages take their date from the AppStream release.
file(READ ${metainfo} metainfo_text)
if(NOT metainfo_text MATCHES "<release version=\"([^\"]*)\" date=\"([0-9-]+)\"" OR NOT CMAKE_MATCH_1 STREQUAL PROJECT_VERSION)
  message(FATAL_ERROR "${metainfo}: the first <release> must be version ${PROJECT_VERSION}")
endif()
set(CONJUGACIO_RELEASE_DATE ${CMAKE_MATCH_2})
file(STRINGS ${changelog} changelog_top LIMIT_COUNT 1)
if(NOT changelog_top MATCHES "^conjugacio \\(${PROJECT_VERSION}\\) ")
  message(FATAL_ERROR "${changelog}: the first entry must be version ${PROJECT_VERSION}")
endif()

install(TARGETS conjugacio RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(NOT UNIX OR APPLE)
  return()  # the rest is for freedesktop.org desktops and man
endif()
install(FILES ${data_dir}/${CONJUGACIO_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${metainfo} DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(DIRECTORY ${data_dir}/icons/hicolor DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/debian/copyright DESTINATION ${doc_dir})

# Manual pages and the changelog are installed compressed, as man and Debian expect; gzip -n leaves
# the name and time out, so that the same sources give the same bytes.
function(add_gzipped_file source compressed)
  add_custom_command(OUTPUT ${compressed}
    COMMAND ${CMAKE_COMMAND} -E copy ${source} ${compressed}.tmp
    COMMAND gzip -9nf ${compressed}.tmp
    COMMAND ${CMAKE_COMMAND} -E rename ${compressed}.tmp.gz ${compressed}
    DEPENDS ${source}
    VERBATIM)
endfunction()

set(man_dir ${PROJECT_BINARY_DIR}/man)
set(gzipped_files)
foreach(language en ca)
  configure_file(${data_dir}/man/conjugacio.${language}.6.in ${man_dir}/${language}/conjugacio.6 @ONLY)
  add_gzipped_file(${man_dir}/${language}/conjugacio.6 ${man_dir}/${language}/conjugacio.6.gz)
  list(APPEND gzipped_files ${man_dir}/${language}/conjugacio.6.gz)
endforeach()
add_gzipped_file(${changelog} ${PROJECT_BINARY_DIR}/changelog.gz)
add_custom_target(compressed_documents ALL DEPENDS ${gzipped_files} ${PROJECT_BINARY_DIR}/changelog.gz)

# English is the default manual; a Catalan locale gets the Catalan one.
install(FILES ${man_dir}/en/conjugacio.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES ${man_dir}/ca/conjugacio.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/ca/man6)
install(FILES ${PROJECT_BINARY_DIR}/changelog.gz DESTINATION ${doc_dir})
