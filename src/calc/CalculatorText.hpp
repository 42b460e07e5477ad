#pragma once

#include <string_view>

#include "shell/Console.hpp"
#include "shell/Context.hpp"

/// Texts and dialogue steps shared by the calculator's commands.
namespace tavrik::calc {

inline constexpr std::string_view kResult = "Risultato: ";

/// A message on a line of its own, in place of a result.
inline void writeMessageLine(Console& console, std::string_view message) {
  console.write(message);
  console.endLine();
}

}  // namespace tavrik::calc
