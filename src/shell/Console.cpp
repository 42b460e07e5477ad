#include "shell/Console.hpp"

#include <cmath>
#include <cstdlib>
#include <limits>
#include <type_traits>
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
  out_ << '\n';
  pendingPrompt_.clear();
}

void Console::flush() { out_.flush(); }

void Console::flushBeforeWaiting() {
  // What was written must be on the screen before the program waits for
  // the user; input already typed ahead needs no wait.
  if (in_.rdbuf()->in_avail() <= 0) flush();
}

void Console::endOfInput() {
  in_.clear();
  throw EndOfInput{};
}

std::string Console::readLine() {
  flushBeforeWaiting();
  std::string line;
  if (!std::getline(in_, line)) endOfInput();
  // Lines typed on Windows end with a carriage return and a line feed.
  if (!in_.eof() && line.ends_with('\r')) line.pop_back();
  answerRead(false);
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
  flushBeforeWaiting();
  std::string word;
  if (!(in_ >> word)) endOfInput();
  answerRead(true);
  return word;
}

std::string Console::readRestOfLine() {
  flushBeforeWaiting();
  in_ >> std::ws;  // at the end of input, the read of the line fails
  return readLine();
}

char Console::readChar() {
  flushBeforeWaiting();
  char c = 0;
  if (!(in_ >> c)) endOfInput();
  answerRead(true);
  return c;
}

template <typename T>
std::optional<T> Console::tryRead() {
  flushBeforeWaiting();
  T value{};
  if (in_ >> value) {
    answerRead(true);
    return value;
  }
  refuseNumber();
  return std::nullopt;
}

void Console::refuseNumber() {
  // Extraction found nothing but white space before the end of input.
  if (in_.eof()) endOfInput();
  in_.clear();
  in_.ignore(std::numeric_limits<std::streamsize>::max(), '\n');
  answerRead(false);
}

namespace {
bool isDigit(int c) { return c >= '0' && c <= '9'; }
}  // namespace

// The text of a decimal number as formatted extraction takes it (sign,
// digits, one decimal point, an exponent after digits), with a comma between
// two digits read as the decimal point; nullopt when the input ends before
// anything but white space.
std::optional<std::string> Console::scanDecimalText() {
  const std::istream::sentry skipBlanks(in_);
  if (!skipBlanks) return std::nullopt;
  std::streambuf& in = *in_.rdbuf();
  using Traits = std::streambuf::traits_type;
  std::string text;
  bool digits = false;
  bool point = false;
  bool exponent = false;
  int c = in.sgetc();
  if (c == '+' || c == '-') {
    text += static_cast<char>(c);
    c = in.snextc();
  }
  for (;;) {
    if (isDigit(c)) {
      digits = digits || !exponent;
    } else if (c == '.' && !point && !exponent) {
      point = true;
    } else if (c == ',' && !point && !exponent && !text.empty() && isDigit(text.back())) {
      const int next = in.snextc();
      if (!isDigit(next)) {
        in.sungetc();  // no decimal comma: it stays for the next read
        break;
      }
      point = true;
      text += '.';
      c = next;
      continue;
    } else if ((c == 'e' || c == 'E') && digits && !exponent) {
      exponent = true;
      text += static_cast<char>(c);
      c = in.snextc();
      if (c != '+' && c != '-') continue;
    } else {
      break;
    }
    text += static_cast<char>(c);
    c = in.snextc();
  }
  if (Traits::eq_int_type(in.sgetc(), Traits::eof())) in_.setstate(std::ios::eofbit);
  return text;
}

template <typename T>
std::optional<T> Console::tryReadDecimal() {
  flushBeforeWaiting();
  const std::optional<std::string> text = scanDecimalText();
  if (!text) endOfInput();
  // Converted as formatted extraction converts: the whole text must be a
  // number, and one beyond the type's range is no number.
  char* end = nullptr;
  const T value = std::is_same_v<T, float> ? std::strtof(text->c_str(), &end)
                                           : static_cast<T>(std::strtod(text->c_str(), &end));
  const bool whole = !text->empty() && end == text->c_str() + text->size();
  if (whole && std::isfinite(value)) {
    answerRead(true);
    return value;
  }
  refuseNumber();
  return std::nullopt;
}

template <typename T>
T Console::readNumber() {
  for (;;) {
    const std::string prompt = pendingPrompt_;
    std::optional<T> value;
    if constexpr (std::is_floating_point_v<T>) {
      value = tryReadDecimal<T>();
    } else {
      value = tryRead<T>();
    }
    if (value) return *value;
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
std::optional<double> Console::tryReadDouble() { return tryReadDecimal<double>(); }

void Console::discardOne() {
  lineEndPending_ = false;
  if (in_.get() == '\r' && in_.peek() == '\n') in_.get();
}

void Console::settleLineEnd() {
  if (lineEndPending_) discardOne();
}

}  // namespace tavrik
