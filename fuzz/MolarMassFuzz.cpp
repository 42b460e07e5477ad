// Reading a formula of any bytes. A mass is never negative and never the
// rejected value; appending a zero count changes nothing. A refusal names a
// symbol that stands at the reported place, that the table really lacks (or
// that carries a count too large), and everything before that place reads as
// a formula of its own.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "chem/AtomicMassTable.hpp"
#include "chem/MolarMass.hpp"

using tavrik::chem::computeMolarMass;
using tavrik::chem::FormulaError;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view formula(reinterpret_cast<const char*>(data), size);
  const tavrik::chem::MolarMass result = computeMolarMass(formula);

  if (result.error == FormulaError::None) {
    if (!std::isfinite(result.value) || result.value < 0.0) std::abort();
    if (!result.symbol.empty()) std::abort();
    const std::string withZero = std::string(formula) + "C0";
    if (computeMolarMass(withZero).value != result.value) std::abort();
    return 0;
  }

  if (result.value != tavrik::chem::kFormulaRejected) std::abort();
  const std::string_view symbol = result.symbol;
  if (symbol.empty() || symbol.size() > 2) std::abort();
  if (result.position >= formula.size()) std::abort();
  if (formula.substr(result.position, symbol.size()) != symbol) std::abort();
  if (symbol.size() == 2 && !(symbol[1] >= 'a' && symbol[1] <= 'z')) std::abort();

  const bool known = tavrik::chem::buildAtomicMassTable().find(symbol).has_value();
  if (result.error == FormulaError::UnknownAtom && known) std::abort();
  if (result.error == FormulaError::CountTooLarge) {
    const std::size_t countAt = result.position + symbol.size();
    // A refused count has at least ten digits.
    if (!known || formula.size() - countAt < 10) std::abort();
    for (std::size_t i = countAt; i < countAt + 10; ++i) {
      if (formula[i] < '0' || formula[i] > '9') std::abort();
    }
  }

  const tavrik::chem::MolarMass before = computeMolarMass(formula.substr(0, result.position));
  if (before.error != FormulaError::None) std::abort();
  return 0;
}
