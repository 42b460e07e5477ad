#pragma once

#include <map>
#include <string>
#include <vector>

namespace tavrik::testing {

/// One dialogue scenario, read from a transcript file:
///
///   # comment lines before the first section
///   --- option probe=1 now=1700000000   (settings of the fake platform)
///   --- option datadir=../../../data    (installed data, from the file's dir)
///   --- option workdir=removed          (the working directory is gone)
///   --- given <file> [noeol]            (a file in the working directory)
///   --- stdin [noeol]
///   --- stdout [whole]                  (after the banner, unless "whole")
///   --- platform [whole]                (after start-up, unless "whole")
///   --- expect <file> [noeol]           (a file's content after the run)
///   --- absent <file>                   (a file that must not exist)
///   --- exit <status>
///
/// A section's text is its lines, each ended by a line break; "noeol" drops
/// the last one. "<ESC>" stands for byte 0x1b, "<CR>" for 0x0d, "<NUL>" for
/// 0x00 and "<HEX:xx>" for any byte.
struct Transcript {
  std::map<std::string, std::string> options;
  std::vector<std::pair<std::string, std::string>> givenFiles;
  std::vector<std::pair<std::string, std::string>> expectedFiles;
  std::vector<std::string> absentFiles;
  std::string input;
  std::string output;
  bool wholeOutput = false;
  bool hasOutput = false;
  std::vector<std::string> platformLines;
  bool wholePlatform = false;
  bool hasPlatform = false;
  int exitStatus = 0;
};

/// Parses a transcript file's text; throws std::runtime_error on bad syntax.
Transcript parseTranscript(const std::string& text);

/// Replaces the <...> escapes of a transcript with their bytes.
std::string unescapeTranscript(const std::string& text);

}  // namespace tavrik::testing
