#include "tools/RandomTextGenerator.hpp"

#include <algorithm>
#include <array>
#include <functional>
#include <limits>
#include <new>
#include <optional>
#include <random>
#include <span>
#include <stdexcept>
#include <string_view>

#include "shell/Console.hpp"
#include "platform/System.hpp"

namespace tavrik::tools {

namespace {

constexpr std::string_view kCodePrompt = "Inserisci la lunghezza del codice: ";
constexpr std::string_view kCodeLabel = "Codice generato: ";
constexpr std::string_view kPasswordPrompt = "Inserire la lunghezza della password: ";
constexpr std::string_view kPasswordLabel = "La password generata: ";
constexpr std::string_view kWorking = "Elaborando";
constexpr std::string_view kOutOfMemory = "Errore: memoria insufficiente.";

constexpr std::string_view kCodeAlphabet =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
constexpr std::string_view kPasswordAlphabet =
    "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789!@#$%^&*()";
static_assert(kCodeAlphabet.size() == 62);
static_assert(kPasswordAlphabet.size() == 72);

constexpr int kDotCount = 3;
constexpr int kDotPauseMillis = 250;
constexpr int kResultPauseMillis = 50;

// Draws at or above the last whole multiple of the alphabet size would make
// the first characters more likely than the others; they are thrown away.
constexpr std::uint32_t rejectionLimit(std::size_t alphabetSize) {
  return std::numeric_limits<std::uint32_t>::max() / static_cast<std::uint32_t>(alphabetSize);
}
static_assert(rejectionLimit(62) == 69273666);
static_assert(rejectionLimit(72) == 59652323);

// Fills `text` from the draws that `next` gives, one accepted draw per
// character, in draw order. The alphabet is a template argument so that the
// division and the remainder are by a constant.
template <const std::string_view& alphabet, typename NextDraw>
void fillFromDraws(std::string& text, NextDraw next) {
  constexpr auto kSize = static_cast<std::uint32_t>(alphabet.size());
  constexpr std::uint32_t kLimit = rejectionLimit(alphabet.size());
  for (char& c : text) {
    std::uint32_t draw = next();
    while (draw / kSize >= kLimit) draw = next();
    c = alphabet[draw % kSize];
  }
}

// The system's random source, asked for many words at a time: one request
// per character would make a long password cost millions of system calls.
// A short password asks for no more words than it has characters.
class SecureDraws {
 public:
  SecureDraws(System& system, std::size_t wanted)
      : system_(system), batch_(std::min(wanted, kBatchWords)), next_(batch_) {}
  std::uint32_t operator()() {
    if (next_ == batch_) {
      system_.secureRandom(std::span(words_).first(batch_));
      next_ = 0;
    }
    return words_[next_++];
  }

 private:
  static constexpr std::size_t kBatchWords = 16384;
  System& system_;
  std::array<std::uint32_t, kBatchWords> words_{};
  std::size_t batch_;
  std::size_t next_;
};

// From this length on a password holds a character of every class.
constexpr std::size_t kEveryClassLength = 4;

// The class of a password character as a bit: lower-case, upper-case,
// digit, symbol.
unsigned classBit(char c) {
  if (c >= 'a' && c <= 'z') return 1;
  if (c >= 'A' && c <= 'Z') return 2;
  if (c >= '0' && c <= '9') return 4;
  return 8;
}

bool holdsEveryClass(std::string_view text) {
  constexpr unsigned kEveryClass = 15;
  unsigned seen = 0;
  for (const char c : text) {
    seen |= classBit(c);
    if (seen == kEveryClass) return true;
  }
  return false;
}

void showProgress(Context& context) {
  Console& console = context.console;
  console.endLine();
  console.write(kWorking);
  console.flush();
  for (int i = 0; i < kDotCount; ++i) {
    context.system.sleepMillis(kDotPauseMillis);
    console.write(".");
    console.flush();
  }
  console.endLine();
  console.endLine();
  console.flush();
  context.system.sleepMillis(kResultPauseMillis);
}

std::size_t lengthOf(int typed) { return typed > 0 ? static_cast<std::size_t>(typed) : 0; }

// The most a generated text may take: beyond it the program would hold
// gigabytes and keep the terminal busy for minutes printing one line.
constexpr std::size_t kMaxGeneratedLength = 100'000'000;

// The text, or nullopt when there is no memory for it.
template <typename Generate>
std::optional<std::string> tryGenerate(Generate& generate, std::size_t length) {
  if (length > kMaxGeneratedLength) return std::nullopt;
  try {
    return generate(length);
  } catch (const std::bad_alloc&) {
    return std::nullopt;
  } catch (const std::length_error&) {
    return std::nullopt;
  }
}

// The dialogue both commands share; `generate` makes the text of a length.
template <typename Generate>
Flow runGenerator(Context& context, std::string_view prompt, std::string_view label,
                  Generate generate) {
  Console& console = context.console;
  console.write(prompt);
  const int typed = console.readInt();
  showProgress(context);
  if (const std::optional<std::string> text = tryGenerate(generate, lengthOf(typed))) {
    console.write(label);
    console.write(*text);
  } else {
    console.write(kOutOfMemory);
  }
  console.endLine();
  return Flow::Continue;
}

}  // namespace

std::string generateCode(std::uint32_t seed, std::size_t length) {
  std::mt19937 engine(seed);
  std::string code(length, '\0');
  fillFromDraws<kCodeAlphabet>(code, [&engine] { return static_cast<std::uint32_t>(engine()); });
  return code;
}

std::string generatePassword(System& system, std::size_t length) {
  std::string password(length, '\0');
  if (length == 0) return password;
  SecureDraws draws(system, length);
  // Drawn again whole, never mended: mending one character would make some
  // passwords more likely than others.
  do {
    fillFromDraws<kPasswordAlphabet>(password, std::ref(draws));
  } while (length >= kEveryClassLength && !holdsEveryClass(password));
  return password;
}

Flow runGenerateCode(Context& context) {
  return runGenerator(context, kCodePrompt, kCodeLabel, [&context](std::size_t length) {
    // The low 32 bits of the clock are the seed: two codes made in the same
    // second are the same code.
    const auto seed = static_cast<std::uint32_t>(context.system.nowSeconds());
    return generateCode(seed, length);
  });
}

Flow runGeneratePassword(Context& context) {
  return runGenerator(context, kPasswordPrompt, kPasswordLabel, [&context](std::size_t length) {
    return generatePassword(context.system, length);
  });
}

}  // namespace tavrik::tools
