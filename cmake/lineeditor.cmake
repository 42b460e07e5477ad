# Line editing at a terminal: Debian's libedit (libedit-dev for the header,
# libedit2 at run time).
#
# The program does not link it: LineEditor loads the shared library
# (libedit.so.2) the first time it runs at a terminal. Linked, libedit and
# the three libraries it needs (libtinfo, libbsd, libmd) would be loaded at
# every start, piped runs included: measured, a piped run then took about a
# quarter more processor time.
# It is still Debian's shared library, so its security updates reach the
# program; the package names it among its dependencies, since dpkg-shlibdeps
# cannot see a library loaded this way.
# (On Windows the console edits and recalls lines itself: this file is for
# the other systems only.)
pkg_check_modules(LIBEDIT REQUIRED libedit)
target_include_directories(tavrik-core PRIVATE ${LIBEDIT_INCLUDE_DIRS})
target_link_libraries(tavrik-core PUBLIC ${CMAKE_DL_LIBS})
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libedit2 (>= 3.1-20180525-1)")
