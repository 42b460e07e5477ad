#include "tools/TaxCodeCheck.hpp"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <limits>
#include <vector>

#include "platform/System.hpp"
#include "shell/Console.hpp"

namespace tavrik::tools {

namespace {

constexpr std::string_view kPrompt = "Inserisci il codice fiscale: ";
constexpr std::string_view kMalformed =
    "ERRORE: Il codice deve avere 16 caratteri nella forma RSSMRA80A01H501U.";
constexpr std::string_view kWrongCheck = "ERRORE: Carattere di controllo errato (atteso ";
constexpr std::string_view kBadDate = "ERRORE: Data di nascita non valida.";
constexpr std::string_view kUnknownPlace = "ERRORE: Codice del luogo di nascita sconosciuto (";
constexpr std::string_view kValid = "Codice fiscale valido.";
constexpr std::string_view kSubstituted = "Codice con sostituzioni per omocodia.";
constexpr std::string_view kPlaceLabel = "Luogo di nascita: ";
constexpr std::string_view kNotInUse = " (codice non in uso in quella data)";
constexpr std::string_view kForeignProvince = "EE";

// L for a letter, D for a digit place, where a letter of kDigitLetters may
// stand for the digit when two people would otherwise share a code.
constexpr std::string_view kShape = "LLLLLLDDLDDLDDDL";
constexpr std::string_view kDigitLetters = "LMNPQRSTUV";  // 0..9
constexpr int kFemaleDayOffset = 40;
constexpr int kLastDay = 31;
constexpr int kLastMonth = 12;

// The digit a character of a digit place stands for; -1 for none.
int digitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  const std::size_t at = kDigitLetters.find(c);
  return at == std::string_view::npos ? -1 : static_cast<int>(at);
}

int numberAt(std::string_view code, std::size_t from, std::size_t count) {
  int value = 0;
  for (std::size_t i = from; i < from + count; ++i) value = value * 10 + digitValue(code[i]);
  return value;
}

bool isCapital(char c) { return c >= 'A' && c <= 'Z'; }

std::string_view trimmed(std::string_view text) {
  const auto blank = [](char c) { return c == ' ' || c == '\t'; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  return text;
}

std::int64_t daysSinceEpoch(CalendarDay day) {
  using namespace std::chrono;
  const year_month_day date{year{day / 10000}, month{static_cast<unsigned>(day / 100 % 100)},
                            std::chrono::day{static_cast<unsigned>(day % 100)}};
  return sys_days{date}.time_since_epoch().count();
}

// The records of a code, in the table's order.
std::vector<MunicipalityRecord> recordsOf(const MunicipalityTable& table, MunicipalityCode code) {
  std::vector<MunicipalityRecord> records;
  for (std::size_t i = 0; i < table.size(); ++i) {
    const MunicipalityRecord record = table.record(i);
    if (record.code.letter == code.letter && record.code.number == code.number) records.push_back(record);
  }
  return records;
}

// The day nearest to `day` on which one of the records was valid, for a day
// on which none was: the first or the last day of one of them.
CalendarDay nearestValidDay(const std::vector<MunicipalityRecord>& records, CalendarDay day) {
  CalendarDay nearest = records.front().first;
  std::int64_t shortest = std::numeric_limits<std::int64_t>::max();
  for (const MunicipalityRecord& record : records) {
    for (const CalendarDay edge : {record.first, record.last}) {
      const std::int64_t distance = std::max(daysSinceEpoch(edge) - daysSinceEpoch(day),
                                             daysSinceEpoch(day) - daysSinceEpoch(edge));
      if (distance < shortest) {
        shortest = distance;
        nearest = edge;
      }
    }
  }
  return nearest;
}

// The names of the records valid on the day, each once, then the province
// in brackets (none for a foreign state); names of several provinces each
// carry their own.
std::string namesOn(const std::vector<MunicipalityRecord>& records, CalendarDay day) {
  std::vector<MunicipalityRecord> valid;
  for (const MunicipalityRecord& record : records) {
    const auto sameName = [&](const MunicipalityRecord& r) { return r.name == record.name; };
    if (validOn(record, day) && std::none_of(valid.begin(), valid.end(), sameName)) valid.push_back(record);
  }
  const auto province = [](std::string_view abbreviation) {
    if (abbreviation.empty() || abbreviation == kForeignProvince) return std::string();
    return " (" + std::string(abbreviation) + ")";
  };
  const bool oneProvince = std::all_of(valid.begin(), valid.end(), [&](const MunicipalityRecord& r) {
    return r.province == valid.front().province;
  });
  std::string names;
  for (const MunicipalityRecord& record : valid) {
    if (!names.empty()) names += " / ";
    names += record.name;
    if (!oneProvince) names += province(record.province);
  }
  if (oneProvince && !valid.empty()) names += province(valid.front().province);
  return names;
}

std::string placeCode(MunicipalityCode code) {
  char text[8];
  std::snprintf(text, sizeof text, "%c%03d", code.letter, code.number);
  return text;
}

std::string dayText(CalendarDay day) {
  char text[16];
  std::snprintf(text, sizeof text, "%02d/%02d/%04d", day % 100, day / 100 % 100, day / 10000);
  return text;
}

}  // namespace

TaxCodeReading readTaxCode(const MunicipalityTable& table, std::string_view typed, CalendarDay today) {
  TaxCodeReading reading;
  std::string code(trimmed(typed));
  for (char& c : code) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  if (code.size() != kShape.size()) return reading;
  for (std::size_t i = 0; i < code.size(); ++i) {
    if (kShape[i] == 'L' ? !isCapital(code[i]) : digitValue(code[i]) < 0) return reading;
    if (kShape[i] == 'D' && isCapital(code[i])) reading.substituted = true;
  }
  reading.checkCharacter = taxCodeCheckCharacter(std::string_view(code).substr(0, kShape.size() - 1));
  if (code.back() != reading.checkCharacter) {
    reading.verdict = TaxCodeReading::Verdict::WrongCheckCharacter;
    return reading;
  }

  reading.verdict = TaxCodeReading::Verdict::BadDate;
  int month = 0;
  for (int m = 1; m <= kLastMonth; ++m) {
    if (monthLetter(m) == code[8]) month = m;
  }
  const int dayNumber = numberAt(code, 9, 2);
  reading.sex = dayNumber > kFemaleDayOffset ? Sex::Female : Sex::Male;
  const int day = dayNumber > kFemaleDayOffset ? dayNumber - kFemaleDayOffset : dayNumber;
  if (month == 0 || day < 1 || day > kLastDay) return reading;
  // The latest two years ending in the two digits on which the birth day is
  // not after today.
  const int monthDay = month * 100 + day;
  const int thisYear = today / 10000;
  int year = thisYear - ((thisYear - numberAt(code, 6, 2)) % 100 + 100) % 100;
  if (year * 10000 + monthDay > today) year -= 100;
  std::vector<CalendarDay> days;
  for (const int y : {year, year - 100}) {
    if (isRealDay(y, month, day)) days.push_back(y * 10000 + monthDay);
  }
  if (days.empty()) return reading;

  reading.place = {code[11], numberAt(code, 12, 3)};
  const std::vector<MunicipalityRecord> records = recordsOf(table, reading.place);
  if (records.empty()) {
    reading.verdict = TaxCodeReading::Verdict::UnknownPlace;
    return reading;
  }
  reading.verdict = TaxCodeReading::Verdict::Valid;
  reading.born = days.front();
  for (const CalendarDay candidate : days) {
    const auto valid = [&](const MunicipalityRecord& r) { return validOn(r, candidate); };
    if (std::any_of(records.begin(), records.end(), valid)) {
      reading.born = candidate;
      reading.placeInUse = true;
      break;
    }
  }
  reading.placeName =
      namesOn(records, reading.placeInUse ? reading.born : nearestValidDay(records, reading.born));
  return reading;
}

std::string describeTaxCode(const TaxCodeReading& reading) {
  using Verdict = TaxCodeReading::Verdict;
  switch (reading.verdict) {
    case Verdict::Malformed:
      return std::string(kMalformed) + "\n";
    case Verdict::WrongCheckCharacter:
      return std::string(kWrongCheck) + reading.checkCharacter + ").\n";
    case Verdict::BadDate:
      return std::string(kBadDate) + "\n";
    case Verdict::UnknownPlace:
      return std::string(kUnknownPlace) + placeCode(reading.place) + ").\n";
    case Verdict::Valid:
      break;
  }
  const bool male = reading.sex == Sex::Male;
  std::string text = std::string(kValid) + "\n";
  if (reading.substituted) text += std::string(kSubstituted) + "\n";
  text += male ? "Sesso: maschile\nNato il " : "Sesso: femminile\nNata il ";
  text += dayText(reading.born) + "\n";
  text += std::string(kPlaceLabel) + reading.placeName;
  if (!reading.placeInUse) text += kNotInUse;
  return text + "\n";
}

CalendarDay calendarDayOf(std::int64_t seconds) {
  using namespace std::chrono;
  const year_month_day date{floor<days>(sys_seconds{std::chrono::seconds{seconds}})};
  return static_cast<int>(date.year()) * 10000 + static_cast<int>(static_cast<unsigned>(date.month())) * 100 +
         static_cast<int>(static_cast<unsigned>(date.day()));
}

Flow runTaxCodeCheck(Context& context) {
  // The table lives for this one command, as for 'f'.
  const std::optional<MunicipalityTable> table = loadMunicipalitiesFor(context);
  if (!table) return Flow::Continue;
  Console& console = context.console;
  console.write(kPrompt);
  const std::string typed = console.readLine();
  const std::string verdict =
      describeTaxCode(readTaxCode(*table, typed, calendarDayOf(context.system.nowSeconds())));
  for (std::size_t at = 0; at < verdict.size();) {
    const std::size_t end = verdict.find('\n', at);
    console.write(std::string_view(verdict).substr(at, end - at));
    console.endLine();
    at = end + 1;
  }
  return Flow::Continue;
}

}  // namespace tavrik::tools
