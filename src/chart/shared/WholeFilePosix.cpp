#include "chart/shared/WholeFile.hpp"

#include <cstdio>

namespace tavrik::chart::shared {

bool writeWholeFile(const char* path, std::string_view bytes) {
  if (path == nullptr || *path == '\0') return false;
  std::FILE* file = std::fopen(path, "wb");
  if (file == nullptr) return false;
  bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  written = std::fflush(file) == 0 && std::ferror(file) == 0 && written;
  return std::fclose(file) == 0 && written;
}

}  // namespace tavrik::chart::shared
