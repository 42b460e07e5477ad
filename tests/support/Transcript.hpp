#pragma once

#include <map>
#include <string>
#include <vector>

namespace tavrik::testing {

/// One dialogue, read from a section of a transcript file:
///
///   === <title>                        (a new dialogue, run on its own)
///   --- option reachable=no newinstance=no terminal=1 now=1700000000 workdir=removed
///       (the network does not answer, no new instance can be started, output
///       at a terminal, the clock, installed data relative to the file, the
///       working directory gone; reachable=yes and newinstance=yes when not given)
///   --- given <file> [noeol]           (a file in the working directory)
///   --- dialogue [whole]               (after the banner, unless "whole")
///   --- unread [noeol]                 (input the program never reads)
///   --- platform [whole]               (after start-up, unless "whole")
///   --- expect <file> [noeol]          (a file's content after the run)
///   --- absent <file>                  (a file that must not exist)
///   --- exit <status>                  (0 when not given)
///
/// The dialogue is the terminal as the user sees it: what the program wrote,
/// with each typed line in braces at the place where the program read it,
/// as a terminal echoes it. "{5 a}" is the typed line "5 a" and its line
/// end, which is the line end of the transcript line it closes; "{x<EOF>}"
/// is a last line typed without a line end. "<PROMPT>" stands for the
/// prompt block (two line breaks, "Cosa vuoi fare?", two line breaks,
/// "Path: "). A missing platform section means no platform effect at all.
/// Before the first dialogue, "--- token NAME [noeol]" names a text that
/// "<NAME>" stands for in the file's dialogues and files (a menu, say).
///
/// A section's text is its lines, each ended by a line break ("noeol" drops
/// the last); "<ESC>", "<CR>", "<TAB>", "<NUL>" and "<HEX:xx>" are bytes.
using Tokens = std::map<std::string, std::string, std::less<>>;

struct Transcript {
  std::string title;
  Tokens tokens;  // the file's own named texts
  std::map<std::string, std::string> options;
  std::vector<std::pair<std::string, std::string>> givenFiles;
  std::vector<std::pair<std::string, std::string>> expectedFiles;
  std::vector<std::string> absentFiles;
  std::string input;   // every typed line, then the unread input
  std::string output;  // the dialogue with the typed lines echoed
  bool wholeOutput = false;
  bool hasOutput = false;
  std::vector<std::string> platformLines;
  bool wholePlatform = false;
  int exitStatus = 0;
};

/// Parses a transcript file's text into its dialogues; throws
/// std::runtime_error on bad syntax.
std::vector<Transcript> parseTranscripts(const std::string& text);

/// Replaces the <...> escapes and tokens of a transcript with their bytes.
std::string unescapeTranscript(const std::string& text, const Tokens& tokens);

/// The inverse for what a run wrote: bytes a transcript cannot hold as they
/// are become escapes, and the prompt block becomes "<PROMPT>".
std::string escapeTranscript(const std::string& bytes, const Tokens& tokens);

}  // namespace tavrik::testing
