// evaluateExpression on expressions of 1,000 to 1,000,000 characters; the
// target is well under 1 ms at 10,000 characters, and the time per character
// should stay the same as the text grows.
#include <benchmark/benchmark.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

#include "calc/ExpressionEvaluator.hpp"

namespace {

// Exactly `length` characters: `unit` repeated, ended by a lone digit so the
// text stays a valid expression. Each unit ends with an operator.
std::string flatExpression(std::size_t length, std::string_view unit) {
  std::string text;
  text.reserve(length + unit.size());
  while (text.size() + unit.size() < length) text += unit;
  text.append(length - text.size(), '1');
  return text;
}

// Parentheses nested as deep as the length allows: "((((1))))".
std::string nestedExpression(std::size_t length) {
  const std::size_t depth = (length - 1) / 2;
  return std::string(depth, '(') + "1" + std::string(depth, ')');
}

void measure(benchmark::State& state, const std::string& text) {
  if (!std::holds_alternative<double>(tavrik::calc::evaluateExpression(text))) {
    state.SkipWithError("the expression is not valid");
    return;
  }
  for (auto _ : state) {
    benchmark::DoNotOptimize(tavrik::calc::evaluateExpression(text));
  }
  state.SetComplexityN(static_cast<std::int64_t>(text.size()));
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                          static_cast<std::int64_t>(text.size()));
}

// Every operator, decimals, unary minus and shallow parentheses.
void BM_ExpressionMixed(benchmark::State& state) {
  measure(state, flatExpression(static_cast<std::size_t>(state.range(0)), "(12.5+3)*4-7/-2+"));
}

// Alternating precedence levels, so the operator stack is reduced at every
// "+" after a run of "*".
void BM_ExpressionPrecedence(benchmark::State& state) {
  measure(state, flatExpression(static_cast<std::size_t>(state.range(0)), "2*3*4*5+"));
}

// Nesting as deep as the text is long: both stacks grow to half its length.
void BM_ExpressionNested(benchmark::State& state) {
  measure(state, nestedExpression(static_cast<std::size_t>(state.range(0))));
}

// Long numbers: one number of the whole length.
void BM_ExpressionLongNumber(benchmark::State& state) {
  measure(state, "0." + std::string(static_cast<std::size_t>(state.range(0)) - 2, '5'));
}

}  // namespace

BENCHMARK(BM_ExpressionMixed)
    ->RangeMultiplier(10)
    ->Range(1'000, 1'000'000)
    ->Complexity(benchmark::oN);
BENCHMARK(BM_ExpressionPrecedence)
    ->RangeMultiplier(10)
    ->Range(1'000, 1'000'000)
    ->Complexity(benchmark::oN);
BENCHMARK(BM_ExpressionNested)
    ->RangeMultiplier(10)
    ->Range(1'000, 1'000'000)
    ->Complexity(benchmark::oN);
BENCHMARK(BM_ExpressionLongNumber)
    ->RangeMultiplier(10)
    ->Range(1'000, 1'000'000)
    ->Complexity(benchmark::oN);
