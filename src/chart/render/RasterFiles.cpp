#include "chart/render/RasterFiles.hpp"

// clang-format off
#include <cstdio>
#include <csetjmp>
#include <jpeglib.h>
#include <png.h>
// clang-format on

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <vector>

namespace tavrik::chart::render {

OutputFile::OutputFile(const char* path) : file_(std::fopen(path, "wb")), failed_(file_ == nullptr) {}

OutputFile::~OutputFile() {
  if (file_ != nullptr) std::fclose(file_);
}

bool OutputFile::write(const void* data, std::size_t size) {
  failed_ = failed_ || std::fwrite(data, 1, size, file_) != size;
  return !failed_;
}

bool OutputFile::close() {
  if (file_ == nullptr) return false;
  failed_ = failed_ || std::fflush(file_) != 0 || std::ferror(file_) != 0;
  failed_ = std::fclose(file_) != 0 || failed_;
  file_ = nullptr;
  return !failed_;
}

cairo_status_t OutputFile::cairoWrite(void* closure, const unsigned char* data, unsigned int length) {
  return static_cast<OutputFile*>(closure)->write(data, length) ? CAIRO_STATUS_SUCCESS
                                                                 : CAIRO_STATUS_WRITE_ERROR;
}

namespace {

// One row of an ARGB32 surface as RGB bytes. The pictures are opaque, so the
// premultiplied channels are the colours themselves.
void rowToRgb(const unsigned char* row, int width, unsigned char* rgb) {
  const auto* pixels = reinterpret_cast<const std::uint32_t*>(row);
  for (int x = 0; x < width; ++x) {
    const std::uint32_t pixel = pixels[x];
    rgb[3 * x] = static_cast<unsigned char>(pixel >> 16);
    rgb[3 * x + 1] = static_cast<unsigned char>(pixel >> 8);
    rgb[3 * x + 2] = static_cast<unsigned char>(pixel);
  }
}

// The libraries report errors by jumping back here; only plain values live
// between setjmp and the jump.
void writePngBytes(png_structp png, png_bytep data, png_size_t size) {
  if (!static_cast<OutputFile*>(png_get_io_ptr(png))->write(data, size)) png_error(png, "write");
}

void flushNothing(png_structp) {}

// Errors end the encoding without a word: the program reports a chart that
// could not be saved.
[[noreturn]] void jumpOnPngError(png_structp png, png_const_charp) { png_longjmp(png, 1); }
void ignorePngWarning(png_structp, png_const_charp) {}

bool encodePng(OutputFile& file, const unsigned char* data, int width, int height, int stride,
               unsigned char* rgb) {
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, jumpOnPngError, ignorePngWarning);
  if (png == nullptr) return false;
  png_infop info = png_create_info_struct(png);
  if (info == nullptr || setjmp(png_jmpbuf(png)) != 0) {
    png_destroy_write_struct(&png, &info);
    return false;
  }
  png_set_write_fn(png, &file, writePngBytes, flushNothing);
  // Charts are large flat areas: the fastest level, unfiltered, already
  // packs them well (about 27 KB for 750 x 500), at a fraction of the time
  // the default settings take.
  png_set_compression_level(png, 1);
  png_set_filter(png, PNG_FILTER_TYPE_BASE, PNG_FILTER_NONE);
  png_set_IHDR(png, info, static_cast<png_uint_32>(width), static_cast<png_uint_32>(height), 8,
               PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_BASE,
               PNG_FILTER_TYPE_BASE);
  png_write_info(png, info);
  for (int y = 0; y < height; ++y) {
    rowToRgb(data + static_cast<std::ptrdiff_t>(y) * stride, width, rgb);
    png_write_row(png, rgb);
  }
  png_write_end(png, info);
  png_destroy_write_struct(&png, &info);
  return true;
}

// The compressor and its error manager outlive the function that calls
// setjmp, so nothing that function owns changes between the jump's two ends.
struct JpegJob {
  jpeg_compress_struct info;
  jpeg_error_mgr errors;
  std::jmp_buf jump;
  unsigned char* out = nullptr;
  unsigned long size = 0;
  ~JpegJob() { std::free(out); }
};

void jumpOnJpegError(j_common_ptr info) {
  auto* job = static_cast<JpegJob*>(info->client_data);
  std::longjmp(job->jump, 1);
}

// The JPEG is made in memory (`out`, `size`, kept by the job) and then
// written through the file.
bool encodeJpeg(JpegJob& job, OutputFile& file, const unsigned char* data, int width, int height,
                int stride, unsigned char* rgb, int quality) {
  job.info.err = jpeg_std_error(&job.errors);
  job.errors.error_exit = jumpOnJpegError;
  job.info.client_data = &job;
  if (setjmp(job.jump) != 0) {
    jpeg_destroy_compress(&job.info);
    return false;
  }
  jpeg_create_compress(&job.info);
  job.info.client_data = &job;
  jpeg_mem_dest(&job.info, &job.out, &job.size);
  job.info.image_width = static_cast<JDIMENSION>(width);
  job.info.image_height = static_cast<JDIMENSION>(height);
  job.info.input_components = 3;
  job.info.in_color_space = JCS_RGB;
  jpeg_set_defaults(&job.info);
  jpeg_set_quality(&job.info, quality, TRUE);
  jpeg_start_compress(&job.info, TRUE);
  for (int y = 0; y < height; ++y) {
    rowToRgb(data + static_cast<std::ptrdiff_t>(y) * stride, width, rgb);
    JSAMPROW row = rgb;
    jpeg_write_scanlines(&job.info, &row, 1);
  }
  jpeg_finish_compress(&job.info);
  jpeg_destroy_compress(&job.info);
  return file.write(job.out, job.size);
}

enum class Encoding { Png, Jpeg };

bool writeImage(cairo_surface_t* image, const char* path, Encoding encoding, int quality) {
  cairo_surface_flush(image);
  const unsigned char* data = cairo_image_surface_get_data(image);
  const int width = cairo_image_surface_get_width(image);
  const int height = cairo_image_surface_get_height(image);
  const int stride = cairo_image_surface_get_stride(image);
  if (data == nullptr || width <= 0 || height <= 0) return false;
  OutputFile file(path);
  std::vector<unsigned char> rgb(static_cast<std::size_t>(width) * 3);
  bool encoded = false;
  if (encoding == Encoding::Png) {
    encoded = encodePng(file, data, width, height, stride, rgb.data());
  } else {
    auto job = std::make_unique<JpegJob>();
    encoded = encodeJpeg(*job, file, data, width, height, stride, rgb.data(), quality);
  }
  return file.close() && encoded;
}

}  // namespace

bool writePng(cairo_surface_t* image, const char* path) {
  return writeImage(image, path, Encoding::Png, 0);
}

bool writeJpeg(cairo_surface_t* image, const char* path, int quality) {
  return writeImage(image, path, Encoding::Jpeg, quality);
}

}  // namespace tavrik::chart::render
