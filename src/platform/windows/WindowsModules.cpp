#include <windows.h>

#include <string>

#include "../Modules.hpp"
#include "Utf16.hpp"

namespace tavrik::modules {

namespace {

// The running program's own file, as Windows names it.
std::wstring programFile() {
  std::wstring path(MAX_PATH, L'\0');
  // Long paths go up to 32767 characters.
  while (path.size() <= 65536) {
    const DWORD length =
        ::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return {};
    if (length < path.size()) {
      path.resize(length);
      return path;
    }
    path.resize(path.size() * 2);
  }
  return {};
}

}  // namespace

std::string programDirectory() {
  std::wstring path = programFile();
  // "\\?\C:\..." and "\\?\UNC\server\..." become the usual forms, which
  // stay valid with '/' for '\'.
  if (path.starts_with(L"\\\\?\\UNC\\")) {
    path.replace(0, 8, L"\\\\");
  } else if (path.starts_with(L"\\\\?\\") && path.size() > 6 && path[5] == L':') {
    path.erase(0, 4);
  }
  const auto slash = path.find_last_of(L"\\/");
  if (slash == std::wstring::npos) return {};
  path.resize(slash);
  // The rest of the program appends "/name" to it.
  for (wchar_t& c : path) {
    if (c == L'\\') c = L'/';
  }
  return utf16::narrow(path);
}

void* load(const std::string& path, const char* symbol, void** handle) {
  *handle = nullptr;
  if (path.empty() || path.find('\0') != std::string::npos) return nullptr;
  std::wstring wide = utf16::widen(path);
  // The loader takes '\' only, and a full path for the search below.
  for (wchar_t& c : wide) {
    if (c == L'/') c = L'\\';
  }
  const DWORD length = ::GetFullPathNameW(wide.c_str(), 0, nullptr, nullptr);
  if (length == 0) return nullptr;
  std::wstring full(length, L'\0');
  const DWORD written = ::GetFullPathNameW(wide.c_str(), length, full.data(), nullptr);
  if (written == 0 || written >= length) return nullptr;
  full.resize(written);
  const DWORD attributes = ::GetFileAttributesW(full.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0)
    return nullptr;

  // No message box for a module that cannot be loaded: the caller tries
  // the next place, or goes on without it.
  DWORD previousMode = 0;
  const bool modeSet =
      ::SetThreadErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX, &previousMode) != 0;
  // The module is the file named; the libraries it needs are Windows' own
  // (GDI+, GDI) and come from the system's folder alone: a file of the same
  // name beside the module or the program, in the working directory or on
  // the PATH is never taken for them.
  HMODULE module = ::LoadLibraryExW(full.c_str(), nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
  if (modeSet) ::SetThreadErrorMode(previousMode, nullptr);
  if (module == nullptr) return nullptr;
  *handle = module;
  return reinterpret_cast<void*>(::GetProcAddress(module, symbol));
}

void release(void* handle) {
  if (handle != nullptr) ::FreeLibrary(static_cast<HMODULE>(handle));
}

}  // namespace tavrik::modules
