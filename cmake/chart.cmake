# Charts: Debian's cairo and pango (PNG, PDF), libjpeg-turbo (JPEG), libpng,
# zlib (PPTX) and fontconfig.
#
# Linked into the program, those libraries (about forty shared objects with
# glib, harfbuzz and X11's client libraries behind them) made every start
# about 20 ms slower. So the renderers are modules that the program loads
# with dlopen when the first chart is made, and tavrik-chart itself links
# none of them: tavrik-chart-render.so (cairo, pango, libjpeg, libpng,
# fontconfig) draws and measures text, tavrik-chart-pptx.so (zlib,
# fontconfig) writes presentations, so that a presentation does not load
# cairo and pango. What both modules need of the system (font families,
# writing a whole file) is in src/chart/shared/. The modules are built next to the
# program and installed in lib/tavrik-terminal/ beside its bin/; the program
# looks for them in both places, relative to its own binary, and nowhere
# else.
# The modules' own sources are not part of the program.
get_target_property(chart_sources tavrik-chart SOURCES)
list(FILTER chart_sources EXCLUDE REGEX "/src/chart/(render|pptx|gdi|shared)/")
set_property(TARGET tavrik-chart PROPERTY SOURCES ${chart_sources})

# On Windows the modules are DLLs drawn with Windows' own graphics: GDI+
# for PNG and JPEG and for measuring text, GDI's glyph outlines for the PDF
# the module writes itself, and zlib (linked in) for the PPTX container.
# Like the program, each DLL carries its own C++ run-time and imports only
# Windows' own libraries.
if(WIN32)
  function(tavrik_chart_dll target)
    add_library(${target} MODULE ${ARGN})
    set_target_properties(${target} PROPERTIES PREFIX "" LIBRARY_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})
    target_include_directories(${target} PRIVATE ${CMAKE_SOURCE_DIR}/src)
  endfunction()
  file(GLOB chart_gdi_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/chart/gdi/*.cpp)
  file(GLOB chart_pptx_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/chart/pptx/*.cpp)
  # Both DLLs convert text between UTF-8 and UTF-16 as the program does, and
  # share the fonts and the file writing.
  set(chart_shared ${CMAKE_SOURCE_DIR}/src/platform/windows/Utf16.cpp
    ${CMAKE_SOURCE_DIR}/src/chart/shared/WindowsFonts.cpp ${CMAKE_SOURCE_DIR}/src/chart/shared/WholeFileWindows.cpp)
  tavrik_chart_dll(tavrik-chart-render ${chart_gdi_sources} ${chart_shared})
  target_link_libraries(tavrik-chart-render PRIVATE gdiplus gdi32 ole32 z)
  tavrik_chart_dll(tavrik-chart-pptx ${chart_pptx_sources} ${chart_shared})
  target_link_libraries(tavrik-chart-pptx PRIVATE z gdi32)
  target_compile_definitions(tavrik-chart PRIVATE TAVRIK_MODULE_RELDIR=".")
  # The chart tests load the DLLs beside them (defined after this file).
  function(tavrik_chart_dll_users)
    add_dependencies(tavrik tavrik-chart-render tavrik-chart-pptx)
    if(TARGET unit-chart)
      add_dependencies(unit-chart tavrik-chart-render tavrik-chart-pptx)
    endif()
  endfunction()
  cmake_language(DEFER CALL tavrik_chart_dll_users)
  return()
endif()
pkg_check_modules(CHART_DRAWING REQUIRED IMPORTED_TARGET
  cairo cairo-pdf pangocairo pango fontconfig libjpeg libpng)
pkg_check_modules(CHART_PPTX REQUIRED IMPORTED_TARGET zlib fontconfig)

function(tavrik_chart_module target libraries)
  add_library(${target} MODULE ${ARGN})
  set_target_properties(${target} PROPERTIES
    PREFIX ""
    LIBRARY_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}
    CXX_VISIBILITY_PRESET hidden
    VISIBILITY_INLINES_HIDDEN ON
    LINK_DEPENDS ${CMAKE_SOURCE_DIR}/src/chart/render/exports.map)
  target_include_directories(${target} PRIVATE ${CMAKE_SOURCE_DIR}/src)
  target_link_libraries(${target} PRIVATE ${libraries})
  # A module shows the program one symbol, whatever it links in.
  target_link_options(${target} PRIVATE -Wl,--as-needed
    -Wl,--version-script=${CMAKE_SOURCE_DIR}/src/chart/render/exports.map)
  if(NOT TAVRIK_SANITIZE AND NOT TAVRIK_FUZZ)
    # Every symbol resolved at link time. (With sanitizers, the runtime's
    # symbols come from the program at load time.)
    target_link_options(${target} PRIVATE -Wl,--no-undefined)
  endif()
  # Loaded with dlopen, never run: not executable once installed.
  install(TARGETS ${target} LIBRARY DESTINATION ${TAVRIK_MODULE_RELDIR}
          PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
endfunction()

file(GLOB chart_drawing_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/chart/render/*.cpp)
file(GLOB chart_pptx_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/chart/pptx/*.cpp)
set(chart_fonts ${CMAKE_SOURCE_DIR}/src/chart/shared/FontMatch.cpp)
tavrik_chart_module(tavrik-chart-render PkgConfig::CHART_DRAWING ${chart_drawing_sources} ${chart_fonts})
tavrik_chart_module(tavrik-chart-pptx PkgConfig::CHART_PPTX
  ${chart_pptx_sources} ${chart_fonts} ${CMAKE_SOURCE_DIR}/src/chart/shared/WholeFilePosix.cpp)

target_compile_definitions(tavrik-chart PRIVATE TAVRIK_MODULE_RELDIR="${TAVRIK_MODULE_RELDIR}")
target_link_libraries(tavrik-chart PUBLIC ${CMAKE_DL_LIBS})
if(TAVRIK_SANITIZE OR TAVRIK_FUZZ)
  target_compile_definitions(tavrik-chart PRIVATE TAVRIK_LEAK_CHECKED_BUILD)
endif()

# Whatever links the chart code gets the modules built with it, and the chart
# tests read the files back with the same libraries. Those targets are
# defined after this file is read, hence the deferred call.
function(tavrik_chart_module_users)
  add_dependencies(tavrik tavrik-chart-render tavrik-chart-pptx)
  if(TARGET unit-chart)
    add_dependencies(unit-chart tavrik-chart-render tavrik-chart-pptx)
    target_link_libraries(unit-chart PRIVATE PkgConfig::CHART_DRAWING)
  endif()
endfunction()
cmake_language(DEFER CALL tavrik_chart_module_users)
