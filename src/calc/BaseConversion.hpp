#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace tavrik::calc {

/// The smallest and largest bases the conversions accept.
inline constexpr int kMinBase = 2;
inline constexpr int kMaxBase = 36;

/// True for a base the conversions accept (2 to 36).
bool isValidBase(int base);

/// The digits of `number` in `base`, most significant first: digit values
/// 0-9 as "0"-"9" and 10-35 as "A"-"Z"; "0" for 0; "-" and the digits of the
/// magnitude for a negative number. nullopt for a base outside 2..36.
std::optional<std::string> toBase(int number, int base);

/// Why a digit text has no `int` value.
enum class FromBaseError { InvalidBase, InvalidDigit, TooLarge };

/// The value of a digit text in `base`: an optional "-" or "+", then at least
/// one digit, each one of "0"-"9", "A"-"Z" or "a"-"z" (values 0 to 35) and
/// below the base. A bad base is reported first, then a bad digit anywhere in
/// the text, then a value outside the `int` range.
std::variant<int, FromBaseError> fromBase(std::string_view digits, int base);

}  // namespace tavrik::calc
