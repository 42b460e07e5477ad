#pragma once

#include <ostream>
#include <streambuf>
#include <string>

#include <windows.h>

namespace tavrik {

/// The console's own line input (its editing, arrows and F7 recall of this
/// session's lines) read as UTF-16 and handed on as UTF-8, so that "Forlì"
/// typed at the console reaches the program as the same letters whatever
/// the console's code page. A line that starts with Ctrl-Z ends the input,
/// as at any Windows console. What the program wrote to `out` is flushed
/// before every wait for a line; a line read while the console does not
/// echo (a key) is followed by the line break the console did not show.
class ConsoleInput final : public std::streambuf {
 public:
  ConsoleInput(HANDLE console, std::ostream& out) : console_(console), out_(out) {}

 protected:
  int_type underflow() override;

 private:
  HANDLE console_;
  std::ostream& out_;
  std::string buffer_;
  wchar_t pendingHighSurrogate_ = 0;
  bool ended_ = false;
};

}  // namespace tavrik
