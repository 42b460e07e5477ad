// One tax code from the shipped municipality table: the whole 'f' command
// (load, dialogue, lookup, code) and its parts; the whole '6' command (load,
// dialogue, reading back) and the reading alone. (The shipped table is found
// from this file's path, relative to the working directory when the build
// maps source paths: run from the source tree.) The counters give the size
// of the table and its longest bucket chain.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <sstream>

#include "shell/Console.hpp"
#include "shell/HistoryLog.hpp"
#include "platform/System.hpp"
#include "platform/Terminal.hpp"
#include "tools/MunicipalityTable.hpp"
#include "tools/TaxCode.hpp"
#include "tools/TaxCodeCheck.hpp"

namespace {

const std::filesystem::path kDataDir =
    std::filesystem::path(__FILE__).parent_path().parent_path() / "data";

// Everything the command needs beyond its console is the installed data.
class DataOnlySystem final : public tavrik::Terminal, public tavrik::System {
 public:
  void setTitle(std::string_view) override {}
  void clear() override {}
  void setColours(tavrik::ConsoleColours) override {}
  void waitForKey() override {}
  bool isInteractive() const override { return false; }
  void setInputHidden(bool) override {}
  bool isReachable(std::string_view) override { return false; }
  void openPage(std::string_view) override {}
  bool startNewInstance() override { return false; }
  std::int64_t nowSeconds() override { return 1'700'000'000; }  // 14 November 2023
  void sleepMillis(int) override {}
  void secureRandom(std::span<std::uint32_t>) override {}
  std::string dataDirectory() override { return kDataDir.string(); }
};

void wholeTaxCodeCommand(benchmark::State& state) {
  DataOnlySystem system;
  tavrik::HistoryLog history;
  for (auto _ : state) {
    std::istringstream in("Rossi\nMario\n1\n1\n1980\nM\nRoma\n");
    std::ostringstream out;
    tavrik::Console console(in, out);
    tavrik::Context context{console, system, system, history};
    tavrik::tools::runTaxCode(context);
    benchmark::DoNotOptimize(out.str().data());
  }
}

void wholeTaxCodeCheckCommand(benchmark::State& state) {
  DataOnlySystem system;
  tavrik::HistoryLog history;
  for (auto _ : state) {
    std::istringstream in("RSSMRA80A01H501U\n");
    std::ostringstream out;
    tavrik::Console console(in, out);
    tavrik::Context context{console, system, system, history};
    tavrik::tools::runTaxCodeCheck(context);
    benchmark::DoNotOptimize(out.str().data());
  }
}

// Codes of a place of one name, of two names, of a letter for each digit,
// of a place not yet in use on the day.
void readTaxCodeBack(benchmark::State& state) {
  const auto table = tavrik::tools::loadMunicipalities(kDataDir / "risorsa.cf.txt");
  if (!table) {
    state.SkipWithError("the shipped table does not load");
    return;
  }
  const std::string codes[] = {"RSSMRA80A01H501U", "BNCNNA23T45A952R", "RSSMRAULALMHRLMD", "BNCNNA20A45M435H"};
  for (auto _ : state) {
    for (const std::string& code : codes) {
      benchmark::DoNotOptimize(tavrik::tools::readTaxCode(*table, code, 20231114));
    }
  }
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * std::size(codes)));
}

void loadShippedTable(benchmark::State& state) {
  const auto file = kDataDir / "risorsa.cf.txt";
  for (auto _ : state) {
    const auto table = tavrik::tools::loadMunicipalities(file);
    if (!table) {
      state.SkipWithError("the shipped table does not load");
      return;
    }
    benchmark::DoNotOptimize(table->size());
  }
  const auto table = tavrik::tools::loadMunicipalities(file);
  state.counters["records"] = static_cast<double>(table->size());
  state.counters["longest_chain"] = static_cast<double>(table->longestChain());
}

void lookUpMunicipality(benchmark::State& state) {
  const auto table = tavrik::tools::loadMunicipalities(kDataDir / "risorsa.cf.txt");
  if (!table) {
    state.SkipWithError("the shipped table does not load");
    return;
  }
  const std::string names[] = {"ROMA", "MILANO", "L'AQUILA", "CASTELNUOVO BERARDENGA", "ATLANTIDE",
                               "SALURN", "CASTRO (LE)"};
  for (auto _ : state) {
    for (const std::string& name : names) {
      benchmark::DoNotOptimize(tavrik::tools::findMunicipality(*table, name, 19800101));
    }
  }
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * std::size(names)));
}

// A name none of whose lines was valid on the birth day: the other lines of
// its codes are looked for in the whole table.
void lookUpOutsideTheNamesPeriods(benchmark::State& state) {
  const auto table = tavrik::tools::loadMunicipalities(kDataDir / "risorsa.cf.txt");
  if (!table) {
    state.SkipWithError("the shipped table does not load");
    return;
  }
  const std::string names[] = {"VALSAMOGGIA", "SALORNO SULLA STRADA DEL VINO", "CRESPELLANO"};
  for (auto _ : state) {
    for (const std::string& name : names) {
      benchmark::DoNotOptimize(tavrik::tools::findMunicipality(*table, name, 19500101));
    }
  }
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * std::size(names)));
}

BENCHMARK(wholeTaxCodeCommand)->Unit(benchmark::kMillisecond);
BENCHMARK(wholeTaxCodeCheckCommand)->Unit(benchmark::kMillisecond);
BENCHMARK(readTaxCodeBack)->Unit(benchmark::kMicrosecond);
BENCHMARK(loadShippedTable)->Unit(benchmark::kMillisecond);
BENCHMARK(lookUpMunicipality);
BENCHMARK(lookUpOutsideTheNamesPeriods);

}  // namespace
