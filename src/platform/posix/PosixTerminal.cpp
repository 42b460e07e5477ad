#include "PosixTerminal.hpp"

#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <string_view>

#include "SignalCleanup.hpp"

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

PosixTerminal::PosixTerminal(std::ostream& out, bool guarded)
    : out_(out),
      interactive_(::isatty(STDOUT_FILENO) == 1),
      escapes_(understandsEscapes()),
      coloursWanted_(escapes_ && coloursWanted()) {
  if (guarded) signalcleanup::guardTerminal();
}

void PosixTerminal::send(const std::string& sequence) {
  if (pending_) pending_();
  out_ << sequence;
  out_.flush();
}

void PosixTerminal::updateGuard() {
  std::string take = title_.empty() ? std::string() : std::string(kSaveTitle) + title_;
  take += colours_;
  std::string putBack = colours_.empty() ? "" : std::string(kResetColours);
  if (!title_.empty()) putBack += kRestoreTitle;
  signalcleanup::setTerminalBytes(take, putBack);
}

void PosixTerminal::setTitle(std::string_view title) {
  if (!escapes_) return;
  std::string sequence = title_.empty() ? std::string(kSaveTitle) : std::string();
  title_ = "\x1b]0;";
  for (const char c : title) {
    // A control character would end the title sequence early.
    if (static_cast<unsigned char>(c) >= 0x20 && c != 0x7f) title_ += c;
  }
  title_ += '\x07';
  updateGuard();
  send(sequence + title_);
}

void PosixTerminal::clear() {
  // The screen only: the user's scrollback stays.
  if (escapes_) send("\x1b[H\x1b[2J");
}

void PosixTerminal::setColours(ConsoleColours colours) {
  if (!coloursWanted_) return;
  colours_ = ansiColourSequence(colours);
  updateGuard();
  send(colours_);
}

void PosixTerminal::waitForKey() {
  if (pending_) pending_();
  out_ << kPauseMessage;
  out_.flush();
  termios raw{};
  if (::isatty(STDIN_FILENO) == 1 && ::tcgetattr(STDIN_FILENO, &raw) == 0) {
    raw.c_lflag &= static_cast<tcflag_t>(~(ICANON | ECHO));
    raw.c_cc[VMIN] = 1;
    raw.c_cc[VTIME] = 0;
    signalcleanup::setProgramMode(&raw);
    // Straight from the terminal: the stream's buffer holds nothing at a
    // terminal once a whole line has been consumed.
    char key = 0;
    while (::read(STDIN_FILENO, &key, 1) < 0 && errno == EINTR) {
    }
    signalcleanup::setProgramMode(nullptr);
  } else if (in_ != nullptr) {
    in_->get();
    in_->clear();
  }
  out_ << '\n';
  out_.flush();
}

void PosixTerminal::setInputHidden(bool hidden) {
  if (hidden == inputHidden_) return;
  inputHidden_ = hidden;
  termios mode{};
  if (!hidden || ::isatty(STDIN_FILENO) != 1 || ::tcgetattr(STDIN_FILENO, &mode) != 0) {
    signalcleanup::setProgramMode(nullptr);
    return;
  }
  // The terminal's own line mode reads the line; with ECHONL it echoes the
  // line end alone, so what follows starts on a new line.
  mode.c_lflag = (mode.c_lflag & static_cast<tcflag_t>(~ECHO)) | ICANON | ECHONL;
  signalcleanup::setProgramMode(&mode);
}

void PosixTerminal::restore() {
  out_.flush();
  keptTitle_ = std::move(title_);
  keptColours_ = std::move(colours_);
  title_.clear();
  colours_.clear();
  inputHidden_ = false;
  signalcleanup::putTerminalBack();
}

void PosixTerminal::retake() {
  title_ = std::move(keptTitle_);
  colours_ = std::move(keptColours_);
  keptTitle_.clear();
  keptColours_.clear();
  if (title_.empty() && colours_.empty()) return;
  updateGuard();
  send((title_.empty() ? std::string() : std::string(kSaveTitle) + title_) + colours_);
}

}  // namespace tavrik
