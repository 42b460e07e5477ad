// The presentation on Linux: font families from fontconfig, the package
// zipped by libzip.

#include "chart/pptx/PptxWriter.hpp"

#include <zip.h>

#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "chart/pptx/PptxParts.hpp"
#include "chart/render/FontMatch.hpp"

namespace tavrik::chart::pptx {

bool writePptx(const TavrikChartPicture& picture, const char* path) {
  const std::vector<std::pair<std::string, std::string>> parts = presentationParts(
      picture, [](const char* requested) { return render::matchFontFamily(requested); });

  // The archive is built in memory and then written to `path` in one go:
  // the path may name a file that exists only as an open descriptor, beside
  // which no temporary file of the archive's own could be made.
  zip_error_t error;
  zip_error_init(&error);
  zip_source_t* memory = zip_source_buffer_create(nullptr, 0, 0, &error);
  zip_error_fini(&error);
  if (memory == nullptr) return false;
  zip_source_keep(memory);
  zip_t* archive = zip_open_from_source(memory, ZIP_TRUNCATE, nullptr);
  bool ok = archive != nullptr;
  for (const auto& [name, content] : parts) {
    if (!ok) break;
    // The buffers live in `parts` until the archive is closed.
    zip_source_t* source = zip_source_buffer(archive, content.data(), content.size(), 0);
    ok = source != nullptr && zip_file_add(archive, name.c_str(), source, ZIP_FL_ENC_UTF_8) >= 0;
    if (!ok && source != nullptr) zip_source_free(source);
  }
  if (archive != nullptr && (!ok || zip_close(archive) != 0)) {
    zip_discard(archive);
    ok = false;
  }
  if (ok && zip_source_open(memory) == 0) {
    std::FILE* file = std::fopen(path, "wb");
    ok = file != nullptr;
    std::vector<char> block(1 << 16);
    for (zip_int64_t n; ok && (n = zip_source_read(memory, block.data(), block.size())) != 0;) {
      ok = n > 0 && std::fwrite(block.data(), 1, static_cast<std::size_t>(n), file) ==
                        static_cast<std::size_t>(n);
    }
    if (file != nullptr) ok = std::fclose(file) == 0 && ok;
    zip_source_close(memory);
  } else {
    ok = false;
  }
  zip_source_free(memory);
  return ok;
}

}  // namespace tavrik::chart::pptx
