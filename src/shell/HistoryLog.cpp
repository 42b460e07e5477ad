#include "shell/HistoryLog.hpp"

#include <fcntl.h>
#include <unistd.h>

#include "shell/CommandShell.hpp"
#include "shell/Console.hpp"
#include "shell/Messages.hpp"
#include "shell/WholeFile.hpp"

namespace tavrik {

void HistoryLog::record(std::string_view line) {
  entries_.emplace_back(line);
  const std::string path(kFileName);
  const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
  if (fd < 0) return;  // the entry stays in memory only
  // A file that does not end with a line end (edited by hand, say) would
  // glue this entry onto its last one.
  std::string entry;
  char last = '\n';
  const off_t size = ::lseek(fd, 0, SEEK_END);
  if (size > 0 && ::pread(fd, &last, 1, size - 1) != 1) last = '\n';
  if (last != '\n') entry += '\n';
  // One write per entry, so that a line is never split by another writer.
  entry += line;
  entry += '\n';
  [[maybe_unused]] const ssize_t written = ::write(fd, entry.data(), entry.size());
  ::close(fd);
}

void HistoryLog::load() { entries_ = parseHistory(readWholeFile(kFileName)); }

void HistoryLog::clear() {
  entries_.clear();
  const std::string path(kFileName);
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd >= 0) ::close(fd);
}

std::vector<std::string> parseHistory(std::string_view content) {
  std::vector<std::string> lines;
  while (!content.empty()) {
    const auto end = content.find('\n');
    lines.emplace_back(content.substr(0, end));
    if (end == std::string_view::npos) break;
    content.remove_prefix(end + 1);
  }
  return lines;
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
    context.history.load();
    console.endLine();
    console.write("Cronologia delle funzioni: ");
    console.endLine();
    console.endLine();
    for (const std::string& entry : context.history.entries()) {
      console.write(entry);
      console.endLine();
    }
    return Flow::Continue;
  }
  context.history.clear();
  console.endLine();
  console.write("Fatto!");
  console.endLine();
  return Flow::Continue;
}

}  // namespace tavrik
