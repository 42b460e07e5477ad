// Checks evaluateExpression against a recursive-descent reading of the same
// grammar, and checks that a valid expression in parentheses keeps its value
// and that negating it negates the value.

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

#include "calc/ExpressionEvaluator.hpp"

namespace {

using tavrik::calc::evaluateExpression;

// expression := term (("+" | "-") term)*
// term       := factor (("*" | "/") factor)*
// factor     := ("+" | "-") factor | number | "(" expression ")"
// number     := digits with at most one ".", at least one digit
class ReferenceParser {
 public:
  explicit ReferenceParser(std::string_view text) : text_(text) {}

  std::optional<double> parseAll() {
    const auto value = expression();
    if (!value || at_ != text_.size()) return std::nullopt;
    return value;
  }

 private:
  bool peek(char c) const { return at_ < text_.size() && text_[at_] == c; }

  std::optional<double> expression() {
    auto left = term();
    while (left && (peek('+') || peek('-'))) {
      const char op = text_[at_++];
      const auto right = term();
      if (!right) return std::nullopt;
      left = op == '+' ? *left + *right : *left - *right;
    }
    return left;
  }

  std::optional<double> term() {
    auto left = factor();
    while (left && (peek('*') || peek('/'))) {
      const char op = text_[at_++];
      const auto right = factor();
      if (!right) return std::nullopt;
      left = op == '*' ? *left * *right : *left / *right;
    }
    return left;
  }

  std::optional<double> factor() {
    if (peek('+') || peek('-')) {
      const char sign = text_[at_++];
      const auto operand = factor();
      if (!operand) return std::nullopt;
      return sign == '-' ? -*operand : *operand;
    }
    if (peek('(')) {
      ++at_;
      const auto inner = expression();
      if (!inner || !peek(')')) return std::nullopt;
      ++at_;
      return inner;
    }
    return number();
  }

  std::optional<double> number() {
    const std::size_t start = at_;
    std::size_t digits = 0;
    bool point = false;
    while (at_ < text_.size()) {
      const char c = text_[at_];
      if (c >= '0' && c <= '9') {
        ++digits;
      } else if (c == '.' && !point) {
        point = true;
      } else {
        break;
      }
      ++at_;
    }
    if (digits == 0) return std::nullopt;
    const std::string token(text_.substr(start, at_ - start));
    return std::strtod(token.c_str(), nullptr);
  }

  std::string_view text_;
  std::size_t at_ = 0;
};

bool sameValue(std::optional<double> a, std::optional<double> b) {
  if (a.has_value() != b.has_value()) return false;
  if (!a) return true;
  if (std::isnan(*a) || std::isnan(*b)) return std::isnan(*a) && std::isnan(*b);
  return *a == *b && std::signbit(*a) == std::signbit(*b);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // The reference parser recurses once per parenthesis and sign.
  constexpr std::size_t kMaxLength = 4096;
  if (size > kMaxLength) return 0;
  const std::string text(reinterpret_cast<const char*>(data), size);

  const std::optional<double> value = evaluateExpression(text);
  if (!sameValue(value, ReferenceParser(text).parseAll())) std::abort();
  // Only for valid text: "1)+(2" is not an expression, but "(1)+(2)" is.
  if (!value) return 0;
  if (!sameValue(evaluateExpression("(" + text + ")"), value)) std::abort();
  if (!sameValue(evaluateExpression("-(" + text + ")"), -*value)) std::abort();
  return 0;
}
