#pragma once

#include <cairo.h>

#include <cstddef>
#include <cstdio>

namespace tavrik::chart::render {

/// A file every writer of the module writes through: each write is checked,
/// and after a failed one (a full disk) nothing more is written and the file
/// counts as failed.
class OutputFile {
 public:
  explicit OutputFile(const char* path);
  ~OutputFile();
  OutputFile(const OutputFile&) = delete;
  OutputFile& operator=(const OutputFile&) = delete;

  /// False once any write has failed (or the file could not be opened).
  bool write(const void* data, std::size_t size);
  /// Flushes and closes the file; true when it was written whole.
  bool close();

  /// A cairo write function over an OutputFile given as the closure.
  static cairo_status_t cairoWrite(void* closure, const unsigned char* data, unsigned int length);

 private:
  std::FILE* file_ = nullptr;
  bool failed_ = false;
};

/// Writes an opaque image surface as a PNG file; false when it cannot.
bool writePng(cairo_surface_t* image, const char* path);

/// Writes an opaque image surface as a JPEG file of the given quality.
bool writeJpeg(cairo_surface_t* image, const char* path, int quality);

}  // namespace tavrik::chart::render
