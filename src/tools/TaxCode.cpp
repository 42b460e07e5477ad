#include "tools/TaxCode.hpp"

#include <array>
#include <cassert>
#include <cctype>
#include <filesystem>
#include <system_error>

#include "shell/Console.hpp"
#include "platform/System.hpp"

namespace tavrik::tools {

namespace {

constexpr std::string_view kLoadFailed = "Errore caricare risorse";
constexpr std::string_view kSurnamePrompt = "Cognome: ";
constexpr std::string_view kFirstNamePrompt = "Nome: ";
constexpr std::string_view kDateIntro = "Inserire la data di nascita nel formato: gg/mm/aaaa\n";
constexpr std::string_view kDayPrompt = "Giorno di nascita(gg): ";
constexpr std::string_view kBadDay = "ERRORE: Giorno di nascita non valido.\n";
constexpr std::string_view kMonthPrompt = "Mese di nascita (mm): ";
constexpr std::string_view kBadMonth = "\nERRORE: Mese di nascita non valido.\n";
constexpr std::string_view kYearPrompt = "Anno di nascita (aaaa): ";
constexpr std::string_view kBadYear = "ERRORE: Anno di nascita non valido.\n";
constexpr std::string_view kNoSuchDay = "ERRORE: Data di nascita inesistente.\n";
constexpr std::string_view kSexPrompt = "Sesso (M/F): ";
constexpr std::string_view kBadSex = "ERRORE: Inserire solo il carattere 'M' o 'F'.\n";
constexpr std::string_view kMunicipalityPrompt = "Comune di nascita: ";
constexpr std::string_view kMunicipalityNotFound = "ERRORE: Comune non trovato.\n";
constexpr std::string_view kSharedName = "ERRORE: Più comuni hanno questo nome: ";
constexpr std::string_view kSharedNameHint =
    ".\nScrivi il nome seguito dalla sigla della provincia tra parentesi.\n";
constexpr std::string_view kNotYetError = "ERRORE: ";
constexpr std::string_view kDidNotExist = " non esisteva alla data di nascita.\n";
constexpr std::string_view kResultLabel = "Codice fiscale: ";

constexpr std::string_view kMunicipalityFile = "risorsa.cf.txt";

constexpr std::size_t kPartLetters = 3;
constexpr std::size_t kCodeLength = 16;
constexpr std::string_view kMonthLetters = "ABCDEHLMPRST";
constexpr int kFemaleDayOffset = 40;
constexpr int kLastDay = 31;
constexpr int kLastMonth = 12;
constexpr int kLastYear = 9999;
constexpr int kAlphabetSize = 26;

// The values of the characters at odd positions (1, 3, ... 15), for A..Z;
// a digit counts as the letter of the same index (0 as A, 9 as J).
constexpr std::array<int, kAlphabetSize> kOddValues = {
    1, 0, 5, 7, 9, 13, 15, 17, 19, 21, 2, 4, 18, 20, 11, 3, 6, 8, 12, 14, 16, 10, 22, 25, 24, 23};

bool isVowel(char c) { return c == 'A' || c == 'E' || c == 'I' || c == 'O' || c == 'U'; }
bool isConsonant(char c) { return c >= 'B' && c <= 'Z' && !isVowel(c); }

std::string lettersOf(const std::string& normalized, bool (*wanted)(char)) {
  std::string letters;
  for (const char c : normalized) {
    if (wanted(c)) letters += c;
  }
  return letters;
}

// Consonants, then vowels, then X, up to three.
std::string consonantsFirst(const std::string& consonants, const std::string& vowels) {
  std::string letters = (consonants + vowels).substr(0, kPartLetters);
  letters.resize(kPartLetters, 'X');
  return letters;
}

void appendTwoDigits(std::string& code, int value) {
  if (value < 10) code += '0';
  code += std::to_string(value);
}

void appendThreeDigits(std::string& code, int value) {
  if (value < 100) code += '0';
  appendTwoDigits(code, value);
}

// The index 0..25 of a letter or digit of the code; -1 for anything else.
int indexOf(char c) {
  if (c >= 'A' && c <= 'Z') return c - 'A';
  if (c >= 'a' && c <= 'z') return c - 'a';
  if (c >= '0' && c <= '9') return c - '0';
  return -1;
}

// The file in the working directory, else the copy installed with the
// program.
std::filesystem::path municipalityFile(System& system) {
  std::error_code error;
  if (std::filesystem::exists(kMunicipalityFile, error)) return kMunicipalityFile;
  const std::string installed = system.dataDirectory();
  if (installed.empty()) return kMunicipalityFile;
  return std::filesystem::path(installed) / kMunicipalityFile;
}

// Asks with `prompt` until the answer is within [low, high]; `refusal`
// follows an answer out of range.
int askInRange(Console& console, std::string_view prompt, std::string_view refusal, int low,
               int high) {
  for (;;) {
    console.endLine();
    console.write(prompt);
    const int value = console.readInt();
    if (value >= low && value <= high) return value;
    console.write(refusal);
  }
}

int askYear(Console& console) {
  for (;;) {
    console.endLine();
    console.write(kYearPrompt);
    const int year = console.readInt();
    console.discardOne();
    if (year >= 0 && year <= kLastYear) return year;
    console.write(kBadYear);
  }
}

struct BirthDay {
  int day;
  int month;
  int year;
};

// Day, month and year, asked again from the day until they make a day of
// the calendar.
BirthDay askBirthDay(Console& console) {
  for (;;) {
    const int day = askInRange(console, kDayPrompt, kBadDay, 1, kLastDay);
    const int month = askInRange(console, kMonthPrompt, kBadMonth, 1, kLastMonth);
    const int year = askYear(console);
    if (isRealDay(year, month, day)) return {day, month, year};
    console.write(kNoSuchDay);
  }
}

Sex askSex(Console& console) {
  for (;;) {
    console.endLine();
    console.write(kSexPrompt);
    // The whole line is the answer: nothing typed here reaches the next
    // question.
    if (const std::optional<Sex> sex = sexFromAnswer(console.readLine())) return *sex;
    console.write(kBadSex);
  }
}

MunicipalityCode askMunicipality(Console& console, const MunicipalityTable& table, CalendarDay born) {
  for (;;) {
    console.endLine();
    console.write(kMunicipalityPrompt);
    const MunicipalityLookup place = municipalityOf(table, console.readLine(), born);
    if (place.outcome == MunicipalityLookup::Outcome::Found) return place.code;
    console.write(birthplaceError(place));
  }
}

std::string_view trimmed(std::string_view text) {
  const auto blank = [](char c) { return c == ' ' || c == '\t'; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  return text;
}

}  // namespace

std::optional<Sex> sexFromAnswer(std::string_view answer) {
  std::string word(trimmed(answer));
  for (char& c : word) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  if (word == "m" || word == "maschio") return Sex::Male;
  if (word == "f" || word == "femmina") return Sex::Female;
  return std::nullopt;
}

MunicipalityLookup municipalityOf(const MunicipalityTable& table, std::string_view typed,
                                  CalendarDay born) {
  const std::string_view name = trimmed(typed);
  // The cadastral code itself: a letter and three digits.
  const auto digit = [](char c) { return c >= '0' && c <= '9'; };
  if (name.size() == 4 && std::isalpha(static_cast<unsigned char>(name[0])) && digit(name[1]) &&
      digit(name[2]) && digit(name[3])) {
    const char letter = static_cast<char>(std::toupper(static_cast<unsigned char>(name[0])));
    MunicipalityLookup lookup;
    if (const auto code = findCode(table, {letter, std::stoi(std::string(name.substr(1)))})) {
      lookup.outcome = MunicipalityLookup::Outcome::Found;
      lookup.code = *code;
    }
    return lookup;
  }
  return findMunicipality(table, normalizeName(name), born);
}

std::string birthplaceError(const MunicipalityLookup& place) {
  using Outcome = MunicipalityLookup::Outcome;
  switch (place.outcome) {
    case Outcome::Ambiguous: {
      std::string message(kSharedName);
      for (std::size_t i = 0; i < place.choices.size(); ++i) {
        if (i > 0) message += ", ";
        message += place.choices[i].name;
        message += " (";
        message += place.choices[i].province;
        message += ")";
      }
      return message += kSharedNameHint;
    }
    case Outcome::DidNotExist:
      return std::string(kNotYetError) + std::string(place.place.name) + std::string(kDidNotExist);
    case Outcome::Found:
    case Outcome::NotFound:
      break;
  }
  return std::string(kMunicipalityNotFound);
}

std::optional<MunicipalityTable> loadMunicipalitiesFor(Context& context) {
  std::optional<MunicipalityTable> table = loadMunicipalities(municipalityFile(context.system));
  if (!table) {
    context.console.endLine();
    context.console.write(kLoadFailed);
    context.console.endLine();
  }
  return table;
}

char monthLetter(int month) {
  assert(month >= 1 && month <= kLastMonth);
  return kMonthLetters[static_cast<std::size_t>(month - 1)];
}

std::string surnameLetters(std::string_view typedSurname) {
  const std::string name = normalizeName(typedSurname);
  return consonantsFirst(lettersOf(name, isConsonant), lettersOf(name, isVowel));
}

std::string firstNameLetters(std::string_view typedFirstName) {
  const std::string name = normalizeName(typedFirstName);
  const std::string consonants = lettersOf(name, isConsonant);
  if (consonants.size() > kPartLetters) return {consonants[0], consonants[2], consonants[3]};
  return consonantsFirst(consonants, lettersOf(name, isVowel));
}

std::string buildTaxCode(std::string_view surname, std::string_view firstName, int day, int month,
                         int year, Sex sex, MunicipalityCode municipality) {
  assert(day >= 1 && day <= kLastDay && "the dialogue checks the day");
  assert(month >= 1 && month <= kLastMonth && "the dialogue checks the month");
  assert(year >= 0 && "the dialogue refuses a negative year");
  assert(municipality.number >= 0 && municipality.number <= 999 && "the loader checks codes");
  std::string code = surnameLetters(surname) + firstNameLetters(firstName);
  appendTwoDigits(code, year % 100);
  code += monthLetter(month);
  if (sex == Sex::Female) {
    code += std::to_string(day + kFemaleDayOffset);
  } else {
    appendTwoDigits(code, day);
  }
  code += municipality.letter;
  appendThreeDigits(code, municipality.number);
  code += taxCodeCheckCharacter(code);
  assert(code.size() == kCodeLength);
  return code;
}

char taxCodeCheckCharacter(std::string_view first15) {
  int sum = 0;
  for (std::size_t i = 0; i < first15.size() && i + 1 < kCodeLength; ++i) {
    const int index = indexOf(first15[i]);
    if (index < 0) continue;
    // Positions count from 1, so even indexes are the odd positions.
    sum += i % 2 == 0 ? kOddValues[static_cast<std::size_t>(index)] : index;
  }
  return static_cast<char>('A' + sum % kAlphabetSize);
}

Flow runTaxCode(Context& context) {
  Console& console = context.console;
  // The table lives for this one command: an edited file counts next time.
  const std::optional<MunicipalityTable> table = loadMunicipalitiesFor(context);
  if (!table) return Flow::Continue;
  console.write(kSurnamePrompt);
  const std::string surname = console.readLine();
  console.endLine();
  console.write(kFirstNamePrompt);
  const std::string firstName = console.readLine();
  console.endLine();
  console.write(kDateIntro);
  const auto [day, month, year] = askBirthDay(console);
  const Sex sex = askSex(console);
  const MunicipalityCode municipality = askMunicipality(console, *table, year * 10000 + month * 100 + day);
  const std::string code = buildTaxCode(surname, firstName, day, month, year, sex, municipality);
  console.endLine();
  console.endLine();
  console.write(kResultLabel);
  console.write(code);
  console.write("\n\n");
  return Flow::Continue;
}

}  // namespace tavrik::tools
