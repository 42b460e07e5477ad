#pragma once

#include <string>

// Named temporary files that a signal must not leave behind, and what the
// terminal needs when the program is ended by one.
namespace tavrik::signalcleanup {

/// Keeps a path to remove if a signal ends the program; at most a few are
/// kept at a time (one per file being written).
void add(const std::string& path);
void remove(const std::string& path);

/// Installs the handlers of SIGINT, SIGTERM and SIGHUP (unless the program
/// was started with them ignored): each removes the kept paths, writes
/// `restoreBytes()` to standard output when it is a terminal, puts the
/// terminal's mode back and ends the program with status 128 + the signal's
/// number (130 for SIGINT, 143 for SIGTERM, 129 for SIGHUP).
void installHandlers();

/// Terminal state the handlers put back. The bytes are copied into fixed
/// storage, so they may be changed at any time.
void setRestoreBytes(const std::string& bytes);
void saveTerminalMode();
void restoreTerminalMode();

}  // namespace tavrik::signalcleanup
