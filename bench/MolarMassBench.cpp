// computeMolarMass on formulas of 100,000 characters; the target is well
// under 2 ms for each.
#include <benchmark/benchmark.h>

#include <cstddef>
#include <string>
#include <string_view>

#include "chem/MolarMass.hpp"

namespace {

constexpr std::size_t kFormulaLength = 100'000;

// `unit` repeated, cut at exactly kFormulaLength characters.
std::string repeatedFormula(std::string_view unit) {
  std::string formula;
  formula.reserve(kFormulaLength + unit.size());
  while (formula.size() < kFormulaLength) formula += unit;
  formula.resize(kFormulaLength);
  return formula;
}

void benchMolarMass(benchmark::State& state, std::string_view unit) {
  const std::string formula = repeatedFormula(unit);
  if (tavrik::chem::computeMolarMass(formula).error != tavrik::chem::FormulaError::None) {
    state.SkipWithError("the formula is not readable");
    return;
  }
  for (auto _ : state) {
    benchmark::DoNotOptimize(tavrik::chem::computeMolarMass(formula));
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                          static_cast<std::int64_t>(formula.size()));
}

// One-letter symbols with counts of one and two digits.
void BM_MolarMassGlucose(benchmark::State& state) { benchMolarMass(state, "C6H12O6"); }
// Two-letter symbols without counts.
void BM_MolarMassSalt(benchmark::State& state) { benchMolarMass(state, "NaCl"); }
// 100,000 one-character symbols: the most lookups a formula of this length can ask.
void BM_MolarMassHydrogens(benchmark::State& state) { benchMolarMass(state, "H"); }
// Long counts: the largest count that fits, over and over.
void BM_MolarMassLargeCounts(benchmark::State& state) { benchMolarMass(state, "Lr2147483647"); }

BENCHMARK(BM_MolarMassGlucose)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_MolarMassSalt)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_MolarMassHydrogens)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_MolarMassLargeCounts)->Unit(benchmark::kMicrosecond);

}  // namespace
