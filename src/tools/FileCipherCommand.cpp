// The cipher's dialogue: the direction, the two file names and the key.
#include "platform/Files.hpp"
#include "platform/Terminal.hpp"
#include "shell/CommandShell.hpp"
#include "shell/Console.hpp"
#include "shell/Messages.hpp"
#include "tools/FileCipher.hpp"

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
constexpr std::string_view kInputUnreadable = "Errore: impossibile leggere il file di input.";
constexpr std::string_view kBadKey = "Errore: la chiave deve contenere solo caratteri alfabetici.";
constexpr std::string_view kWriteFailed = "Errore: impossibile scrivere il file di output.";
constexpr std::string_view kInUse = "Errore: il file è in uso.";
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

// At a terminal the key is not shown as it is typed; a key typed ahead on
// an earlier answer's line is already on the screen and read as it is.
// Typed, the key is a line of its own: an empty line asks again, so that a
// line typed later (meant for the prompt) never becomes the key unseen.
std::string askKey(Context& context, std::string_view prompt) {
  const HiddenInput hidden(context.terminal);
  Console& console = context.console;
  if (!console.readsTypedLines()) return ask(console, prompt);
  console.endLine();
  console.write(prompt);
  console.settleLineEnd();  // the line end of the answer before
  for (;;) {
    constexpr const char* kBlanks = " \t\n\v\f\r";
    const std::string line = console.readLine();
    const std::size_t start = line.find_first_not_of(kBlanks);
    if (start != std::string::npos) return line.substr(start, line.find_first_of(kBlanks, start) - start);
    console.write(prompt);
  }
}

void runDirection(Context& context, const Direction& direction) {
  Console& console = context.console;
  const std::string inputName = ask(console, direction.inputPrompt);
  const std::string outputName = ask(console, direction.outputPrompt);
  const std::string key = askKey(context, direction.keyPrompt);
  console.endLine();
  // The input is looked at before anything else, so that its message comes
  // in its own place; the cipher checks it again as it opens it.
  const auto input = files::InputFile::open(inputName).status();
  if (input != files::InputFile::Status::Open) {
    console.endLine();
    writeLine(console, input == files::InputFile::Status::Missing ? kInputMissing : kInputUnreadable);
    return;
  }
  if (direction.blankLineBeforeReport) console.endLine();
  CipherProgressLine progress(console, context.system);
  const auto show = [&progress](std::uint64_t done, std::uint64_t total) { progress.update(done, total); };
  const CipherOutcome outcome =
      cipherFile(inputName, outputName, key, context.terminal.isInteractive() ? CipherProgress(show) : CipherProgress());
  progress.erase();
  switch (outcome) {
    case CipherOutcome::Done:
      writeLine(console, kDone);
      console.endLine();
      return;
    case CipherOutcome::BadKey:
      writeLine(console, kBadKey);
      return;
    case CipherOutcome::InputMissing:
      writeLine(console, kInputMissing);
      return;
    case CipherOutcome::InputUnreadable:
      writeLine(console, kInputUnreadable);
      return;
    case CipherOutcome::WriteFailed:
      writeLine(console, kWriteFailed);
      return;
    case CipherOutcome::InUse:
      writeLine(console, kInUse);
      return;
  }
}

}  // namespace

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
    runDirection(context, *direction);
  }
  return Flow::Continue;
}

}  // namespace tavrik::tools
