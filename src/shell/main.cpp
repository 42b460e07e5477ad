#include <cerrno>
#include <cstring>
#include <iostream>
#include <string>
#include <string_view>

#include "platform/Files.hpp"
#include "platform/Session.hpp"
#include "shell/CommandShell.hpp"
#include "shell/Console.hpp"
#include "shell/HistoryLog.hpp"

namespace {

constexpr int kBadOption = 2;
constexpr std::size_t kRecalledLines = 1000;

constexpr std::string_view kHelp =
    "Uso: tavrik-terminal [-h | --help | --version]\n"
    "\n"
    "Tavrik Terminal riunisce una trentina di piccoli strumenti (calcolatrice,\n"
    "chimica, generatori di codici e password, codice fiscale, cifratura di\n"
    "file, grafici a barre) dietro il prompt \"Path: \". Al prompt scrivi un\n"
    "carattere e premi Invio: # elenca i comandi, h spiega l'uso, x esce.\n"
    "\n"
    "Scrivi solo quello che viene chiesto: il testo in piu' sulla stessa riga\n"
    "di una risposta (\"5 a\") viene letto come la risposta seguente o come il\n"
    "comando successivo.\n"
    "\n"
    "File nella cartella corrente:\n"
    "  function_history.txt        righe scritte al prompt (letto e scritto)\n"
    "  color_data.txt              tema dei colori (letto e scritto)\n"
    "  risorsa.cf.txt              comuni per il codice fiscale (letto; se\n"
    "                              manca, si usa quello installato)\n"
    "  grafico_*.png .jpg .pdf .pptx  grafici creati con 5 (scritti)\n"
    "  i file indicati al comando n (cifratura: letti e scritti)\n"
    "\n"
    "Opzioni:\n"
    "  -h, --help mostra questo aiuto ed esce\n"
    "  --version  mostra la versione ed esce\n"
    "\n"
    "English: Tavrik Terminal puts some thirty small tools behind the \"Path: \"\n"
    "prompt: type one character and Enter (# lists the commands, h explains,\n"
    "x quits). Type only what is asked: extra text on the line of an answer\n"
    "(\"5 a\") is read as the next answer or the next command. The program\n"
    "reads and writes function_history.txt (command lines), color_data.txt\n"
    "(colour theme), charts grafico_* and the files given to the cipher in the\n"
    "current directory, and reads risorsa.cf.txt (municipalities for the tax\n"
    "code) there, else the installed copy. -h or --help shows this text,\n"
    "--version the version; any other argument is an error (status 2).\n"
    "\n";

void printHelp() {
  std::cout << kHelp;
  // Where the shipped data was found, from the program's own location; no
  // session: the terminal is not touched and no file is read.
  const std::string data = tavrik::openSystem()->dataDirectory();
  std::cout << "Dati installati / installed data: " << (data.empty() ? "(non trovati / not found)" : data)
#ifdef _WIN32
            << "\nGuida / guide: README.txt accanto al programma / beside the program\n";
#else
            << "\nManuale / manual: man tavrik-terminal\n";
#endif
}

// Standard output could not be written (a full disk, say): one
// line on standard error with the system's reason, and status 1. The reason
// is that of a new attempt made now, since the write that failed the stream
// may lie far behind.
int reportWriteError() {
  std::cout.clear();
  errno = 0;
  std::cout.put('\n').flush();
  const int reason = errno != 0 ? errno : EIO;
  std::cerr << "tavrik-terminal: errore di scrittura / write error: " << std::strerror(reason) << '\n';
  return 1;
}

// The options: -h or --help and --version, nothing else. Returns the exit status
// when an option was given, -1 to run the program.
int handleOptions(int argc, char** argv) {
  if (argc < 2) return -1;
  bool help = false;
  for (int i = 1; i < argc; ++i) {
    const std::string_view option(argv[i]);
    if (option == "--help" || option == "-h") {
      help = true;
    } else if (option.size() < 2 || option.front() != '-') {
      std::cerr << "tavrik-terminal: argomento inatteso / unexpected argument '" << option
                << "' (tavrik-terminal --help)\n";
      return kBadOption;
    } else if (option != "--version") {
      std::cerr << "tavrik-terminal: opzione non riconosciuta / unrecognised option '" << option
                << "' (tavrik-terminal --help)\n";
      return kBadOption;
    }
  }
  if (help) {
    printHelp();
  } else {
    std::cout << "tavrik-terminal " TAVRIK_VERSION "\n";
  }
  std::cout.flush();
  return std::cout ? 0 : reportWriteError();
}

}  // namespace

int main(int argc, char** argv) {
  if (const int status = handleOptions(argc, argv); status >= 0) return status;
  // The console flushes its output before it waits for input: not at every
  // line end, and not at every read of input already typed ahead.
  std::ios::sync_with_stdio(false);
  std::cin.tie(nullptr);
  // First of all: from here on, every way out puts the console back.
  const auto session = tavrik::openSession(std::cout);
  tavrik::LineInput* const lines = session->lineInput();
  if (lines != nullptr) {
    // The arrow keys bring back the newest command lines of earlier runs;
    // only the file's end is read, however long it has grown.
    tavrik::files::forEachLastLine(std::string(tavrik::HistoryLog::kFileName), kRecalledLines,
                                   tavrik::Console::kMaxCommandLine,
                                   [lines](std::string_view line) { lines->remember(line); });
  }
  tavrik::Console console(session->input(), std::cout, lines);
  // Text held back for the line editor comes before the terminal's own.
  session->terminal().writeFirst([&console] { console.flush(); });
  tavrik::HistoryLog history;
  tavrik::CommandShell shell({console, session->terminal(), session->system(), history});
  const int status = shell.run();
  console.flush();
  session->terminal().writeFirst(nullptr);
  std::cout.flush();
  return std::cout || status != 0 ? status : reportWriteError();
}
