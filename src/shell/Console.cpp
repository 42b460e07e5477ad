#include "shell/Console.hpp"

#include <limits>
#include <sstream>

#include "shell/Messages.hpp"

namespace tavrik {

namespace {
constexpr std::size_t kMaxPendingPrompt = 4096;
}  // namespace

Console::Console(std::istream& in, std::ostream& out) : in_(in), out_(out) {}

void Console::write(std::string_view text) {
  out_ << text;
  const auto lastBreak = text.rfind('\n');
  if (lastBreak != std::string_view::npos) {
    pendingPrompt_.clear();
    text.remove_prefix(lastBreak + 1);
  }
  // A prompt is short; a long text on one line (a generated code, say) need
  // not be kept whole, only its end.
  if (text.size() >= kMaxPendingPrompt) {
    pendingPrompt_.assign(text.substr(text.size() - kMaxPendingPrompt));
    return;
  }
  pendingPrompt_ += text;
  if (pendingPrompt_.size() > kMaxPendingPrompt) {
    pendingPrompt_.erase(0, pendingPrompt_.size() - kMaxPendingPrompt);
  }
}

namespace {
template <typename T>
std::string formatted(T value) {
  std::ostringstream text;
  text << value;
  return text.str();
}
}  // namespace

void Console::write(int value) { write(formatted(value)); }
void Console::write(long long value) { write(formatted(value)); }
void Console::write(unsigned long long value) { write(formatted(value)); }
void Console::write(float value) { write(formatted(value)); }
void Console::write(double value) { write(formatted(value)); }
void Console::write(char value) { write(std::string_view(&value, 1)); }

void Console::endLine() {
  out_ << std::endl;
  pendingPrompt_.clear();
}

void Console::flush() { out_.flush(); }

void Console::endOfInput() {
  in_.clear();
  throw EndOfInput{};
}

std::string Console::readLine() {
  flush();
  std::string line;
  if (!std::getline(in_, line)) endOfInput();
  answerRead();
  return line;
}

std::string Console::readCommandLine() {
  readingCommandLine_ = true;
  std::string line;
  try {
    line = readLine();
  } catch (...) {
    readingCommandLine_ = false;
    throw;
  }
  readingCommandLine_ = false;
  if (commandLineListener_) commandLineListener_(line);
  return line;
}

Console::LinePrompt Console::takeLinePrompt() {
  LinePrompt prompt{std::move(pendingPrompt_), readingCommandLine_};
  pendingPrompt_.clear();
  return prompt;
}

std::string Console::readWord() {
  flush();
  std::string word;
  if (!(in_ >> word)) endOfInput();
  answerRead();
  return word;
}

char Console::readChar() {
  flush();
  char c = 0;
  if (!(in_ >> c)) endOfInput();
  answerRead();
  return c;
}

template <typename T>
std::optional<T> Console::tryRead() {
  flush();
  T value{};
  if (in_ >> value) {
    answerRead();
    return value;
  }
  // Extraction found nothing but white space before the end of input.
  if (in_.eof()) endOfInput();
  in_.clear();
  in_.ignore(std::numeric_limits<std::streamsize>::max(), '\n');
  answerRead();
  return std::nullopt;
}

template <typename T>
T Console::readNumber() {
  for (;;) {
    const std::string prompt = pendingPrompt_;
    if (auto value = tryRead<T>()) return *value;
    endLine();
    write(msg::kRetry);
    endLine();
    write(prompt);
  }
}

int Console::readInt() { return readNumber<int>(); }
float Console::readFloat() { return readNumber<float>(); }
double Console::readDouble() { return readNumber<double>(); }
std::optional<int> Console::tryReadInt() { return tryRead<int>(); }
std::optional<double> Console::tryReadDouble() { return tryRead<double>(); }

void Console::discardOne() { in_.ignore(1); }

}  // namespace tavrik
