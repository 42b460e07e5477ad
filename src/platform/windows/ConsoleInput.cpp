#include "ConsoleInput.hpp"

#include <array>
#include <string_view>

#include "Utf16.hpp"

namespace tavrik {

std::streambuf::int_type ConsoleInput::underflow() {
  if (gptr() < egptr()) return traits_type::to_int_type(*gptr());
  while (!ended_) {
    std::array<wchar_t, 4096> chunk{};
    DWORD read = 0;
    std::wstring wide;
    if (pendingHighSurrogate_ != 0) wide += pendingHighSurrogate_;
    pendingHighSurrogate_ = 0;
    out_.flush();
    DWORD mode = 0;
    const bool echoed = ::GetConsoleMode(console_, &mode) == 0 || (mode & ENABLE_ECHO_INPUT) != 0;
    if (::ReadConsoleW(console_, chunk.data(), static_cast<DWORD>(chunk.size()), &read, nullptr) == 0) {
      ended_ = true;
      break;
    }
    if (read == 0) {
      // Ctrl-C or Ctrl-Break stopped the read: the control handler is
      // ending the program; this thread waits for it rather than treat the
      // stop as the end of the input.
      ::Sleep(100);
      continue;
    }
    wide.append(chunk.data(), read);
    if (!echoed && wide.back() == L'\n') {
      out_ << '\n';
      out_.flush();
    }
    if (wide.front() == L'\x1a') {
      ended_ = true;
      break;
    }
    // A character beyond the first plane may arrive in two reads.
    if (const wchar_t last = wide.back(); last >= 0xD800 && last <= 0xDBFF) {
      pendingHighSurrogate_ = last;
      wide.pop_back();
    }
    if (wide.empty()) continue;
    buffer_ = utf16::narrow(wide);
    setg(buffer_.data(), buffer_.data(), buffer_.data() + buffer_.size());
    return traits_type::to_int_type(*gptr());
  }
  return traits_type::eof();
}

}  // namespace tavrik
