#include "shell/WholeFile.hpp"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <iterator>

namespace tavrik {

std::string readWholeFile(std::string_view fileName) {
  std::ifstream file{std::string(fileName), std::ios::binary};
  if (!file) return {};
  return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

bool writeWholeFile(std::string_view fileName, std::string_view text) {
  const std::string target(fileName);
  std::string temporary = target + ".XXXXXX";
  const int fd = ::mkstemp(temporary.data());
  if (fd < 0) return false;
  // mkstemp creates the file private to the user; a theme file is not secret.
  ::fchmod(fd, 0644);
  bool ok = true;
  std::string_view rest = text;
  while (ok && !rest.empty()) {
    const ssize_t n = ::write(fd, rest.data(), rest.size());
    if (n <= 0) {
      ok = false;
      break;
    }
    rest.remove_prefix(static_cast<std::size_t>(n));
  }
  ok = ::close(fd) == 0 && ok;
  if (ok) ok = std::rename(temporary.c_str(), target.c_str()) == 0;
  if (!ok) std::remove(temporary.c_str());
  return ok;
}

}  // namespace tavrik
