#include "tools/FileCipher.hpp"

#include <memory>

#include "platform/Files.hpp"

namespace tavrik::tools {

namespace {

// Reads the input through, transforms and writes it; the outcome says which
// side failed, if any.
CipherOutcome transform(files::InputFile& input, files::PendingFile& output, std::string_view key) {
  const auto buffer = std::make_unique_for_overwrite<unsigned char[]>(kCipherBlockSize);
  // Left to itself the kernel lets a large output pile up in memory and then
  // stalls the writes for seconds; started early, the disk works alongside
  // the loop and the final flush has little left to do.
  constexpr std::uint64_t kWriteBackStretch = std::uint64_t{16} << 20;
  std::uint64_t position = 0;
  std::uint64_t writtenBack = 0;
  for (;;) {
    const std::ptrdiff_t n = input.read(buffer.get(), kCipherBlockSize);
    if (n < 0) return CipherOutcome::InputUnreadable;
    if (n == 0) return CipherOutcome::Done;
    const auto size = static_cast<std::size_t>(n);
    xorWithKey({buffer.get(), size}, key, position);
    if (!output.write(buffer.get(), size)) return CipherOutcome::WriteFailed;
    position += size;
    if (position - writtenBack >= kWriteBackStretch) {
      output.startWriteBack();
      writtenBack = position;
    }
  }
}

}  // namespace

CipherOutcome cipherFile(const std::string& inputName, const std::string& outputName,
                         std::string_view key) {
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
  const CipherOutcome outcome = transform(input, *output, key);
  if (outcome != CipherOutcome::Done) return outcome;
  return output->replaceTarget() ? CipherOutcome::Done : CipherOutcome::WriteFailed;
}

}  // namespace tavrik::tools
