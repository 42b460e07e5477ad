#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/Terminal.hpp"
#include "shell/Context.hpp"

namespace tavrik {

/// Colour names, their console colour digits and the colour command.
namespace ThemeSettings {

inline constexpr std::string_view kFileName = "color_data.txt";

/// True for the nine colour names a user may type.
bool isKnownColour(std::string_view name);
/// The console digit of a colour name ("blu" -> "9"); empty for "nero" and
/// for unknown names.
std::string_view colourDigit(std::string_view name);
/// "color " + background digit + text digit.
std::string makeColourCommand(std::string_view background, std::string_view text);
/// True when the pair passes the combination rule.
bool isAllowedCombination(std::string_view background, std::string_view text);

/// The colours of a theme file's content: exactly `color XY` (X and Y hex
/// digits of either case, different from each other), optionally followed
/// by one line end. Anything else is no theme.
std::optional<ConsoleColours> parseTheme(std::string_view content);
/// The saved theme: the theme file of the working directory when it is a
/// small regular file holding a theme.
std::optional<ConsoleColours> loadTheme();

}  // namespace ThemeSettings

/// Command "i": settings menu (theme, information pages).
Flow runSettings(Context& context);

}  // namespace tavrik
