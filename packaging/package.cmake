# The manual page, the copyright file and the changelog, installed with the
# program, and the Debian package made from what is installed
# (make package: cpack in the build tree).
set(TAVRIK_DOC_DIR share/doc/tavrik-terminal)
set(TAVRIK_PACKAGING ${CMAKE_BINARY_DIR}/packaging)

# The changelog's newest entry is the version being built.
file(STRINGS ${CMAKE_SOURCE_DIR}/packaging/changelog changelog_head LIMIT_COUNT 1)
if(NOT changelog_head MATCHES "^tavrik-terminal \\(${PROJECT_VERSION}\\) ")
  message(FATAL_ERROR "packaging/changelog: the newest entry is not version ${PROJECT_VERSION}")
endif()

# The manual page carries the version; both files are compressed as Debian
# wants them, without name or time stamp, so that they are the same at
# every build.
configure_file(${CMAKE_SOURCE_DIR}/packaging/tavrik-terminal.1
               ${TAVRIK_PACKAGING}/tavrik-terminal.1 @ONLY)
find_program(TAVRIK_GZIP gzip REQUIRED)
add_custom_command(OUTPUT ${TAVRIK_PACKAGING}/tavrik-terminal.1.gz
  COMMAND ${TAVRIK_GZIP} -9nf tavrik-terminal.1 -c > tavrik-terminal.1.gz
  WORKING_DIRECTORY ${TAVRIK_PACKAGING}
  DEPENDS ${TAVRIK_PACKAGING}/tavrik-terminal.1)
add_custom_command(OUTPUT ${TAVRIK_PACKAGING}/changelog.gz
  COMMAND ${TAVRIK_GZIP} -9nf ${CMAKE_SOURCE_DIR}/packaging/changelog -c > changelog.gz
  WORKING_DIRECTORY ${TAVRIK_PACKAGING}
  DEPENDS ${CMAKE_SOURCE_DIR}/packaging/changelog)
add_custom_target(tavrik-documents ALL
  DEPENDS ${TAVRIK_PACKAGING}/tavrik-terminal.1.gz ${TAVRIK_PACKAGING}/changelog.gz)

install(FILES ${TAVRIK_PACKAGING}/tavrik-terminal.1.gz DESTINATION share/man/man1)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/copyright ${TAVRIK_PACKAGING}/changelog.gz
        DESTINATION ${TAVRIK_DOC_DIR})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tavrik-terminal)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Tavrik Terminal maintainers <maintainers@users.noreply.c-seed-af1ccefe.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Italian console toolbox behind a one-character prompt")
set(CPACK_PACKAGE_DESCRIPTION
  "Tavrik Terminal is a console program, entirely in Italian, that puts some
thirty small tools behind a one-character prompt: a calculator, chemistry,
code and password generators, an Italian tax-code builder, a file cipher and
a bar-chart maker (PNG, JPEG, PDF, PPTX).")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# Depends: from the libraries the program and its modules link (dpkg-shlibdeps).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
