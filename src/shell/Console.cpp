#include "shell/Console.hpp"

#include <cmath>
#include <cstdlib>
#include <functional>
#include <limits>
#include <sstream>
#include <streambuf>
#include <type_traits>

#include "shell/Messages.hpp"

namespace tavrik {

namespace {

constexpr std::size_t kMaxPendingPrompt = 4096;

// A stream buffer refilled one whole line at a time: every line reaches
// the stream with a line end, so formatted extraction reads it exactly as
// it reads piped input. Once the source reports the end of input
// (nullopt), the stream stays at its end.
class LineBuffer final : public std::streambuf {
 public:
  using Source = std::function<std::optional<std::string>()>;
  explicit LineBuffer(Source source) : source_(std::move(source)) {}

 protected:
  int_type underflow() override {
    if (gptr() < egptr()) return traits_type::to_int_type(*gptr());
    if (ended_) return traits_type::eof();
    std::optional<std::string> line = source_();
    if (!line) {
      ended_ = true;
      return traits_type::eof();
    }
    line_ = std::move(*line);
    line_ += '\n';
    setg(line_.data(), line_.data(), line_.data() + line_.size());
    return traits_type::to_int_type(*gptr());
  }

 private:
  Source source_;
  std::string line_;
  bool ended_ = false;
};

}  // namespace

Console::Console(std::istream& in, std::ostream& out, LineInput* lines)
    : lines_(lines),
      typedBuffer_(lines != nullptr ? std::make_unique<LineBuffer>([this] { return nextTypedLine(); })
                                    : nullptr),
      typed_(lines != nullptr ? std::make_unique<std::istream>(typedBuffer_.get()) : nullptr),
      in_(typed_ ? *typed_ : in),
      out_(out) {}

Console::~Console() { out_ << heldBack_; }

std::optional<std::string> Console::nextTypedLine() {
  // Everything before the current line is on the screen; the current line
  // is the editor's to draw.
  out_.flush();
  const std::string prompt = std::move(heldBack_);
  heldBack_.clear();
  return lines_->readLine(prompt, readingCommandLine_);
}

void Console::write(std::string_view text) {
  const auto lastBreak = text.rfind('\n');
  if (lines_ == nullptr) {
    out_ << text;
  } else if (lastBreak == std::string_view::npos) {
    heldBack_ += text;
  } else {
    out_ << heldBack_ << text.substr(0, lastBreak + 1);
    heldBack_.assign(text.substr(lastBreak + 1));
  }
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
  // The same on every system (some write "-nan", others "nan").
  if constexpr (std::is_floating_point_v<T>) {
    if (std::isnan(value)) return "nan";
    if (std::isinf(value)) return value < 0 ? "-inf" : "inf";
  }
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
  out_ << heldBack_ << '\n';
  heldBack_.clear();
  pendingPrompt_.clear();
}

void Console::flush() {
  out_ << heldBack_;
  heldBack_.clear();
  out_.flush();
}

void Console::flushBeforeWaiting() {
  // Every question reaches the output before its answer is read: whoever
  // answers may be waiting for it (a program at the other end of two
  // pipes). A flush with nothing new written costs nothing. A line input
  // is handed the current line as its prompt instead.
  out_.flush();
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
  flushBeforeWaiting();
  readingCommandLine_ = true;
  std::string line;
  // Read byte by byte into at most one byte more than is kept: a line of
  // any length costs no more memory than that.
  const std::istream::sentry ready(in_, true);
  std::streambuf& in = *in_.rdbuf();
  using Traits = std::streambuf::traits_type;
  bool ended = !ready;
  while (!ended) {
    const Traits::int_type c = in.sbumpc();
    if (Traits::eq_int_type(c, Traits::eof())) {
      in_.setstate(std::ios::eofbit);
      ended = line.empty();
      break;
    }
    if (c == '\n') {
      // Lines typed on Windows end with a carriage return and a line feed.
      if (line.ends_with('\r')) line.pop_back();
      break;
    }
    if (line.size() > kMaxCommandLine) {
      in_.ignore(std::numeric_limits<std::streamsize>::max(), '\n');
      break;
    }
    line += Traits::to_char_type(c);
  }
  readingCommandLine_ = false;
  if (ended) endOfInput();
  if (line.size() > kMaxCommandLine) line.resize(kMaxCommandLine);
  answerRead(false);
  if (lines_ != nullptr) lines_->remember(line);
  return line;
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
