#include "shell/HistoryLog.hpp"

#include <functional>

#include "platform/Files.hpp"
#include "platform/Terminal.hpp"
#include "shell/CommandShell.hpp"
#include "shell/Console.hpp"
#include "shell/Messages.hpp"

namespace tavrik {

namespace {
constexpr std::string_view kCleared = "Fatto!";
constexpr std::string_view kClearFailed = "Errore: impossibile cancellare la cronologia.";
}  // namespace

void HistoryLog::record(std::string_view line) {
  line = line.substr(0, kMaxLineBytes);
  // A file that cannot take the line leaves it in memory only.
  entries_.push_back({std::string(line), files::appendLine(std::string(kFileName), line)});
}

void HistoryLog::forEach(const std::function<void(std::string_view, bool)>& piece) const {
  const bool read = files::forEachLinePiece(std::string(kFileName), piece);
  for (const Entry& entry : entries_) {
    if (!read || !entry.saved) piece(entry.line, true);
  }
}

bool HistoryLog::clear() {
  entries_.clear();
  return files::makeEmpty(std::string(kFileName));
}

std::string caretNotation(std::string_view line) {
  std::string shown;
  for (std::size_t i = 0; i < line.size(); ++i) {
    const auto byte = static_cast<unsigned char>(line[i]);
    // A C1 control is U+0080..U+009F in UTF-8, or such a byte on its own.
    const bool c1Pair = byte == 0xc2 && i + 1 < line.size() &&
                        static_cast<unsigned char>(line[i + 1]) >= 0x80 &&
                        static_cast<unsigned char>(line[i + 1]) <= 0x9f;
    const bool loneC1 = byte >= 0x80 && byte <= 0x9f &&
                        (i == 0 || static_cast<unsigned char>(line[i - 1]) < 0xc2);
    if (c1Pair || loneC1) {
      const auto control = static_cast<unsigned char>(c1Pair ? line[++i] : line[i]);
      shown += "M-^";
      shown += static_cast<char>((control - 0x80) + '@');
    } else if ((byte < 0x20 && byte != '\t') || byte == 0x7f) {
      shown += '^';
      shown += byte == 0x7f ? '?' : static_cast<char>(byte + '@');
    } else {
      shown += line[i];
    }
  }
  return shown;
}

Flow runHistory(Context& context) {
  Console& console = context.console;
  console.write("Vuoi vedere(v) o cancellare(c) la cronologia?");
  console.endLine();
  console.write(msg::kPath);
  const std::string answer = console.readLine();
  if (!isSingleCharAnswer(answer)) {
    console.endLine();
    console.endLine();
    console.write(msg::kInvalidFunction);
    console.endLine();
    console.endLine();
    return Flow::Continue;
  }
  if (answer == "v") {
    console.endLine();
    console.write("Cronologia delle funzioni: ");
    console.endLine();
    console.endLine();
    // Escape bytes typed or stored in the file are shown, not obeyed.
    const bool terminal = context.terminal.isInteractive();
    context.history.forEach([&](std::string_view piece, bool lineEnds) {
      if (terminal) {
        console.write(caretNotation(piece));
      } else {
        console.write(piece);
      }
      if (lineEnds) console.endLine();
    });
    return Flow::Continue;
  }
  const bool cleared = context.history.clear();
  console.endLine();
  console.write(cleared ? kCleared : kClearFailed);
  console.endLine();
  return Flow::Continue;
}

}  // namespace tavrik
