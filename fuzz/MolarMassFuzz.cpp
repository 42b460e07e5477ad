// Any bytes: a mass is finite, not negative, unchanged by "C0" appended; a refusal names the
// symbol (one or two ASCII characters, a small letter second, or one whole UTF-8 character) at
// its place, unknown or with a count of ten digits or more, and all before that place reads.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "chem/AtomicMassTable.hpp"
#include "chem/MolarMass.hpp"

using namespace tavrik::chem;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string formula(reinterpret_cast<const char*>(data), size);
  const MolarMass result = computeMolarMass(formula);
  if (result.error == FormulaError::None) {
    if (!std::isfinite(result.value) || result.value < 0.0 || !result.symbol.empty()) std::abort();
    if (computeMolarMass(formula + "C0").value != result.value) std::abort();
    return 0;
  }
  const std::string& symbol = result.symbol;
  const bool known = buildAtomicMassTable().find(symbol).has_value();
  const std::size_t countAt = result.position + symbol.size();
  const std::size_t digits = formula.find_first_not_of("0123456789", countAt) - countAt;
  const auto continuation = [](char c) { return (static_cast<unsigned char>(c) & 0xC0U) == 0x80U; };
  const bool lead = !symbol.empty() && static_cast<unsigned char>(symbol[0]) >= 0xC0U;
  const bool ascii =
      symbol.size() == 1 || (symbol.size() == 2 && symbol[1] >= 'a' && symbol[1] <= 'z');
  const bool wellFormed = lead ? std::all_of(symbol.begin() + 1, symbol.end(), continuation) &&
                                     !continuation(formula[countAt])
                               : ascii;
  if (result.value != kFormulaRejected || !wellFormed ||
      formula.compare(result.position, symbol.size(), symbol) != 0 ||
      known != (result.error == FormulaError::CountTooLarge) || (known && digits < 10) ||
      computeMolarMass(formula.substr(0, result.position)).error != FormulaError::None) {
    std::abort();
  }
  return 0;
}
