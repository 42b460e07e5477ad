// Winsock's header comes before windows.h.
#include <winsock2.h>
#include <ws2tcpip.h>

#include <windows.h>
#include <bcrypt.h>
#include <shellapi.h>

#include <chrono>
#include <cstdlib>
#include <thread>

#include "../Modules.hpp"
#include "Utf16.hpp"
#include "WindowsSystem.hpp"

namespace tavrik {

namespace {

constexpr long kProbeTimeoutMillis = 3000;

// A connection attempt that gives up after the probe's time.
bool connectsInTime(const addrinfo& address) {
  const SOCKET s = ::socket(address.ai_family, address.ai_socktype, address.ai_protocol);
  if (s == INVALID_SOCKET) return false;
  u_long nonBlocking = 1;
  bool connected = false;
  if (::ioctlsocket(s, FIONBIO, &nonBlocking) == 0) {
    if (::connect(s, address.ai_addr, static_cast<int>(address.ai_addrlen)) == 0) {
      connected = true;
    } else if (::WSAGetLastError() == WSAEWOULDBLOCK) {
      fd_set writable;
      fd_set failed;
      FD_ZERO(&writable);
      FD_ZERO(&failed);
      FD_SET(s, &writable);
      FD_SET(s, &failed);
      timeval timeout{kProbeTimeoutMillis / 1000, (kProbeTimeoutMillis % 1000) * 1000};
      if (::select(0, nullptr, &writable, &failed, &timeout) > 0 && FD_ISSET(s, &writable)) {
        int error = 0;
        int length = sizeof error;
        connected = ::getsockopt(s, SOL_SOCKET, SO_ERROR, reinterpret_cast<char*>(&error), &length) == 0 &&
                    error == 0;
      }
    }
  }
  ::closesocket(s);
  return connected;
}

// The command line that starts a program by its path, quoted.
std::wstring quoted(const std::wstring& path) { return L"\"" + path + L"\""; }

}  // namespace

bool WindowsSystem::isReachable(std::string_view host) {
  WSADATA data{};
  if (::WSAStartup(MAKEWORD(2, 2), &data) != 0) return false;
  addrinfoW hints{};
  hints.ai_family = AF_UNSPEC;
  hints.ai_socktype = SOCK_STREAM;
  hints.ai_protocol = IPPROTO_TCP;
  addrinfoW* found = nullptr;
  bool reachable = false;
  if (::GetAddrInfoW(utf16::widen(host).c_str(), L"443", &hints, &found) == 0) {
    for (const addrinfoW* a = found; a != nullptr && !reachable; a = a->ai_next) {
      addrinfo plain{};
      plain.ai_family = a->ai_family;
      plain.ai_socktype = a->ai_socktype;
      plain.ai_protocol = a->ai_protocol;
      plain.ai_addrlen = a->ai_addrlen;
      plain.ai_addr = a->ai_addr;
      reachable = connectsInTime(plain);
    }
    ::FreeAddrInfoW(found);
  }
  ::WSACleanup();
  return reachable;
}

void WindowsSystem::openPage(std::string_view address) {
  // The address itself, handed to the default browser; nothing in between
  // interprets it.
  ::ShellExecuteW(nullptr, L"open", utf16::widen(address).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

WindowsSystem::WindowsSystem() {
  // Libraries that Windows' own code loads by name while the program runs
  // (Winsock's providers, the shell's, GDI+ for the chart DLLs) come from
  // the system's folder only: never from the program's folder, the working
  // directory or the PATH, where a file of the same name may have been put.
  ::SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
}

bool WindowsSystem::startNewInstance() {
  std::wstring self(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = ::GetModuleFileNameW(nullptr, self.data(), static_cast<DWORD>(self.size()));
    if (length == 0) return false;
    if (length < self.size()) {
      self.resize(length);
      break;
    }
    self.resize(self.size() * 2);
  }
  std::wstring commandLine = quoted(self);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (::CreateProcessW(self.c_str(), commandLine.data(), nullptr, nullptr, FALSE, CREATE_NEW_CONSOLE, nullptr,
                       nullptr, &startup, &process) == 0) {
    return false;  // the program's file moved or gone
  }
  ::CloseHandle(process.hThread);
  ::CloseHandle(process.hProcess);
  return true;
}

std::int64_t WindowsSystem::nowSeconds() {
  return std::chrono::duration_cast<std::chrono::seconds>(
             std::chrono::system_clock::now().time_since_epoch())
      .count();
}

void WindowsSystem::sleepMillis(int milliseconds) { ::Sleep(static_cast<DWORD>(milliseconds)); }

void WindowsSystem::secureRandom(std::span<std::uint32_t> out) {
  auto* bytes = reinterpret_cast<unsigned char*>(out.data());
  std::size_t remaining = out.size_bytes();
  while (remaining > 0) {
    const ULONG size = remaining > 0x40000000u ? 0x40000000u : static_cast<ULONG>(remaining);
    if (!BCRYPT_SUCCESS(::BCryptGenRandom(nullptr, bytes, size, BCRYPT_USE_SYSTEM_PREFERRED_RNG))) {
      std::abort();  // the system's random source does not fail
    }
    bytes += size;
    remaining -= size;
  }
}

std::string WindowsSystem::dataDirectory() {
  // Beside the .exe only, as it is shipped (and as the build tree has it):
  // never the folder above, which is the user's own (Downloads, say).
  const std::string self = modules::programDirectory();
  if (self.empty()) return {};
  const DWORD shipped = ::GetFileAttributesW(utf16::widen(self + "/risorsa.cf.txt").c_str());
  if (shipped != INVALID_FILE_ATTRIBUTES && (shipped & FILE_ATTRIBUTE_DIRECTORY) == 0) return self;
  return {};
}

}  // namespace tavrik
