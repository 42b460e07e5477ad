#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "shell/Context.hpp"

namespace tavrik::tools {

/// Random text of `length` characters over A-Z a-z 0-9, drawn by a fresh
/// std::mt19937 seeded with `seed`: the same seed and length always give the
/// same text, and a longer text begins with the shorter one.
std::string generateCode(std::uint32_t seed, std::size_t length);

/// Random text of `length` characters over a-z A-Z 0-9 ! @ # $ % ^ & * ( ),
/// every 32-bit draw taken from the system's cryptographic random source.
/// From 4 characters on it holds at least one lower-case letter, one
/// upper-case letter, one digit and one symbol: a text that lacks one is
/// drawn again whole, so every such text is equally likely.
std::string generatePassword(System& system, std::size_t length);

/// 'g': asks for a length and writes a code seeded from the clock.
Flow runGenerateCode(Context& context);

/// 'v': asks for a length and writes a password.
Flow runGeneratePassword(Context& context);

}  // namespace tavrik::tools
