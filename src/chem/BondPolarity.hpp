#pragma once

#include <string_view>

#include "shell/Context.hpp"

namespace tavrik::chem {

/// What classifyBond answers when the first symbol is unknown.
inline constexpr std::string_view kFirstElementMissing = "error";
/// What classifyBond answers when only the second symbol is unknown.
inline constexpr std::string_view kSecondElementMissing = "0";

/// The class of a bond whose electronegativity difference is `difference`
/// (not negative): "Puro", "Polarizzato" or "Ionico".
std::string_view bondClass(double difference);

/// The class of the bond between two elements, by the absolute difference of
/// their electronegativities taken in double precision: "Puro" below 0.4,
/// "Polarizzato" from 0.4 to 1.9 inclusive, "Ionico" above 1.9. A symbol the
/// table does not hold gives kFirstElementMissing or kSecondElementMissing;
/// the first symbol is looked at first.
std::string_view classifyBond(std::string_view first, std::string_view second);

/// Command "4": asks for two element symbols and prints their bond class.
Flow runBondPolarity(Context& context);

}  // namespace tavrik::chem
