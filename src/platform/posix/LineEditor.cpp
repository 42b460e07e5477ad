#include "LineEditor.hpp"

#include <dlfcn.h>
#include <fcntl.h>
#include <histedit.h>
#include <langinfo.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <type_traits>


namespace tavrik {

namespace {

// libedit, loaded the first time the program runs at a terminal: a run with
// piped input never loads it, nor the libraries behind it (libtinfo, libbsd,
// libmd), and starts as fast as without it. The header gives the types; the
// functions come from Debian's shared library (libedit2).
struct Libedit {
  decltype(&::el_init) init = nullptr;
  decltype(&::el_end) end = nullptr;
  decltype(&::el_set) set = nullptr;
  decltype(&::el_get) get = nullptr;
  decltype(&::el_gets) gets = nullptr;
  decltype(&::el_source) source = nullptr;
  decltype(&::history_init) historyInit = nullptr;
  decltype(&::history_end) historyEnd = nullptr;
  decltype(&::history) history = nullptr;
};

// The library's functions; nullptr when it cannot be loaded whole.
const Libedit* libedit() {
  static const Libedit* const loaded = []() -> const Libedit* {
    void* library = ::dlopen("libedit.so.2", RTLD_NOW | RTLD_LOCAL);
    if (library == nullptr) return nullptr;
    static Libedit functions;
    bool complete = true;
    auto bind = [&](auto& function, const char* name) {
      function = reinterpret_cast<std::remove_reference_t<decltype(function)>>(::dlsym(library, name));
      complete = complete && function != nullptr;
    };
    bind(functions.init, "el_init");
    bind(functions.end, "el_end");
    bind(functions.set, "el_set");
    bind(functions.get, "el_get");
    bind(functions.gets, "el_gets");
    bind(functions.source, "el_source");
    bind(functions.historyInit, "history_init");
    bind(functions.historyEnd, "history_end");
    bind(functions.history, "history");
    // The library stays loaded for the rest of the run.
    return complete ? &functions : nullptr;
  }();
  return loaded;
}

// Key bindings on top of the editor's own emacs-style ones. A tab is typed
// into the answer as at a plain console, not completed; Home, End, Delete
// and Ctrl+arrows are bound in the forms terminals commonly send.
constexpr const char* kBindings[][2] = {
    {"^I", "ed-insert"},          {"\\e[H", "ed-move-to-beg"},
    {"\\e[F", "ed-move-to-end"},  {"\\eOH", "ed-move-to-beg"},
    {"\\eOF", "ed-move-to-end"},  {"\\e[1~", "ed-move-to-beg"},
    {"\\e[4~", "ed-move-to-end"}, {"\\e[7~", "ed-move-to-beg"},
    {"\\e[8~", "ed-move-to-end"}, {"\\e[3~", "ed-delete-next-char"},
    {"\\e[1;5D", "ed-prev-word"}, {"\\e[1;5C", "em-next-word"},
};

// The editor measures and draws characters by the locale's character type.
// The program's own texts are UTF-8, so a locale that is not is replaced by
// the plain UTF-8 one. Only the character type is touched: numbers and
// messages are formatted exactly as without a terminal.
void useUtf8CharacterType() {
  if (std::setlocale(LC_CTYPE, "") != nullptr && std::strcmp(nl_langinfo(CODESET), "UTF-8") == 0) {
    return;
  }
  if (std::setlocale(LC_CTYPE, "C.UTF-8") == nullptr) std::setlocale(LC_CTYPE, "C");
}

// The text as characters of the locale; nullopt when it does not decode
// whole (an invalid sequence, or a zero byte inside).
std::optional<std::wstring> decoded(const std::string& text) {
  if (text.find('\0') != std::string::npos) return std::nullopt;
  std::mbstate_t state{};
  const char* source = text.c_str();
  const std::size_t length = std::mbsrtowcs(nullptr, &source, 0, &state);
  if (length == static_cast<std::size_t>(-1)) return std::nullopt;
  std::wstring wide(length, L'\0');
  source = text.c_str();
  state = std::mbstate_t{};
  std::mbsrtowcs(wide.data(), &source, length, &state);
  return wide;
}

// A line as the terminal's line mode gives it, line end included; nullopt
// when the input ends before any of it (Ctrl-D on an empty line).
std::optional<std::string> readTerminalLine() {
  std::string line;
  char c = 0;
  for (;;) {
    const ssize_t count = ::read(STDIN_FILENO, &c, 1);
    if (count < 0 && errno == EINTR) continue;
    if (count <= 0) return line.empty() ? std::nullopt : std::optional(line);
    line += c;
    if (c == '\n') return line;
  }
}

// The user's own editor settings, where the library looks for them
// ($EDITRC, else ~/.editrc); empty unless that is a regular file: a pipe
// or a device there would hold up the start.
std::string settingsFile() {
  std::string path;
  if (const char* named = std::getenv("EDITRC"); named != nullptr && *named != '\0') {
    path = named;
  } else if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0') {
    path = std::string(home) + "/.editrc";
  } else {
    return {};
  }
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return {};
  struct stat status {};
  const bool regular = ::fstat(fd, &status) == 0 && S_ISREG(status.st_mode);
  ::close(fd);
  return regular ? path : std::string();
}

}  // namespace

bool RecallList::add(std::string_view line) {
  if (line.empty()) return false;
  if (!entries_.empty() && entries_.back() == line) return false;
  if (entries_.size() == kCapacity) entries_.erase(entries_.begin());
  entries_.emplace_back(line);
  return true;
}

std::unique_ptr<LineEditor> LineEditor::openIfTerminal() {
  if (::isatty(STDIN_FILENO) != 1 || ::isatty(STDOUT_FILENO) != 1) return nullptr;
  // Without libedit the terminal is read as it comes, like a pipe.
  if (libedit() == nullptr) return nullptr;
  useUtf8CharacterType();
  std::unique_ptr<LineEditor> editor(new LineEditor());
  // Without an editor the terminal is read as it comes, like a pipe.
  if (editor->editor_ == nullptr || editor->commandLines_ == nullptr ||
      editor->answers_ == nullptr) {
    return nullptr;
  }
  return editor;
}

LineEditor::LineEditor() {
  const Libedit& edit = *libedit();
  HistEvent event;
  commandLines_ = edit.historyInit();
  answers_ = edit.historyInit();
  editor_ = edit.init("tavrik-terminal", stdin, stdout, stderr);
  if (editor_ == nullptr || commandLines_ == nullptr || answers_ == nullptr) return;
  edit.history(commandLines_, &event, H_SETSIZE, static_cast<int>(RecallList::kCapacity));

  edit.set(editor_, EL_CLIENTDATA, this);
  edit.set(editor_, EL_PROMPT, &LineEditor::promptOf);
  edit.set(editor_, EL_EDITOR, "emacs");
  // The editor puts the terminal back in its normal mode before a signal
  // takes effect, and draws the line again after a suspension or a resize.
  edit.set(editor_, EL_SIGNAL, 1);
  edit.set(editor_, EL_HIST, edit.history, commandLines_);
  for (const auto& [keys, function] : kBindings) {
    edit.set(editor_, EL_BIND, keys, function, nullptr);
  }
  // The user's own editor settings (~/.editrc), as in other programs that
  // edit lines with libedit.
  if (const std::string settings = settingsFile(); !settings.empty()) {
    edit.source(editor_, settings.c_str());
  }
}

LineEditor::~LineEditor() {
  const Libedit& edit = *libedit();
  if (editor_ != nullptr) edit.end(editor_);
  if (answers_ != nullptr) edit.historyEnd(answers_);
  if (commandLines_ != nullptr) edit.historyEnd(commandLines_);
}

char* LineEditor::promptOf(editline* editor) {
  void* self = nullptr;
  libedit()->get(editor, EL_CLIENTDATA, &self);
  return static_cast<LineEditor*>(self)->prompt_.data();
}

std::optional<std::string> LineEditor::readLine(std::string_view prompt, bool commandLine) {
  std::optional<std::string> line;
  if (hidden_ && hidden_()) {
    // The terminal's own line mode, nothing redrawn: the prompt is written
    // once, as it is.
    std::fwrite(prompt.data(), 1, prompt.size(), stdout);
    std::fflush(stdout);
    line = readTerminalLine();
  } else {
    prompt_ = prompt;
    const Libedit& edit = *libedit();
    edit.set(editor_, EL_HIST, edit.history, commandLine ? commandLines_ : answers_);
    int count = 0;
    const char* read = edit.gets(editor_, &count);
    // Ctrl-D on an empty line, or a terminal that went away.
    if (read == nullptr || count <= 0) return std::nullopt;
    line.emplace(read, static_cast<std::size_t>(count));
  }
  if (line && line->ends_with('\n')) line->pop_back();
  return line;
}

void LineEditor::remember(std::string_view commandLine) {
  // A line the editor cannot show as it is (bytes that are not characters of
  // the locale) would not come back byte for byte: it is not offered.
  const std::string line(commandLine);
  if (!decoded(line) || !recall_.add(line)) return;
  HistEvent event;
  libedit()->history(commandLines_, &event, H_ENTER, line.c_str());
}

}  // namespace tavrik
