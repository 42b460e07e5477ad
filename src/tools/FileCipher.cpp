#include "tools/FileCipher.hpp"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cassert>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>
#include <vector>

#include "shell/CommandShell.hpp"
#include "shell/Console.hpp"
#include "shell/Messages.hpp"

namespace tavrik::tools {

namespace {

constexpr std::string_view kWarning =
    "Attenzione: inserire il nome del file (non deve contenere spazi) con la dovuta estenzione "
    "(.txt ecc..), sia in input che output.";
constexpr std::string_view kExample = "Es: filename.txt (not file name.txt or file name)";
constexpr std::string_view kChooseAction = "Seleziona un'azione da eseguire:";
constexpr std::string_view kEncipherChoice = "1. Cifrare un file";
constexpr std::string_view kDecipherChoice = "2. Decifrare un file";
constexpr std::string_view kInvalidChoice = "Scelta non valida.";
constexpr std::string_view kInputMissing = "Errore: il file di input non esiste.";
constexpr std::string_view kBadKey = "Errore: la chiave deve contenere solo caratteri alfabetici.";
constexpr std::string_view kWriteFailed = "Errore: impossibile scrivere il file di output.";
constexpr std::string_view kDone = "File processato correttamente.";

// The two directions share one dialogue; only the prompts differ, and
// enciphering writes one more line break before it reports.
struct Direction {
  std::string_view inputPrompt;
  std::string_view outputPrompt;
  std::string_view keyPrompt;
  bool blankLineBeforeReport;
};

constexpr Direction kEncipher = {
    "Inserisci il nome del file di input: ",
    "Inserisci il nome del file di output cifrato: ",
    "Inserisci la chiave di cifratura: ",
    true,
};
constexpr Direction kDecipher = {
    "Inserisci il nome del file di input cifrato: ",
    "Inserisci il nome del file di output decifrato: ",
    "Inserisci la chiave di decifratura: ",
    false,
};

// Enough repetitions of the key that one contiguous stretch of them covers a
// long run of data, so the inner loop is a plain byte-for-byte XOR of two
// arrays.
constexpr std::size_t kKeyRunTarget = 4096;

// XORs `size` bytes of `data` with `keyRun` a machine word at a time; the
// compiler widens the word loop to vector registers.
void xorRun(unsigned char* __restrict data, const unsigned char* __restrict keyRun,
            std::size_t size) {
  std::size_t i = 0;
  for (; i + sizeof(std::uint64_t) <= size; i += sizeof(std::uint64_t)) {
    std::uint64_t word;
    std::uint64_t keyWord;
    std::memcpy(&word, data + i, sizeof word);
    std::memcpy(&keyWord, keyRun + i, sizeof keyWord);
    word ^= keyWord;
    std::memcpy(data + i, &word, sizeof word);
  }
  for (; i < size; ++i) data[i] ^= keyRun[i];
}

// ---- file layer -----------------------------------------------------------

// An open descriptor that is closed on every way out.
class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  Descriptor(Descriptor&& other) noexcept : fd_(other.fd_) { other.fd_ = -1; }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  Descriptor& operator=(Descriptor&&) = delete;
  ~Descriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  int get() const { return fd_; }
  bool isOpen() const { return fd_ >= 0; }
  /// Closes now and tells whether the close succeeded (a late write error of
  /// some file systems only shows here).
  bool close() {
    const int fd = fd_;
    fd_ = -1;
    return ::close(fd) == 0;
  }

 private:
  int fd_;
};

// The input, opened for reading; not open when it cannot be opened or names a
// directory, which is no file to encipher.
Descriptor openInput(const std::string& name) {
  Descriptor input(::open(name.c_str(), O_RDONLY | O_CLOEXEC));
  if (!input.isOpen()) return input;
  struct stat info {};
  if (::fstat(input.get(), &info) != 0 || S_ISDIR(info.st_mode)) return Descriptor(-1);
  ::posix_fadvise(input.get(), 0, 0, POSIX_FADV_SEQUENTIAL);
  return input;
}

// The name whose content is replaced: the output name itself, or the file a
// symbolic link points to, so that the link stays a link.
std::string replacementTarget(const std::string& outputName) {
  struct stat info {};
  if (::lstat(outputName.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return outputName;
  std::unique_ptr<char, decltype(&std::free)> resolved(::realpath(outputName.c_str(), nullptr),
                                                       &std::free);
  if (!resolved) return outputName;  // a dangling link is replaced by the file
  return resolved.get();
}

std::string directoryOf(const std::string& path) {
  const auto slash = path.rfind('/');
  if (slash == std::string::npos) return {};
  return path.substr(0, slash + 1);
}

// A new, empty file next to the output, created exclusively so that nothing
// that already exists is ever opened through it.
struct Temporary {
  std::string path;
  int fd = -1;
};

std::optional<Temporary> createTemporaryBeside(const std::string& target) {
  static unsigned serial = 0;
  const std::string prefix = directoryOf(target) + ".tavrik-cipher-" + std::to_string(::getpid());
  for (int attempt = 0; attempt < 100; ++attempt) {
    Temporary temporary;
    temporary.path = prefix + "-" + std::to_string(serial++);
    // 0666 less the umask: the permissions a newly created output would get.
    temporary.fd = ::open(temporary.path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (temporary.fd >= 0) return temporary;
    if (errno != EEXIST) return std::nullopt;
  }
  return std::nullopt;
}

ssize_t readSome(int fd, unsigned char* buffer, std::size_t size) {
  for (;;) {
    const ssize_t n = ::read(fd, buffer, size);
    if (n >= 0 || errno != EINTR) return n;
  }
}

bool writeAll(int fd, const unsigned char* data, std::size_t size) {
  while (size > 0) {
    const ssize_t n = ::write(fd, data, size);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    data += n;
    size -= static_cast<std::size_t>(n);
  }
  return true;
}

// Makes a rename in `directory` durable. A failure here changes nothing the
// user can act on: the output is already complete under its name.
void syncDirectory(const std::string& directory) {
  const std::string name = directory.empty() ? "." : directory;
  const int fd = ::open(name.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

// Starts writing a finished stretch of the output to the disk while the next
// blocks are transformed. Left to itself the kernel lets a large output pile
// up in memory and then stalls the writes for seconds; started early, the
// disk works alongside the loop and the final sync has little left to do.
void startWriteBack([[maybe_unused]] int fd, [[maybe_unused]] std::uint64_t from,
                    [[maybe_unused]] std::uint64_t size) {
#ifdef __linux__
  ::sync_file_range(fd, static_cast<off_t>(from), static_cast<off_t>(size), SYNC_FILE_RANGE_WRITE);
#endif
}

constexpr std::uint64_t kWriteBackStretch = std::uint64_t{16} << 20;

// Reads the input through, transforms and writes it; the outcome says which
// side failed, if any.
CipherOutcome transform(int input, int output, std::string_view key) {
  const auto buffer = std::make_unique_for_overwrite<unsigned char[]>(kCipherBlockSize);
  std::uint64_t position = 0;
  std::uint64_t writtenBack = 0;
  for (;;) {
    const ssize_t n = readSome(input, buffer.get(), kCipherBlockSize);
    if (n < 0) return CipherOutcome::ReadFailed;
    if (n == 0) return CipherOutcome::Done;
    const auto size = static_cast<std::size_t>(n);
    xorWithKey({buffer.get(), size}, key, position);
    if (!writeAll(output, buffer.get(), size)) return CipherOutcome::WriteFailed;
    position += size;
    if (position - writtenBack >= kWriteBackStretch) {
      startWriteBack(output, writtenBack, position - writtenBack);
      writtenBack = position;
    }
  }
}

// ---- dialogue -------------------------------------------------------------

const Direction* chooseDirection(const std::string& answer) {
  if (!isSingleCharAnswer(answer)) return nullptr;
  if (answer == "1") return &kEncipher;
  if (answer == "2") return &kDecipher;
  return nullptr;
}

void writeLine(Console& console, std::string_view text) {
  console.write(text);
  console.endLine();
}

std::string ask(Console& console, std::string_view prompt) {
  console.endLine();
  console.write(prompt);
  return console.readWord();
}

void runDirection(Console& console, const Direction& direction) {
  const std::string inputName = ask(console, direction.inputPrompt);
  const std::string outputName = ask(console, direction.outputPrompt);
  const std::string key = ask(console, direction.keyPrompt);
  console.endLine();
  // The input is looked at before anything else, so that its message comes
  // in its own place; the cipher checks it again as it opens it.
  if (!openInput(inputName).isOpen()) {
    console.endLine();
    writeLine(console, kInputMissing);
    return;
  }
  if (direction.blankLineBeforeReport) console.endLine();
  switch (cipherFile(inputName, outputName, key)) {
    case CipherOutcome::Done:
      writeLine(console, kDone);
      console.endLine();
      return;
    case CipherOutcome::BadKey:
      writeLine(console, kBadKey);
      return;
    case CipherOutcome::InputMissing:
    case CipherOutcome::ReadFailed:
      writeLine(console, kInputMissing);
      return;
    case CipherOutcome::WriteFailed:
      writeLine(console, kWriteFailed);
      return;
  }
}

}  // namespace

bool isCipherKey(std::string_view key) {
  // ASCII letters as the C locale classifies them, whatever locale is active.
  return !key.empty() && std::all_of(key.begin(), key.end(), [](char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
  });
}

void xorWithKey(std::span<unsigned char> data, std::string_view key, std::uint64_t position) {
  assert(!key.empty() && "the key is checked before any byte is transformed");
  if (data.empty()) return;
  const std::size_t keySize = key.size();
  // A stretch of whole keys at least as long as one pass over the data (or
  // kKeyRunTarget), plus one more key so that a pass may start at any offset.
  const std::size_t pass = std::min(data.size(), kKeyRunTarget);
  const std::size_t keysPerPass = (pass + keySize - 1) / keySize;
  const std::size_t stride = keysPerPass * keySize;
  const std::size_t runSize = stride + keySize;
  // Short keys (the usual case) need no allocation.
  unsigned char local[2 * kKeyRunTarget];
  std::vector<unsigned char> allocated;
  unsigned char* keyRun = local;
  if (runSize > sizeof local) {
    allocated.resize(runSize);
    keyRun = allocated.data();
  }
  std::memcpy(keyRun, key.data(), keySize);
  for (std::size_t filled = keySize; filled < runSize; filled *= 2) {
    std::memcpy(keyRun + filled, keyRun, std::min(filled, runSize - filled));
  }
  // A stride is whole keys long, so every pass starts at the same key offset.
  const unsigned char* start = keyRun + position % keySize;
  for (std::size_t done = 0; done < data.size(); done += stride) {
    xorRun(data.data() + done, start, std::min(stride, data.size() - done));
  }
}

CipherOutcome cipherFile(const std::string& inputName, const std::string& outputName,
                         std::string_view key) {
  Descriptor input = openInput(inputName);
  if (!input.isOpen()) return CipherOutcome::InputMissing;
  if (!isCipherKey(key)) return CipherOutcome::BadKey;
  if (outputName.empty()) return CipherOutcome::WriteFailed;

  const std::string target = replacementTarget(outputName);
  struct stat existing {};
  const bool targetExists = ::stat(target.c_str(), &existing) == 0;
  // Only a regular file that may be written is replaced; a directory, a
  // device or a read-only file under the output name is left alone.
  if (targetExists && (!S_ISREG(existing.st_mode) || ::access(target.c_str(), W_OK) != 0)) {
    return CipherOutcome::WriteFailed;
  }

  std::optional<Temporary> temporary = createTemporaryBeside(target);
  if (!temporary) return CipherOutcome::WriteFailed;
  Descriptor output(temporary->fd);
  // A replaced output keeps its permissions.
  if (targetExists) ::fchmod(output.get(), existing.st_mode & 0777);

  CipherOutcome outcome = transform(input.get(), output.get(), key);
  if (outcome == CipherOutcome::Done && ::fsync(output.get()) != 0) {
    outcome = CipherOutcome::WriteFailed;
  }
  if (!output.close() && outcome == CipherOutcome::Done) outcome = CipherOutcome::WriteFailed;
  if (outcome == CipherOutcome::Done && std::rename(temporary->path.c_str(), target.c_str()) != 0) {
    outcome = CipherOutcome::WriteFailed;
  }
  if (outcome != CipherOutcome::Done) {
    ::unlink(temporary->path.c_str());
    return outcome;
  }
  syncDirectory(directoryOf(target));
  return CipherOutcome::Done;
}

Flow runFileCipher(Context& context) {
  Console& console = context.console;
  console.endLine();
  writeLine(console, kWarning);
  writeLine(console, kExample);
  console.endLine();
  writeLine(console, kChooseAction);
  writeLine(console, kEncipherChoice);
  writeLine(console, kDecipherChoice);
  console.endLine();
  console.write(msg::kPath);
  const Direction* direction = chooseDirection(console.readWord());
  if (direction == nullptr) {
    console.endLine();
    console.endLine();
    writeLine(console, kInvalidChoice);
  } else {
    runDirection(console, *direction);
  }
  // The line end after the last word typed.
  console.discardOne();
  return Flow::Continue;
}

}  // namespace tavrik::tools
