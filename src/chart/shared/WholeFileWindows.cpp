#include "chart/shared/WholeFile.hpp"

#include <windows.h>

#include <algorithm>
#include <string>

#include "platform/windows/Utf16.hpp"

namespace tavrik::chart::shared {

bool writeWholeFile(const char* path, std::string_view bytes) {
  if (path == nullptr || *path == '\0') return false;
  const std::wstring widePath = utf16::widen(path);
  const HANDLE file = ::CreateFileW(widePath.c_str(), GENERIC_WRITE,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  bool written = true;
  std::size_t at = 0;
  while (written && at < bytes.size()) {
    const auto chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - at, std::size_t{1} << 20));
    DWORD done = 0;
    // A full disk may show as a short write with no error.
    written = ::WriteFile(file, bytes.data() + at, chunk, &done, nullptr) != 0 && done == chunk;
    at += done;
  }
  written = ::FlushFileBuffers(file) != 0 && written;
  return ::CloseHandle(file) != 0 && written;
}

}  // namespace tavrik::chart::shared
