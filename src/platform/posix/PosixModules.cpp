#include <dlfcn.h>
#include <unistd.h>

#include "../Modules.hpp"
#include "PosixSystem.hpp"

namespace tavrik::modules {

std::string programDirectory() {
  const std::string path = executablePath();
  const auto slash = path.rfind('/');
  return slash == std::string::npos ? std::string{} : path.substr(0, slash);
}

void* load(const std::string& path, const char* symbol, void** handle) {
  *handle = nullptr;
  if (::access(path.c_str(), R_OK) != 0) return nullptr;
  // Lazy binding: only the functions a chart uses are resolved.
  *handle = ::dlopen(path.c_str(), RTLD_LAZY | RTLD_LOCAL);
  if (*handle == nullptr) return nullptr;
  return ::dlsym(*handle, symbol);
}

void release(void* handle) {
  if (handle != nullptr) ::dlclose(handle);
}

}  // namespace tavrik::modules
