# The Windows program: its resources (icon, version information, manifest),
# and the zip it is shipped in (make package-windows: CPack's ZIP generator)
# with the .exe, its two chart DLLs, the municipality table, README.txt,
# LICENSE.txt and NOTICES.txt (the licences of everything in the zip).
enable_language(RC)
set(TAVRIK_WINDOWS_PACKAGING ${CMAKE_BINARY_DIR}/packaging)
set(TAVRIK_WINDOWS_ICON ${CMAKE_SOURCE_DIR}/packaging/windows/tavrik-terminal.ico)
set(TAVRIK_WINDOWS_MANIFEST ${TAVRIK_WINDOWS_PACKAGING}/tavrik-terminal.manifest)
set(TAVRIK_VERSION_QUAD ${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.${PROJECT_VERSION_PATCH}.0)
set(TAVRIK_VERSION_COMMAS ${PROJECT_VERSION_MAJOR},${PROJECT_VERSION_MINOR},${PROJECT_VERSION_PATCH},0)
configure_file(${CMAKE_SOURCE_DIR}/packaging/windows/tavrik-terminal.manifest.in ${TAVRIK_WINDOWS_MANIFEST} @ONLY)
configure_file(${CMAKE_SOURCE_DIR}/packaging/windows/tavrik-terminal.rc.in
               ${TAVRIK_WINDOWS_PACKAGING}/tavrik-terminal.rc @ONLY)
target_sources(tavrik-terminal PRIVATE ${TAVRIK_WINDOWS_PACKAGING}/tavrik-terminal.rc)
set_property(SOURCE ${TAVRIK_WINDOWS_PACKAGING}/tavrik-terminal.rc APPEND PROPERTY OBJECT_DEPENDS
             ${TAVRIK_WINDOWS_ICON} ${TAVRIK_WINDOWS_MANIFEST})

# The texts, with the version, and CRLF line ends for Notepad.
set(VERSION ${PROJECT_VERSION})
configure_file(${CMAKE_SOURCE_DIR}/packaging/README-windows.txt ${TAVRIK_WINDOWS_PACKAGING}/README.txt
               @ONLY NEWLINE_STYLE CRLF)
configure_file(${CMAKE_SOURCE_DIR}/LICENSE ${TAVRIK_WINDOWS_PACKAGING}/LICENSE.txt @ONLY NEWLINE_STYLE CRLF)
configure_file(${CMAKE_SOURCE_DIR}/packaging/copyright ${TAVRIK_WINDOWS_PACKAGING}/NOTICES.txt
               @ONLY NEWLINE_STYLE CRLF)

install(TARGETS tavrik-terminal RUNTIME DESTINATION .)
install(TARGETS tavrik-chart-render tavrik-chart-pptx LIBRARY DESTINATION .)
install(FILES ${CMAKE_SOURCE_DIR}/data/risorsa.cf.txt ${CMAKE_SOURCE_DIR}/data/risorsa.cf.FONTI.txt
              ${TAVRIK_WINDOWS_PACKAGING}/README.txt ${TAVRIK_WINDOWS_PACKAGING}/LICENSE.txt
              ${TAVRIK_WINDOWS_PACKAGING}/NOTICES.txt
        DESTINATION .)

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME tavrik-terminal)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_FILE_NAME tavrik-terminal-${PROJECT_VERSION}-windows-x86_64)
# The zip holds one folder of that name.
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
include(CPack)
