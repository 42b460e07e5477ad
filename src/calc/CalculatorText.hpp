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

/// How every command whose last answer was a number, a word or a character
/// hands back: the character after that answer (normally the line end) is
/// discarded, and whatever else was typed on the line reaches the prompt.
inline Flow finishAfterFormattedAnswer(Console& console) {
  console.discardOne();
  return Flow::Continue;
}

}  // namespace tavrik::calc
