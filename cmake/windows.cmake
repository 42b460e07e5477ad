# The Windows platform layer's system libraries: Winsock (network probe),
# BCrypt (random source), the shell (opening pages). All are Windows' own.
# (Read for Windows only.)
target_link_libraries(tavrik-core PUBLIC ws2_32 bcrypt shell32)
# The program looks for its data beside the .exe only, so the build tree
# has it there too, as the zip does.
add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/risorsa.cf.txt
  COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_SOURCE_DIR}/data/risorsa.cf.txt ${CMAKE_BINARY_DIR}/risorsa.cf.txt
  DEPENDS ${CMAKE_SOURCE_DIR}/data/risorsa.cf.txt
  VERBATIM)
add_custom_target(tavrik-data-beside-exe ALL DEPENDS ${CMAKE_BINARY_DIR}/risorsa.cf.txt)
