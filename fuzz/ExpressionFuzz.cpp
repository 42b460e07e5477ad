// evaluateExpression against a recursive-descent reading of the same grammar;
// a valid expression keeps its value in parentheses and changes sign negated.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>

#include "calc/ExpressionEvaluator.hpp"

namespace {

using Value = std::optional<double>;

Value negated(Value value) { return value ? Value(-*value) : value; }

// sum := product (("+" | "-") product)*    product := factor (("*" | "/") factor)*
// factor := ("+" | "-") factor | "(" sum ")" | digits with at most one "."
struct Reference {
  const std::string& text;
  std::size_t at = 0;

  bool next(char c) { return at < text.size() && text[at] == c && ++at; }

  Value binary(bool sum) {
    Value left = sum ? binary(false) : factor();
    while (left && at < text.size() && std::string(sum ? "+-" : "*/").find(text[at]) < 2) {
      const char op = text[at++];
      const Value right = sum ? binary(false) : factor();
      if (!right) return std::nullopt;
      const double l = *left, r = *right;
      left = op == '+' ? l + r : op == '-' ? l - r : op == '*' ? l * r : l / r;
    }
    return left;
  }

  Value factor() {
    if (next('+')) return factor();
    if (next('-')) return negated(factor());
    if (next('(')) {
      const Value inner = binary(true);
      return inner && next(')') ? inner : std::nullopt;
    }
    const std::size_t start = at;
    at = std::min(text.find_first_not_of("0123456789.", at), text.size());
    const std::string number = text.substr(start, at - start);
    const auto points = std::count(number.begin(), number.end(), '.');
    if (points > 1 || number.size() == std::size_t(points)) return std::nullopt;
    return std::strtod(number.c_str(), nullptr);
  }
};

// The same value, with the same sign of zero; any NaN matches any other.
bool same(Value a, Value b) {
  if (!a || !b) return a.has_value() == b.has_value();
  if (std::isnan(*a) || std::isnan(*b)) return std::isnan(*a) && std::isnan(*b);
  return *a == *b && std::signbit(*a) == std::signbit(*b);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size > 4096) return 0;  // the reference recurses once per parenthesis and sign
  const std::string text(reinterpret_cast<const char*>(data), size);
  const Value value = tavrik::calc::evaluateExpression(text);
  Reference reference{text};
  const Value expected = reference.binary(true);
  if (!same(value, reference.at == text.size() ? expected : std::nullopt)) std::abort();
  if (value && (!same(tavrik::calc::evaluateExpression("(" + text + ")"), value) ||
                !same(tavrik::calc::evaluateExpression("-(" + text + ")"), negated(value)))) {
    std::abort();
  }
  return 0;
}
