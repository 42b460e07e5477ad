#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "shell/Context.hpp"

namespace tavrik::chem {

/// The value of a formula that could not be read to its end.
inline constexpr double kFormulaRejected = -1.0;

/// Why a formula could not be read to its end.
enum class FormulaError {
  None,
  UnknownAtom,    // a symbol the mass table does not hold
  CountTooLarge,  // a known symbol followed by a count above 2147483647
};

/// The molar mass of a formula, or the first thing in it that stopped it.
struct MolarMass {
  double value = 0.0;  // the mass, or kFormulaRejected when `error` is not None
  FormulaError error = FormulaError::None;
  std::string symbol;        // the symbol that stopped the reading, without its count
  std::size_t position = 0;  // where that symbol starts in the formula
};

/// Reads a formula such as "H2O" or "C6H12O6" from left to right: each symbol
/// (one character, plus one lower-case letter if one follows) with its
/// optional count adds count x mass, the product taken in single precision
/// and the sum kept in double. The empty formula weighs 0.
MolarMass computeMolarMass(std::string_view formula);

/// Command "o": asks for a formula and prints its molar mass.
Flow runMolarMass(Context& context);

}  // namespace tavrik::chem
