#pragma once

#include <termios.h>

#include <string>
#include <string_view>

// Named temporary files that a signal must not leave behind, and the one
// record of what the terminal needs to be put back: at the program's end,
// before it replaces itself with a new instance, and when a signal ends or
// stops it.
namespace tavrik::signalcleanup {

/// Keeps a path to remove if a signal ends the program; at most a few are
/// kept at a time (one per file being written).
void add(const std::string& path);
void remove(const std::string& path);

/// Keeps the terminal's mode of this moment as the one to put back, and
/// installs the handlers of SIGINT, SIGTERM, SIGHUP, SIGQUIT, SIGPIPE,
/// SIGXFSZ, SIGUSR1, SIGUSR2 and SIGALRM (each removes the kept paths, puts
/// the terminal back and ends the program with status 128 + the signal's
/// number) and of SIGTSTP (puts the terminal back and stops the program;
/// once it is continued, takes the terminal again). A signal the program was
/// started with ignored stays ignored.
void guardTerminal();

/// What makes the terminal the program's (title, colours) and what puts it
/// back; copied into fixed storage, so they may be changed at any time.
void setTerminalBytes(std::string_view take, std::string_view putBack);

/// Sets the terminal to the mode the program needs for a while (a hidden
/// line, a single key), or back to its own mode (nullptr). A stopped and
/// continued program takes that mode again.
void setProgramMode(const termios* mode);

/// Writes the bytes that put the terminal back (once: they are forgotten)
/// to standard output and sets the terminal's own mode.
void putTerminalBack();

}  // namespace tavrik::signalcleanup
