#include "platform/posix/PosixTerminal.hpp"

#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <string_view>

#include "platform/posix/SignalCleanup.hpp"

namespace tavrik {

namespace {

constexpr std::string_view kPauseMessage = "Premere un tasto per continuare . . .";
constexpr std::string_view kResetColours = "\x1b[0m";
// xterm's title stack: push the current title, pop it back.
constexpr std::string_view kSaveTitle = "\x1b[22;0t";
constexpr std::string_view kRestoreTitle = "\x1b[23;0t";

bool understandsEscapes() {
  if (::isatty(STDOUT_FILENO) != 1) return false;
  const char* term = std::getenv("TERM");
  return term != nullptr && *term != '\0' && std::string_view(term) != "dumb";
}

bool coloursWanted() {
  const char* noColour = std::getenv("NO_COLOR");
  return noColour == nullptr || *noColour == '\0';
}

}  // namespace

std::string ansiColourSequence(ConsoleColours colours) {
  // Windows palette bits: 1 blue, 2 green, 4 red, 8 bright. ANSI: 1 red,
  // 2 green, 4 blue.
  auto ansi = [](int digit) { return ((digit & 1) << 2) | (digit & 2) | ((digit & 4) >> 2); };
  const int bg = ((colours.background & 8) ? 100 : 40) + ansi(colours.background);
  const int fg = ((colours.text & 8) ? 90 : 30) + ansi(colours.text);
  return "\x1b[" + std::to_string(bg) + ";" + std::to_string(fg) + "m";
}

PosixTerminal::PosixTerminal(std::ostream& out)
    : out_(out),
      interactive_(::isatty(STDOUT_FILENO) == 1),
      escapes_(understandsEscapes()),
      colours_(escapes_ && coloursWanted()) {
  signalcleanup::saveTerminalMode();
  signalcleanup::installHandlers();
}

void PosixTerminal::send(const std::string& sequence) {
  out_ << sequence;
  out_.flush();
}

void PosixTerminal::updateRestoreBytes() {
  std::string bytes;
  if (coloured_) bytes += kResetColours;
  if (titleSaved_) bytes += kRestoreTitle;
  signalcleanup::setRestoreBytes(bytes);
}

void PosixTerminal::setTitle(std::string_view title) {
  if (!escapes_) return;
  std::string sequence;
  if (!titleSaved_) sequence += kSaveTitle;
  sequence += "\x1b]0;";
  for (const char c : title) {
    // A control character would end the title sequence early.
    if (static_cast<unsigned char>(c) >= 0x20 && c != 0x7f) sequence += c;
  }
  sequence += '\x07';
  titleSaved_ = true;
  updateRestoreBytes();
  send(sequence);
}

void PosixTerminal::clear() {
  // The screen only: the user's scrollback stays.
  if (escapes_) send("\x1b[H\x1b[2J");
}

void PosixTerminal::setColours(ConsoleColours colours) {
  if (!colours_) return;
  coloured_ = true;
  updateRestoreBytes();
  send(ansiColourSequence(colours));
}

void PosixTerminal::waitForKey() {
  out_ << kPauseMessage;
  out_.flush();
  termios saved{};
  if (::isatty(STDIN_FILENO) == 1 && ::tcgetattr(STDIN_FILENO, &saved) == 0) {
    termios raw = saved;
    raw.c_lflag &= static_cast<tcflag_t>(~(ICANON | ECHO));
    raw.c_cc[VMIN] = 1;
    raw.c_cc[VTIME] = 0;
    ::tcsetattr(STDIN_FILENO, TCSANOW, &raw);
    // Straight from the terminal: the stream's buffer holds nothing at a
    // terminal once a whole line has been consumed.
    char key = 0;
    while (::read(STDIN_FILENO, &key, 1) < 0 && errno == EINTR) {
    }
    ::tcsetattr(STDIN_FILENO, TCSANOW, &saved);
  } else if (in_ != nullptr) {
    in_->get();
    in_->clear();
  }
  out_ << '\n';
  out_.flush();
}

void PosixTerminal::setInputHidden(bool hidden) {
  inputHidden_ = hidden;
  if (!hidden) {
    if (shownMode_) ::tcsetattr(STDIN_FILENO, TCSANOW, &*shownMode_);
    shownMode_.reset();
    return;
  }
  termios mode{};
  if (shownMode_ || ::isatty(STDIN_FILENO) != 1 || ::tcgetattr(STDIN_FILENO, &mode) != 0) return;
  shownMode_ = mode;
  // The terminal's own line mode reads the line; with ECHONL it echoes the
  // line end alone, so what follows starts on a new line.
  mode.c_lflag = (mode.c_lflag & static_cast<tcflag_t>(~ECHO)) | ICANON | ECHONL;
  ::tcsetattr(STDIN_FILENO, TCSANOW, &mode);
}

void PosixTerminal::restore() {
  std::string bytes;
  if (coloured_) bytes += kResetColours;
  if (titleSaved_) bytes += kRestoreTitle;
  coloured_ = titleSaved_ = false;
  updateRestoreBytes();
  if (!bytes.empty()) send(bytes);
  signalcleanup::restoreTerminalMode();
}

}  // namespace tavrik
