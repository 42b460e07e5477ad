# The Windows platform layer's system libraries: Winsock (network probe),
# BCrypt (random source), the shell (opening pages). All are Windows' own.
if(NOT WIN32)
  return()
endif()
target_link_libraries(tavrik-core PUBLIC ws2_32 bcrypt shell32)
