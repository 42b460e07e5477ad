#include "calc/BaseConversion.hpp"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace tavrik::calc {

namespace {

constexpr std::string_view kDigitCharacters = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";
constexpr int kNoDigit = -1;

int digitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'Z') return c - 'A' + 10;
  if (c >= 'a' && c <= 'z') return c - 'a' + 10;
  return kNoDigit;
}

}  // namespace

bool isValidBase(int base) { return base >= kMinBase && base <= kMaxBase; }

std::optional<std::string> toBase(int number, int base) {
  if (!isValidBase(base)) return std::nullopt;
  // The magnitude in unsigned arithmetic, where that of INT_MIN fits.
  std::uint32_t magnitude = static_cast<std::uint32_t>(number);
  if (number < 0) magnitude = 0U - magnitude;
  const auto unsignedBase = static_cast<std::uint32_t>(base);
  std::string text;
  do {
    text += kDigitCharacters[magnitude % unsignedBase];
    magnitude /= unsignedBase;
  } while (magnitude != 0);
  if (number < 0) text += '-';
  std::reverse(text.begin(), text.end());
  return text;
}

std::variant<int, FromBaseError> fromBase(std::string_view digits, int base) {
  if (!isValidBase(base)) return FromBaseError::InvalidBase;
  const bool negative = !digits.empty() && digits.front() == '-';
  if (!digits.empty() && (digits.front() == '-' || digits.front() == '+')) {
    digits.remove_prefix(1);
  }
  if (digits.empty()) return FromBaseError::InvalidDigit;
  const bool allDigitsValid = std::all_of(digits.begin(), digits.end(), [base](char c) {
    const int value = digitValue(c);
    return value != kNoDigit && value < base;
  });
  if (!allDigitsValid) return FromBaseError::InvalidDigit;

  // The magnitude may reach 2^31 for a negative number. Accumulating in 64
  // bits and stopping at the first value beyond that keeps every step exact.
  const std::int64_t limit = negative ? -static_cast<std::int64_t>(std::numeric_limits<int>::min())
                                      : std::numeric_limits<int>::max();
  std::int64_t magnitude = 0;
  for (const char c : digits) {
    magnitude = magnitude * base + digitValue(c);
    if (magnitude > limit) return FromBaseError::TooLarge;
  }
  return static_cast<int>(negative ? -magnitude : magnitude);
}

}  // namespace tavrik::calc
