#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "shell/Context.hpp"
#include "tools/MunicipalityTable.hpp"
#include "tools/TaxCode.hpp"

namespace tavrik::tools {

/// What a typed tax code says, read against the municipality table.
struct TaxCodeReading {
  /// The first check that fails, in this order, or Valid.
  enum class Verdict {
    Malformed,            // not 16 characters of the code's pattern
    WrongCheckCharacter,  // `checkCharacter` is the right one
    BadDate,              // no such month letter or day
    UnknownPlace,         // no record has `place`
    Valid,
  };
  Verdict verdict = Verdict::Malformed;
  char checkCharacter = 0;   // the right control letter, once the pattern holds
  bool substituted = false;  // letters stand for digits (omocodia)
  Sex sex = Sex::Male;
  CalendarDay born = 0;      // with the year worked out from the two digits
  MunicipalityCode place;    // with the letters for digits undone
  std::string placeName;     // "NAME (XX)"; several names joined by " / "
  bool placeInUse = false;   // the code was valid on `born`
};

/// Reads a tax code as typed (blanks around it ignored, any case) on the
/// day `today`. Of the years that end in the code's two digits, the latest
/// two on which the birth day is not after today are looked at: the later
/// one on which the place code was valid, else the later one. The place's
/// name is the one it had on that day, or, when the code was not valid on
/// it, on the nearest day on which it was.
TaxCodeReading readTaxCode(const MunicipalityTable& table, std::string_view typed, CalendarDay today);

/// The verdict on a reading: one line, or the lines of a valid code, each
/// ending with a line end.
std::string describeTaxCode(const TaxCodeReading& reading);

/// The day (UTC) of a time in seconds since the epoch.
CalendarDay calendarDayOf(std::int64_t seconds);

/// '6': asks for a tax code and says whether it is right and what it says.
Flow runTaxCodeCheck(Context& context);

}  // namespace tavrik::tools
