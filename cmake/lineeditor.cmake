# Line editing at a terminal: Debian's libedit (libedit-dev).
#
# It is linked statically, together with the terminal database library and
# the BSD helpers it calls, so that starting the program loads no extra shared
# library: with input from a pipe the editor is never started, and start-up
# costs what it cost without it. Linking the shared libedit would load four
# more libraries (libedit, libtinfo, libbsd, libmd) at every start.
pkg_check_modules(LIBEDIT REQUIRED libedit)
set(TAVRIK_LINE_EDITOR_LIBS)
foreach(name edit tinfo bsd)
  find_library(TAVRIK_STATIC_LIB_${name}
    NAMES lib${name}.a
    HINTS ${LIBEDIT_LIBRARY_DIRS}
    REQUIRED)
  list(APPEND TAVRIK_LINE_EDITOR_LIBS ${TAVRIK_STATIC_LIB_${name}})
endforeach()
target_include_directories(tavrik-core PRIVATE ${LIBEDIT_INCLUDE_DIRS})
target_link_libraries(tavrik-core PUBLIC ${TAVRIK_LINE_EDITOR_LIBS})
