#pragma once

#include <cairo.h>

namespace tavrik::chart::render {

/// Writes an opaque image surface as a PNG file; false when it cannot.
bool writePng(cairo_surface_t* image, const char* path);

/// Writes an opaque image surface as a JPEG file of the given quality.
bool writeJpeg(cairo_surface_t* image, const char* path, int quality);

}  // namespace tavrik::chart::render
