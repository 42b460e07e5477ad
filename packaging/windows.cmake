# The Windows program is shipped as a zip (make package-windows): the .exe,
# its two chart DLLs and the municipality table beside it, and README.txt
# with Windows line ends.
set(TAVRIK_ZIP_DIR ${CMAKE_BINARY_DIR}/tavrik-terminal-${PROJECT_VERSION}-windows-x86_64)
find_program(TAVRIK_ZIP zip)
# README.txt with the version, and CRLF line ends for Notepad.
set(TAVRIK_PACKAGING_README ${CMAKE_BINARY_DIR}/packaging/README.txt)
set(VERSION ${PROJECT_VERSION})
configure_file(${CMAKE_SOURCE_DIR}/packaging/README-windows.txt ${TAVRIK_PACKAGING_README}
               @ONLY NEWLINE_STYLE CRLF)
add_custom_target(package-windows
  COMMAND ${CMAKE_COMMAND} -E rm -rf ${TAVRIK_ZIP_DIR} ${TAVRIK_ZIP_DIR}.zip
  COMMAND ${CMAKE_COMMAND} -E make_directory ${TAVRIK_ZIP_DIR}
  COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:tavrik-terminal> $<TARGET_FILE:tavrik-chart-render>
          $<TARGET_FILE:tavrik-chart-pptx> ${TAVRIK_ZIP_DIR}/
  COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_SOURCE_DIR}/data/risorsa.cf.txt
          ${CMAKE_SOURCE_DIR}/data/risorsa.cf.FONTI.txt ${TAVRIK_ZIP_DIR}/
  COMMAND ${CMAKE_COMMAND} -E copy ${TAVRIK_PACKAGING_README} ${TAVRIK_ZIP_DIR}/README.txt
  COMMAND ${TAVRIK_ZIP} -q -X -r ${TAVRIK_ZIP_DIR}.zip tavrik-terminal-${PROJECT_VERSION}-windows-x86_64
  WORKING_DIRECTORY ${CMAKE_BINARY_DIR}
  DEPENDS tavrik-terminal tavrik-chart-render tavrik-chart-pptx
  VERBATIM)
