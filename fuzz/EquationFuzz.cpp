// An equation either scanner accepts, written back in its plainest form, scans
// to the same fields.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

#include "calc/EquationSolvers.hpp"

namespace {

std::string number(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.17g", value);
  return text;
}

template <typename Equation>
bool writtenBackScansAlike(const std::optional<Equation>& e, auto scan) {
  return !e || scan(number(e->a) + "x" + e->op + number(e->b) + "y=" + number(e->c)) == e;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace tavrik::calc;
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  if (!writtenBackScansAlike(scanIntegerEquation(text), scanIntegerEquation) ||
      !writtenBackScansAlike(scanRealEquation(text), scanRealEquation)) {
    std::abort();
  }
  return 0;
}
