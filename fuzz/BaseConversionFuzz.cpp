// Checks that fromBase(toBase(x, b), b) == x for every int and base, and that
// a digit text fromBase accepts is written back by toBase in its plainest
// form: upper-case digits, no leading zeros, no "+", no "-0".

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <variant>

#include "calc/BaseConversion.hpp"

namespace {

using namespace tavrik::calc;

std::string plainest(std::string_view digits) {
  bool negative = false;
  if (!digits.empty() && (digits.front() == '-' || digits.front() == '+')) {
    negative = digits.front() == '-';
    digits.remove_prefix(1);
  }
  while (digits.size() > 1 && digits.front() == '0') digits.remove_prefix(1);
  std::string text(digits);
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  return negative && text != "0" ? "-" + text : text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  constexpr std::size_t kHeader = sizeof(std::int32_t) + 1;
  if (size < kHeader) return 0;
  std::int32_t number = 0;
  std::memcpy(&number, data, sizeof number);
  const int anyBase = number;  // the same bits also serve as an unchecked base
  const int base = kMinBase + data[sizeof number] % (kMaxBase - kMinBase + 1);

  const auto digits = toBase(number, base);
  if (!digits) std::abort();
  if (fromBase(*digits, base) != std::variant<int, FromBaseError>(number)) std::abort();
  if (toBase(number, anyBase).has_value() != isValidBase(anyBase)) std::abort();

  const std::string_view text(reinterpret_cast<const char*>(data + kHeader), size - kHeader);
  const auto value = fromBase(text, base);
  if (const int* parsed = std::get_if<int>(&value)) {
    if (toBase(*parsed, base) != plainest(text)) std::abort();
  }
  return 0;
}
