#include "calc/IntegerArithmetic.hpp"

#include <climits>
#include <cstdint>

namespace tavrik::calc {

namespace {

std::uint32_t bitsOf(int value) { return static_cast<std::uint32_t>(value); }

// Since C++20 the conversion of an unsigned value to a signed type keeps the
// bits (modulo 2^32), so this is the two's-complement reading of the bits.
int fromBits(std::uint32_t bits) { return static_cast<int>(bits); }

}  // namespace

int wrappingAdd(int left, int right) { return fromBits(bitsOf(left) + bitsOf(right)); }

int wrappingSubtract(int left, int right) { return fromBits(bitsOf(left) - bitsOf(right)); }

int wrappingMultiply(int left, int right) { return fromBits(bitsOf(left) * bitsOf(right)); }

int wrappingPower(int base, unsigned exponent) {
  // Squaring keeps the cost logarithmic in the exponent; modulo 2^32 it gives
  // the same bits as multiplying the base by itself exponent - 1 times.
  std::uint32_t result = 1;
  std::uint32_t factor = bitsOf(base);
  for (; exponent != 0; exponent >>= 1) {
    if ((exponent & 1U) != 0) result *= factor;
    factor *= factor;
  }
  return fromBits(result);
}

std::optional<IntegerDivision> divideWithRemainder(int dividend, int divisor) {
  if (divisor == 0) return std::nullopt;
  // The one quotient that does not fit: INT_MIN / -1 wraps back to INT_MIN.
  if (dividend == INT_MIN && divisor == -1) return IntegerDivision{INT_MIN, 0};
  return IntegerDivision{dividend / divisor, dividend % divisor};
}

std::variant<int, OperationError> applyIntegerOperator(int left, char op, int right) {
  switch (op) {
    case '+':
      return wrappingAdd(left, right);
    case '-':
      return wrappingSubtract(left, right);
    case '*':
      return wrappingMultiply(left, right);
    case '/': {
      const auto division = divideWithRemainder(left, right);
      if (!division) return OperationError::DivisionByZero;
      return division->quotient;
    }
    default:
      return OperationError::InvalidOperator;
  }
}

}  // namespace tavrik::calc
