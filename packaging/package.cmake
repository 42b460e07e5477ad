# The manual pages (English in man1, Italian in it/man1), the copyright file
# and the changelog, installed with the program. The Debian package is made
# from what is installed by debhelper (debian/, make package).
set(TAVRIK_DOC_DIR share/doc/tavrik-terminal)
set(TAVRIK_PACKAGING ${CMAKE_BINARY_DIR}/packaging)

# The changelog's newest entry is the version being built.
file(STRINGS ${CMAKE_SOURCE_DIR}/packaging/changelog changelog_head LIMIT_COUNT 1)
if(NOT changelog_head MATCHES "^tavrik-terminal \\(${PROJECT_VERSION}\\) ")
  message(FATAL_ERROR "packaging/changelog: the newest entry is not version ${PROJECT_VERSION}")
endif()

# The manual pages carry the version; they and the changelog are compressed
# as Debian wants them, without name or time stamp, so that they are the
# same at every build.
find_program(TAVRIK_GZIP gzip REQUIRED)
set(TAVRIK_DOCUMENTS)
foreach(page IN ITEMS tavrik-terminal.1 tavrik-terminal.it.1)
  configure_file(${CMAKE_SOURCE_DIR}/packaging/${page} ${TAVRIK_PACKAGING}/${page} @ONLY)
  add_custom_command(OUTPUT ${TAVRIK_PACKAGING}/${page}.gz
    COMMAND ${TAVRIK_GZIP} -9nf ${page} -c > ${page}.gz
    WORKING_DIRECTORY ${TAVRIK_PACKAGING}
    DEPENDS ${TAVRIK_PACKAGING}/${page})
  list(APPEND TAVRIK_DOCUMENTS ${TAVRIK_PACKAGING}/${page}.gz)
endforeach()
add_custom_command(OUTPUT ${TAVRIK_PACKAGING}/changelog.gz
  COMMAND ${TAVRIK_GZIP} -9nf ${CMAKE_SOURCE_DIR}/packaging/changelog -c > changelog.gz
  WORKING_DIRECTORY ${TAVRIK_PACKAGING}
  DEPENDS ${CMAKE_SOURCE_DIR}/packaging/changelog)
add_custom_target(tavrik-documents ALL DEPENDS ${TAVRIK_DOCUMENTS} ${TAVRIK_PACKAGING}/changelog.gz)

install(FILES ${TAVRIK_PACKAGING}/tavrik-terminal.1.gz DESTINATION share/man/man1)
install(FILES ${TAVRIK_PACKAGING}/tavrik-terminal.it.1.gz DESTINATION share/man/it/man1
        RENAME tavrik-terminal.1.gz)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/copyright ${TAVRIK_PACKAGING}/changelog.gz
        DESTINATION ${TAVRIK_DOC_DIR})
