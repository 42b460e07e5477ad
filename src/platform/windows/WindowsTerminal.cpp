#include "WindowsTerminal.hpp"

#include <windows.h>

#include <atomic>
#include <mutex>
#include <string_view>

#include "Utf16.hpp"

namespace tavrik {

namespace {

constexpr std::string_view kPauseMessage = "Premere un tasto per continuare . . .";

// What the console was like before the program changed it. Kept outside the
// terminal object, since the control handler runs on a thread of its own
// and may outlive nothing but the process.
struct SavedConsole {
  std::mutex lock;
  HANDLE output = INVALID_HANDLE_VALUE;
  UINT outputCodePage = 0;
  UINT inputCodePage = 0;
  bool titleSaved = false;
  std::wstring title;
  bool coloured = false;
  WORD attributes = 0;
  bool inputHidden = false;
  DWORD inputMode = 0;  // the input's mode before it was hidden
};

SavedConsole& saved() {
  static SavedConsole console;
  return console;
}

std::atomic<WindowsTerminal*> current{nullptr};

BOOL WINAPI onControl(DWORD event) {
  // The console is put back first, whatever the event.
  if (WindowsTerminal* terminal = current.load()) terminal->restore();
  // Ctrl-C and Ctrl-Break end the program at once, with the status Windows
  // gives an interrupted console program. A closed window, logoff or
  // shutdown: the system's own handling ends it.
  if (event == CTRL_C_EVENT || event == CTRL_BREAK_EVENT) {
    ::TerminateProcess(::GetCurrentProcess(), STATUS_CONTROL_C_EXIT);
  }
  return FALSE;
}

bool isConsole(HANDLE handle) {
  DWORD mode = 0;
  return handle != INVALID_HANDLE_VALUE && handle != nullptr && ::GetConsoleMode(handle, &mode) != 0;
}

// Applies an attribute to every cell of the console's buffer, as `color`
// does: the text already written changes colour too.
void paintBuffer(HANDLE output, WORD attributes) {
  CONSOLE_SCREEN_BUFFER_INFO info{};
  if (::GetConsoleScreenBufferInfo(output, &info) == 0) return;
  const DWORD cells = static_cast<DWORD>(info.dwSize.X) * static_cast<DWORD>(info.dwSize.Y);
  DWORD written = 0;
  ::FillConsoleOutputAttribute(output, attributes, cells, COORD{0, 0}, &written);
  ::SetConsoleTextAttribute(output, attributes);
}

}  // namespace

WindowsTerminal::WindowsTerminal(std::ostream& out)
    : out_(out), interactive_(isConsole(::GetStdHandle(STD_OUTPUT_HANDLE))) {
  SavedConsole& console = saved();
  const std::lock_guard guard(console.lock);
  console.output = ::GetStdHandle(STD_OUTPUT_HANDLE);
  // The program's texts and the user's answers are UTF-8.
  console.outputCodePage = ::GetConsoleOutputCP();
  console.inputCodePage = ::GetConsoleCP();
  if (console.outputCodePage != 0) ::SetConsoleOutputCP(CP_UTF8);
  if (console.inputCodePage != 0) ::SetConsoleCP(CP_UTF8);
  current.store(this);
  ::SetConsoleCtrlHandler(onControl, TRUE);
}

WindowsTerminal::~WindowsTerminal() {
  current.store(nullptr);
  restore();
}

void WindowsTerminal::setTitle(std::string_view title) {
  SavedConsole& console = saved();
  const std::lock_guard guard(console.lock);
  if (!console.titleSaved) {
    std::wstring original(MAX_PATH, L'\0');
    const DWORD length = ::GetConsoleTitleW(original.data(), static_cast<DWORD>(original.size()));
    if (length == 0 && ::GetLastError() != ERROR_SUCCESS) return;  // no console
    original.resize(length);
    console.title = std::move(original);
    console.titleSaved = true;
  }
  ::SetConsoleTitleW(utf16::widen(title).c_str());
}

void WindowsTerminal::clear() {
  if (!interactive_) return;
  out_.flush();
  const HANDLE output = ::GetStdHandle(STD_OUTPUT_HANDLE);
  CONSOLE_SCREEN_BUFFER_INFO info{};
  if (::GetConsoleScreenBufferInfo(output, &info) == 0) return;
  // The whole buffer, as `cls` does; the cursor goes to the top.
  const DWORD cells = static_cast<DWORD>(info.dwSize.X) * static_cast<DWORD>(info.dwSize.Y);
  DWORD written = 0;
  ::FillConsoleOutputCharacterW(output, L' ', cells, COORD{0, 0}, &written);
  ::FillConsoleOutputAttribute(output, info.wAttributes, cells, COORD{0, 0}, &written);
  ::SetConsoleCursorPosition(output, COORD{0, 0});
  SMALL_RECT window = info.srWindow;
  window.Bottom = static_cast<SHORT>(window.Bottom - window.Top);
  window.Top = 0;
  ::SetConsoleWindowInfo(output, TRUE, &window);
}

void WindowsTerminal::setColours(ConsoleColours colours) {
  if (!interactive_) return;
  out_.flush();
  SavedConsole& console = saved();
  const std::lock_guard guard(console.lock);
  if (!console.coloured) {
    CONSOLE_SCREEN_BUFFER_INFO info{};
    if (::GetConsoleScreenBufferInfo(console.output, &info) == 0) return;
    console.attributes = info.wAttributes;
    console.coloured = true;
  }
  paintBuffer(console.output, static_cast<WORD>(((colours.background & 0xf) << 4) | (colours.text & 0xf)));
}

void WindowsTerminal::waitForKey() {
  out_ << kPauseMessage;
  out_.flush();
  const HANDLE input = ::GetStdHandle(STD_INPUT_HANDLE);
  DWORD mode = 0;
  if (isConsole(input) && ::GetConsoleMode(input, &mode) != 0) {
    // One key, as it is pressed: no line input, no echo.
    ::SetConsoleMode(input, mode & ~static_cast<DWORD>(ENABLE_LINE_INPUT | ENABLE_ECHO_INPUT));
    for (;;) {
      INPUT_RECORD record{};
      DWORD read = 0;
      if (::ReadConsoleInputW(input, &record, 1, &read) == 0 || read == 0) break;
      if (record.EventType == KEY_EVENT && record.Event.KeyEvent.bKeyDown) break;
    }
    ::SetConsoleMode(input, mode);
  } else if (in_ != nullptr) {
    in_->get();
    in_->clear();
  }
  out_ << '\n';
  out_.flush();
}

void WindowsTerminal::setInputHidden(bool hidden) {
  SavedConsole& console = saved();
  const std::lock_guard guard(console.lock);
  const HANDLE input = ::GetStdHandle(STD_INPUT_HANDLE);
  if (!hidden) {
    if (console.inputHidden) ::SetConsoleMode(input, console.inputMode);
    console.inputHidden = false;
    return;
  }
  DWORD mode = 0;
  if (console.inputHidden || !isConsole(input) || ::GetConsoleMode(input, &mode) == 0) return;
  if (::SetConsoleMode(input, mode & ~static_cast<DWORD>(ENABLE_ECHO_INPUT)) == 0) return;
  console.inputMode = mode;
  console.inputHidden = true;
}

void WindowsTerminal::restore() {
  SavedConsole& console = saved();
  const std::lock_guard guard(console.lock);
  if (console.inputHidden) {
    ::SetConsoleMode(::GetStdHandle(STD_INPUT_HANDLE), console.inputMode);
    console.inputHidden = false;
  }
  if (console.coloured) {
    paintBuffer(console.output, console.attributes);
    console.coloured = false;
  }
  if (console.titleSaved) {
    ::SetConsoleTitleW(console.title.c_str());
    console.titleSaved = false;
  }
  if (console.outputCodePage != 0) ::SetConsoleOutputCP(console.outputCodePage);
  if (console.inputCodePage != 0) ::SetConsoleCP(console.inputCodePage);
}

}  // namespace tavrik
