// evaluateExpression against a recursive-descent reading of the same grammar;
// a valid expression keeps its value in parentheses and changes sign negated.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <variant>

#include "calc/ExpressionEvaluator.hpp"

namespace {

using tavrik::calc::ExpressionError;
using Value = std::optional<double>;
using Result = std::variant<double, ExpressionError>;

Value negated(Value value) { return value ? Value(-*value) : value; }

// sum := product (("+" | "-") product)*    product := factor (("*" | "/") factor)*
// factor := ("+" | "-") factor | "(" sum ")" | digits with at most one "."
// with blanks (space, tab) allowed before every token and at the end.
struct Reference {
  const std::string& text;
  std::size_t at = 0;
  bool zeroDivisor = false;

  bool atBlank() const { return at < text.size() && (text[at] == ' ' || text[at] == '\t'); }
  void skipBlanks() {
    while (atBlank()) ++at;
  }
  bool next(char c) { return (skipBlanks(), at < text.size()) && text[at] == c && ++at; }

  Value binary(bool sum) {
    Value left = sum ? binary(false) : factor();
    while (left && (skipBlanks(), at < text.size()) &&
           std::string(sum ? "+-" : "*/").find(text[at]) < 2) {
      const char op = text[at++];
      const Value right = sum ? binary(false) : factor();
      if (!right) return std::nullopt;
      const double l = *left, r = *right;
      zeroDivisor = zeroDivisor || (op == '/' && r == 0);
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
    skipBlanks();
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

Value evaluated(const std::string& text) {
  const Result result = tavrik::calc::evaluateExpression(text);
  const double* value = std::get_if<double>(&result);
  return value ? Value(*value) : std::nullopt;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size > 4096) return 0;  // the reference recurses once per parenthesis and sign
  const std::string text(reinterpret_cast<const char*>(data), size);
  Reference reference{text};
  Value expected = reference.binary(true);
  reference.skipBlanks();
  if (reference.at != text.size()) expected.reset();
  // A text that is an expression has a value unless it divides by zero.
  const Result error =
      expected ? ExpressionError::DivisionByZero : ExpressionError::NotAnExpression;
  if (reference.zeroDivisor) expected.reset();
  const Value value = evaluated(text);
  if (!same(value, expected) || (!value && tavrik::calc::evaluateExpression(text) != error) ||
      (value && (!same(evaluated("(" + text + ")"), value) ||
                 !same(evaluated("-(" + text + ")"), negated(value))))) {
    std::abort();
  }
  return 0;
}
