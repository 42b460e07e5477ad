#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace tavrik {

/// Everything that reaches past the program's own streams and files: the
/// terminal (title, colours, clearing, waiting for a key), other processes,
/// the network, the clock, sleeping and the system's random source.
class Platform {
 public:
  virtual ~Platform() = default;

  /// Carries out one console command line ("cls", "color 9e", "pause", ...)
  /// and returns its result; 0 means success. Lines outside the known
  /// vocabulary do nothing and return non-zero.
  virtual int runShellCommand(std::string_view line) = 0;

  /// Calendar time in whole seconds since the epoch.
  virtual std::int64_t nowSeconds() = 0;

  /// Blocks the program for the given number of milliseconds.
  virtual void sleepMillis(int milliseconds) = 0;

  /// Fills the span with draws from the system's cryptographic random source.
  virtual void secureRandom(std::span<std::uint32_t> out) = 0;

  /// The directory of the data files installed with the program; empty when
  /// there is none.
  virtual std::string dataDirectory() = 0;
};

/// The console command lines the program knows how to carry out.
struct ShellAction {
  enum class Kind { Unknown, Title, Clear, Colour, Probe, OpenPage, Restart, Pause };
  Kind kind = Kind::Unknown;
  std::string text;           // title text, probe host or page address
  int background = 0;         // console colour digits, 0..15
  int foreground = 0;
};

/// Reads a command line into the action it asks for. Anything not exactly in
/// the vocabulary is Unknown, so nothing typed by a user or found in a file
/// ever reaches a system shell.
ShellAction parseShellCommand(std::string_view line);

/// The ANSI escape sequence that shows console colour digits (background,
/// text) of the Windows palette.
std::string ansiColourSequence(int background, int foreground);

}  // namespace tavrik
