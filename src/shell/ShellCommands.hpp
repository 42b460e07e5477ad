#pragma once

#include <string_view>

/// The console command lines the program issues, in one place.
namespace tavrik::cmd {

inline constexpr std::string_view kTitle = "title Tavrik Terminal";
inline constexpr std::string_view kTitlePrefix = "title ";
inline constexpr std::string_view kClear = "cls";
inline constexpr std::string_view kPause = "pause";
inline constexpr std::string_view kRestart = "start Tavrik-Terminal.exe";
inline constexpr std::string_view kColourPrefix = "color ";
inline constexpr std::string_view kDefaultColour = "color 0f";
inline constexpr std::string_view kProbePrefix = "ping -n 1 ";
inline constexpr std::string_view kProbeSuffix = " > NUL";
inline constexpr std::string_view kStartPrefix = "start ";

}  // namespace tavrik::cmd
