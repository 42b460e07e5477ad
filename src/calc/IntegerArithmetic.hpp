#pragma once

#include <optional>
#include <variant>

namespace tavrik::calc {

// The calculator's `int` is 32 bits wide and its sums, differences, products
// and powers wrap modulo 2^32. The wrapping is done in unsigned arithmetic,
// where it is defined, and the bits are read back as a signed value.

/// left + right, wrapping modulo 2^32.
int wrappingAdd(int left, int right);
/// left - right, wrapping modulo 2^32.
int wrappingSubtract(int left, int right);
/// left * right, wrapping modulo 2^32.
int wrappingMultiply(int left, int right);
/// base to a non-negative exponent, wrapping modulo 2^32; any base to the
/// power 0 (0 included) is 1.
int wrappingPower(int base, unsigned exponent);

/// Integer quotient (truncated toward zero) and remainder (with the sign of
/// the dividend), so that quotient * divisor + remainder == dividend.
struct IntegerDivision {
  int quotient;
  int remainder;
  friend bool operator==(const IntegerDivision&, const IntegerDivision&) = default;
};

/// dividend / divisor and dividend % divisor; nullopt for a zero divisor.
/// The most negative value divided by -1 wraps: quotient INT_MIN, remainder 0.
std::optional<IntegerDivision> divideWithRemainder(int dividend, int divisor);

/// Why an integer operation of the simple expression mode has no result.
enum class OperationError { InvalidOperator, DivisionByZero };

/// left op right for op one of + - * / (the quotient truncated toward zero),
/// wrapping modulo 2^32; otherwise why there is no result.
std::variant<int, OperationError> applyIntegerOperator(int left, char op, int right);

}  // namespace tavrik::calc
