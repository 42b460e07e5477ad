#include "tools/FileCipher.hpp"

#include <algorithm>
#include <memory>

#include "platform/Files.hpp"
#include "platform/System.hpp"
#include "shell/Console.hpp"

namespace tavrik::tools {

namespace {

// Reads the input through, transforms and writes it; the outcome says which
// side failed, if any.
CipherOutcome transform(files::InputFile& input, files::PendingFile& output, std::string_view key,
                        const CipherProgress& progress) {
  const auto buffer = std::make_unique_for_overwrite<unsigned char[]>(kCipherBlockSize);
  // Left to itself the kernel lets a large output pile up in memory and then
  // stalls the writes for seconds; started early, the disk works alongside
  // the loop and the final flush has little left to do.
  constexpr std::uint64_t kWriteBackStretch = std::uint64_t{16} << 20;
  std::uint64_t position = 0;
  std::uint64_t writtenBack = 0;
  const std::uint64_t total = progress ? input.size() : 0;
  for (;;) {
    const std::ptrdiff_t n = input.read(buffer.get(), kCipherBlockSize);
    if (n < 0) return CipherOutcome::InputUnreadable;
    if (n == 0) return CipherOutcome::Done;
    const auto size = static_cast<std::size_t>(n);
    xorWithKey({buffer.get(), size}, key, position);
    if (!output.write(buffer.get(), size)) return CipherOutcome::WriteFailed;
    position += size;
    if (progress) progress(position, total);
    if (position - writtenBack >= kWriteBackStretch) {
      output.startWriteBack();
      writtenBack = position;
    }
  }
}

}  // namespace

CipherOutcome cipherFile(const std::string& inputName, const std::string& outputName,
                         std::string_view key, const CipherProgress& progress) {
  files::InputFile input = files::InputFile::open(inputName);
  if (input.status() == files::InputFile::Status::Missing) return CipherOutcome::InputMissing;
  if (input.status() == files::InputFile::Status::Unreadable) return CipherOutcome::InputUnreadable;
  if (!isCipherKey(key)) return CipherOutcome::BadKey;
  std::unique_ptr<files::PendingFile> output;
  switch (files::PendingFile::createFor(outputName, output)) {
    case files::PendingFile::Opened::Ready:
      break;
    case files::PendingFile::Opened::InUse:
      return CipherOutcome::InUse;
    case files::PendingFile::Opened::Refused:
      return CipherOutcome::WriteFailed;
  }
  // Opened again now that the output is locked: a file enciphered in place
  // is then the one no other run replaces until this one is done.
  input = files::InputFile::open(inputName);
  if (input.status() != files::InputFile::Status::Open) return CipherOutcome::InputUnreadable;
  const CipherOutcome outcome = transform(input, *output, key, progress);
  if (outcome != CipherOutcome::Done) return outcome;
  return output->replaceTarget() ? CipherOutcome::Done : CipherOutcome::WriteFailed;
}

// Shown only once the cipher has run this long, and then no more often.
constexpr std::int64_t kProgressDelayMillis = 1000;
constexpr std::int64_t kProgressRefreshMillis = 200;

CipherProgressLine::CipherProgressLine(Console& console, System& system)
    : console_(console), system_(system), start_(system.steadyMillis()) {}

void CipherProgressLine::update(std::uint64_t done, std::uint64_t total) {
  const std::int64_t elapsed = system_.steadyMillis() - start_;
  if (total == 0 || elapsed < kProgressDelayMillis) return;
  if (width_ > 0 && elapsed - shownAt_ < kProgressRefreshMillis) return;
  shownAt_ = elapsed;
  // A file that grew meanwhile stays at 100%.
  const auto percent = static_cast<unsigned>(static_cast<double>(std::min(done, total)) / static_cast<double>(total) * 100);
  const std::uint64_t megabytesPerSecond = done / 1000 / static_cast<std::uint64_t>(elapsed);
  std::string line = "\rElaborazione: " + std::to_string(percent) + "% (";
  line += std::to_string(megabytesPerSecond);
  line += " MB/s)";
  const std::size_t width = line.size() - 1;
  if (width < width_) line.append(width_ - width, ' ');  // what is left of a longer line
  width_ = std::max(width_, width);
  console_.write(line);
  console_.flush();
}

void CipherProgressLine::erase() {
  if (width_ == 0) return;
  std::string blank(width_ + 2, ' ');
  blank.front() = blank.back() = '\r';
  console_.write(blank);
  console_.flush();
  width_ = 0;
}

}  // namespace tavrik::tools
