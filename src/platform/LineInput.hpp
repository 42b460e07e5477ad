#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tavrik {

/// Lines typed at a terminal through a line editor, which draws the prompt
/// itself (and again whenever it redraws the line) and lets the user recall
/// earlier command lines.
class LineInput {
 public:
  virtual ~LineInput() = default;
  /// Everything written before must already be on the screen; `prompt` is
  /// the text of the current line, not yet written. Returns the typed line
  /// without its line end; nullopt when the input has ended. `commandLine`:
  /// the line may be recalled from earlier command lines.
  virtual std::optional<std::string> readLine(std::string_view prompt, bool commandLine) = 0;
  /// Offers a command line for recall.
  virtual void remember(std::string_view commandLine) = 0;
};

}  // namespace tavrik
